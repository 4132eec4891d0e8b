#include "exec/StatementText.h"

#include "platform/toolkit/TextRules.h"

namespace exec {

using toolkit::trimText;

bool isCommentLine(const QString& line) {
    return line.startsWith(QStringLiteral("--"));
}

QStringList singleRunLines(const QStringList& editorLines, const QString& selection) {
    if (!selection.isEmpty())
        return {trimText(selection)};
    QStringList lines;
    for (const QString& line : editorLines.mid(0, kMaxRunLines))
        if (!isCommentLine(line))
            lines.append(trimText(line));
    return lines;
}

QStringList lineByLineStatements(const QStringList& editorLines, const QString& selection) {
    const QString chosen = trimText(selection);
    if (!chosen.isEmpty())
        return {chosen};
    QStringList statements;
    for (const QString& line : editorLines.mid(0, kMaxRunLines)) {
        const QString statement = trimText(line);
        if (!isCommentLine(line) && !statement.isEmpty())
            statements.append(statement);
    }
    return statements;
}

} // namespace exec
