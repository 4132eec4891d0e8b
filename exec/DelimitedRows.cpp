#include "exec/DelimitedRows.h"

#include "platform/toolkit/StringGrid.h"
#include "platform/toolkit/TextRules.h"

#include <algorithm>
#include <cstring>

namespace exec {

using toolkit::trimText;

namespace {

// Blank as trimming sees it: nothing above U+0020.
bool isBlank(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= u' '; });
}

// Copies an all-ASCII text byte for byte; false when it holds any other character.
// This copy is most of the cost of saving a large grid, so the loop has no early
// exit and reads the length once (a byte stored through `to` could alias it).
bool copyAscii(char* to, const QString& text) {
    const auto* from = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype length = text.size();
    char16_t seen = 0;
    for (qsizetype i = 0; i < length; ++i) {
        seen |= from[i];
        to[i] = char(from[i]);
    }
    return seen < 0x80;
}

void appendEncoded(QByteArray& out, std::span<const QString> cells, const QByteArray& delimiter) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0)
            out.append(delimiter);
        out.append(cells[c].toUtf8());
    }
    out.append("\r\n", 2);
}

} // namespace

QStringList gridRowCells(const toolkit::StringGrid& grid, int row) {
    QStringList cells;
    cells.reserve(grid.ColCount());
    for (int c = 0; c < grid.ColCount(); ++c)
        cells.append(grid.Cells(c, row));
    return cells;
}

QString delimiterFromSeparator(const QString& separatorText) {
    const QString delimiter = trimText(separatorText);
    return delimiter.isEmpty() ? QStringLiteral(",") : delimiter;
}

bool appendResultsFileLine(QByteArray& out, std::span<const QString> cells,
                           const QByteArray& delimiter) {
    if (std::all_of(cells.begin(), cells.end(), isBlank))
        return false;
    // Results files run to megabytes of mostly ASCII cells: the line is sized once
    // and copied in; a row with any other character is encoded cell by cell.
    const qsizetype start = out.size();
    qsizetype length = 2 + delimiter.size() * qsizetype(cells.size() - 1);
    for (const QString& cell : cells)
        length += cell.size();
    out.resize(start + length);
    char* at = out.data() + start;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) {
            std::memcpy(at, delimiter.constData(), std::size_t(delimiter.size()));
            at += delimiter.size();
        }
        if (!copyAscii(at, cells[c])) {
            out.truncate(start);
            appendEncoded(out, cells, delimiter);
            return true;
        }
        at += cells[c].size();
    }
    std::memcpy(at, "\r\n", 2);
    return true;
}

std::optional<QString> resultsLogLine(const QStringList& cells, const QString& delimiter) {
    QString line = trimText(cells.join(delimiter));
    if (line.isEmpty())
        return std::nullopt;
    return line;
}

} // namespace exec
