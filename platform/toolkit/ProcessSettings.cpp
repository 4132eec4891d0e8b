#include "platform/toolkit/ProcessSettings.h"

namespace toolkit {

ProcessSettings& processSettings() {
    static ProcessSettings settings;
    return settings;
}

QString formatShortDate(const QDate& date) {
    return date.toString(processSettings().shortDateFormat);
}

QString formatLongTime(const QTime& time) {
    return time.toString(processSettings().longTimeFormat);
}

QString formatDateTime(const QDateTime& value) {
    const QString date = formatShortDate(value.date());
    if (value.time() == QTime(0, 0))
        return date;
    return date + u' ' + formatLongTime(value.time());
}

} // namespace toolkit
