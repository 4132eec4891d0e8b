#pragma once

#include <QString>
#include <QStringList>

// Plain text files as the program reads and writes them: a byte-order mark
// chooses UTF-8 or UTF-16; without one, valid UTF-8 is UTF-8 and anything else
// the Windows-1252 code page. Lines are written with CR LF. Whole-file writes go
// through a temporary file renamed over the target, so a failure never leaves
// half a file behind.
namespace toolkit {

enum class TextEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

struct TextFileContent {
    QStringList lines;
    TextEncoding encoding = TextEncoding::Utf8;
};

TextFileContent decodeText(const QByteArray& bytes);
// Valid UTF-8 as UTF-8, anything else as Windows-1252: readable text from any bytes.
QString decodeUtf8OrWindows1252(const QByteArray& bytes);
QByteArray encodeText(const QString& text, TextEncoding encoding);

// Throw std::runtime_error naming the file and the system's reason.
TextFileContent loadTextFile(const QString& path);
void saveTextFile(const QString& path, const QStringList& lines, TextEncoding encoding);
// Adds lines at the end of a file, creating it when missing; a byte-order mark
// is written only at the start of a new or empty file.
void appendTextFile(const QString& path, const QStringList& lines, TextEncoding encoding);

} // namespace toolkit
