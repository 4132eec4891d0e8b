#pragma once

#include <QString>

// Text rules shared by every subsystem: trimming drops blanks and control
// characters (anything up to U+0020) at both ends; case conversion touches
// only the ASCII letters, so accented letters and digits stay as typed.
namespace toolkit {

QString trimText(const QString& text);
QString upperAZ(const QString& text);
QString lowerAZ(const QString& text);

} // namespace toolkit
