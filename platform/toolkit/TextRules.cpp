#include "platform/toolkit/TextRules.h"

namespace toolkit {

namespace {
bool isBlankOrControl(QChar c) {
    return c.unicode() <= 0x20;
}
} // namespace

QString trimText(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlankOrControl(text[first]))
        ++first;
    while (last > first && isBlankOrControl(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

QString upperAZ(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    return out;
}

QString lowerAZ(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - 'A' + 'a');
    return out;
}

} // namespace toolkit
