#pragma once

#include <QDateTime>
#include <QString>

// The process-wide formats every date-time to text conversion follows unless it
// names its own: day/month/year dates and a 24-hour long time, as the window sets
// them at each activation. Tests may set other values.
namespace toolkit {

struct ProcessSettings {
    QString shortDateFormat = QStringLiteral("dd/MM/yyyy");
    QString longTimeFormat = QStringLiteral("hh:mm:ss");
    QChar dateSeparator = u'/';
    QChar timeSeparator = u':';
    QChar decimalSeparator = u'.';
};

ProcessSettings& processSettings();

QString formatShortDate(const QDate& date);
QString formatLongTime(const QTime& time);
// Date, a blank and the long time; the time is left out at exactly midnight.
QString formatDateTime(const QDateTime& value);

} // namespace toolkit
