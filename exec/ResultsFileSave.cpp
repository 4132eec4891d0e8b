#include "exec/ResultsFileSave.h"

#include "exec/DelimitedRows.h"
#include "platform/toolkit/StringGrid.h"

#include <QFile>
#include <QStringList>

namespace exec {

namespace {

constexpr qsizetype kBlockBytes = 256 * 1024;

// Writes the pending block; on success every row it holds is safely in the file.
bool writeBlock(QFile& file, QByteArray& block) {
    const bool written = block.isEmpty() || file.write(block) == block.size();
    block.clear();
    return written && file.flush();
}

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
    QByteArray block;
    block.reserve(kBlockBytes * 2);
    int blockEnd = fromRow;
    auto commit = [&] {
        if (!writeBlock(file, block)) {
            outcome.error = file.errorString();
            return false;
        }
        outcome.nextRow = blockEnd;
        return true;
    };
    for (int r = fromRow; r < rowCount; ++r) {
        appendResultsFileLine(block, grid.RowCells(r), separator);
        blockEnd = r + 1;
        if (block.size() >= kBlockBytes && !commit())
            return outcome;
        if (hooks.afterRow(r, rowCount))
            break;
    }
    commit();
    return outcome;
}

} // namespace exec
