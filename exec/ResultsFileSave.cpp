#include "exec/ResultsFileSave.h"

#include "exec/DelimitedRows.h"
#include "platform/toolkit/StringGrid.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace exec {

namespace {

constexpr qsizetype kBlockBytes = 256 * 1024;

// Lines wait here and go to the file a block at a time; each line's end is kept so
// that a write cut short still tells which rows reached the file whole.
class PendingRows {
public:
    explicit PendingRows(int firstRow) : firstRow_(firstRow) { bytes_.reserve(kBlockBytes * 2); }

    void add(std::span<const QString> cells, const QByteArray& separator) {
        appendResultsFileLine(bytes_, cells, separator);
        lineEnds_.push_back(bytes_.size());
    }
    bool full() const { return bytes_.size() >= kBlockBytes; }

    // Writes the block and returns the first row not yet whole in the file; a failure's
    // message goes to error.
    int write(QFile& file, std::optional<QString>& error) {
        qint64 written = 0;
        // A short write is followed by another, so that a real failure reports its cause.
        while (written < bytes_.size()) {
            const qint64 n = file.write(bytes_.constData() + written, bytes_.size() - written);
            if (n <= 0)
                break;
            written += n;
        }
        if (written < bytes_.size() || !file.flush())
            error = file.errorString();
        const auto whole = std::upper_bound(lineEnds_.begin(), lineEnds_.end(), written);
        firstRow_ += int(whole - lineEnds_.begin());
        bytes_.clear();
        lineEnds_.clear();
        return firstRow_;
    }

private:
    QByteArray bytes_;
    std::vector<qsizetype> lineEnds_; // a skipped row ends where the line before it does
    int firstRow_;
};

} // namespace

ResultsSaveOutcome appendResultsRows(const QString& fileName, const QString& delimiter,
                                     const toolkit::StringGrid& grid, int fromRow,
                                     const ResultsSaveHooks& hooks) {
    ResultsSaveOutcome outcome{fromRow, std::nullopt};
    QFile file(fileName);
    const bool appending = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        outcome.error = file.errorString();
        return outcome;
    }
    hooks.opened(appending);
    const QByteArray separator = (delimiter.isEmpty() ? QStringLiteral("^") : delimiter).toUtf8();
    const int rowCount = grid.RowCount();
    PendingRows pending(fromRow);
    for (int r = fromRow; r < rowCount; ++r) {
        pending.add(grid.RowCells(r), separator);
        if (pending.full()) {
            outcome.nextRow = pending.write(file, outcome.error);
            if (outcome.error)
                return outcome;
        }
        if (hooks.afterRow(r, rowCount))
            break;
    }
    outcome.nextRow = pending.write(file, outcome.error);
    return outcome;
}

} // namespace exec
