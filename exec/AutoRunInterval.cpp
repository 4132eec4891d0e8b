#include "exec/AutoRunInterval.h"

#include <climits>
#include <optional>

namespace exec {

namespace {

int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Parses the whole number the way the interval box has always read it; nullopt
// when the text is not one. Magnitudes are saturated well past the 32-bit range.
std::optional<qint64> parseWholeNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (text.mid(i, 2).compare(QStringLiteral("0x"), Qt::CaseInsensitive) == 0) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = std::min<qint64>(value * base + digit, qint64(1) << 40);
    }
    return negative ? -value : value;
}

} // namespace

int autoRunIntervalMs(const QString& text) {
    const std::optional<qint64> seconds = parseWholeNumber(text);
    if (!seconds)
        return kDefaultIntervalMs;
    if (*seconds <= 0)
        return 0;
    return int(std::min<qint64>(*seconds * 1000, INT_MAX));
}

} // namespace exec
