#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace toolkit {
class StringGrid;
}

namespace exec {

struct ResultsSaveHooks {
    std::function<void(bool appending)> opened; // the file was opened or created
    // Called after every row (written or skipped); true stops the save there.
    std::function<bool(int row, int rowCount)> afterRow;
};

struct ResultsSaveOutcome {
    int nextRow = 0;              // the first grid row not yet safely in the file
    std::optional<QString> error; // the failure that ended the save
};

// Appends grid rows fromRow.. to the results file (created when missing), one
// delimited line each with CR LF, blank rows skipped. Lines are buffered and
// written in blocks; the file is flushed and closed before this returns, and
// nextRow only counts rows whose bytes reached the file.
ResultsSaveOutcome appendResultsRows(const QString& fileName, const QString& delimiter,
                                     const toolkit::StringGrid& grid, int fromRow,
                                     const ResultsSaveHooks& hooks);

} // namespace exec
