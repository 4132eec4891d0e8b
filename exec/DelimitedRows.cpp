#include "exec/DelimitedRows.h"

#include "platform/toolkit/TextRules.h"

namespace exec {

using toolkit::trimText;

QString delimiterFromSeparator(const QString& separatorText) {
    const QString delimiter = trimText(separatorText);
    return delimiter.isEmpty() ? QStringLiteral(",") : delimiter;
}

std::optional<QString> resultsFileLine(const QStringList& cells, const QString& delimiter) {
    if (trimText(cells.join(QString())).isEmpty())
        return std::nullopt;
    return cells.join(delimiter);
}

std::optional<QString> resultsLogLine(const QStringList& cells, const QString& delimiter) {
    QString line = trimText(cells.join(delimiter));
    if (line.isEmpty())
        return std::nullopt;
    return line;
}

} // namespace exec
