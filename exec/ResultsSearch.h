#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace toolkit {
class StringGrid;
}

namespace exec {

struct GridCell {
    int col = 0;
    int row = 0;
    bool operator==(const GridCell&) const = default;
};

// Looks for the search text, trimmed and in capitals, in the rows below the
// current one, from the current column rightwards; onRow is told each row as
// the search enters it. A text of blanks only never matches.
std::optional<GridCell> findInResults(const toolkit::StringGrid& grid, const QString& findText,
                                      const std::function<void(int row)>& onRow);

} // namespace exec
