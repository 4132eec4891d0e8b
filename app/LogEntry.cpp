#include "app/LogEntry.h"

#include "platform/toolkit/TextRules.h"

namespace applog {

QString logStamp(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    const QString stamp = QStringLiteral("[%1/%2/%3 %4:%5:%6]")
                              .arg(d.day())
                              .arg(d.month())
                              .arg(d.year())
                              .arg(t.hour())
                              .arg(t.minute())
                              .arg(t.second());
    return stamp.leftJustified(21, u' ');
}

QStringList logEntryLines(const QString& server, const QDateTime& when, const QString& statement) {
    if (statement.startsWith(QStringLiteral("--")))
        return {};
    return {QStringLiteral("Server: ") + server + QStringLiteral("; Time: ") + logStamp(when),
            toolkit::trimText(statement), kSeparatorLine};
}

} // namespace applog
