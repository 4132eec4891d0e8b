#include "platform/toolkit/TextFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <stdexcept>

namespace toolkit {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unused codes map to themselves.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

// The code-page byte of a character, or -1 when the code page has none.
int cp1252Byte(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t k = 0; k < kCp1252High.size(); ++k)
        if (kCp1252High[k] == u)
            return int(0x80 + k);
    return -1;
}

bool fitsCp1252(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return cp1252Byte(c.unicode()) >= 0; });
}

QByteArray encodeCp1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const int byte = cp1252Byte(c.unicode());
        bytes.append(byte < 0 ? '?' : char(byte));
    }
    return bytes;
}

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

QStringList splitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(u'\r', u'\n');
    QStringList lines = unified.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

TextFileContent decodeText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return {splitLines(decodeWith(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3))),
                TextEncoding::Utf8Bom};
    if (bytes.startsWith("\xFF\xFE"))
        return {splitLines(decodeWith(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2))),
                TextEncoding::Utf16LE};
    if (bytes.startsWith("\xFE\xFF"))
        return {splitLines(decodeWith(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2))),
                TextEncoding::Utf16BE};
    if (isValidUtf8(bytes))
        return {splitLines(QString::fromUtf8(bytes)), TextEncoding::Utf8};
    return {splitLines(decodeCp1252(bytes)), TextEncoding::Windows1252};
}

QString decodeUtf8OrWindows1252(const QByteArray& bytes) {
    return isValidUtf8(bytes) ? QString::fromUtf8(bytes) : decodeCp1252(bytes);
}

namespace {

QByteArray byteOrderMark(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return "\xEF\xBB\xBF";
    case TextEncoding::Utf16LE:
        return "\xFF\xFE";
    case TextEncoding::Utf16BE:
        return "\xFE\xFF";
    case TextEncoding::Utf8:
    case TextEncoding::Windows1252:
        break;
    }
    return {};
}

QByteArray encodeBody(const QString& text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16LE:
        return QStringEncoder(QStringConverter::Utf16LE).encode(text);
    case TextEncoding::Utf16BE:
        return QStringEncoder(QStringConverter::Utf16BE).encode(text);
    case TextEncoding::Windows1252:
        return encodeCp1252(text);
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        break;
    }
    return text.toUtf8();
}

QString crLfLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

[[noreturn]] void throwFileError(const QString& what, const QString& path, const QString& reason) {
    throw std::runtime_error(QStringLiteral("%1 \"%2\". %3")
                                 .arg(what, QDir::toNativeSeparators(path), reason)
                                 .toStdString());
}

} // namespace

QByteArray encodeText(const QString& text, TextEncoding encoding) {
    return byteOrderMark(encoding) + encodeBody(text, encoding);
}

TextFileContent loadTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throwFileError(QStringLiteral("Cannot open file"), path, file.errorString());
    return decodeText(file.readAll());
}

void saveTextFile(const QString& path, const QStringList& lines, TextEncoding encoding) {
    QSaveFile file(path);
    const QString text = crLfLines(lines);
    // A character the code page cannot hold would be written as "?" and lost; the whole file
    // goes out as UTF-8 instead, which the next load recognises.
    if (encoding == TextEncoding::Windows1252 && !fitsCp1252(text))
        encoding = TextEncoding::Utf8;
    const QByteArray bytes = encodeText(text, encoding);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throwFileError(QStringLiteral("Cannot create file"), path, file.errorString());
}

void appendTextFile(const QString& path, const QStringList& lines, TextEncoding encoding) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throwFileError(QStringLiteral("Cannot open file"), path, file.errorString());
    QByteArray bytes = encodeBody(crLfLines(lines), encoding);
    if (file.size() == 0)
        bytes.prepend(byteOrderMark(encoding));
    if (file.write(bytes) != bytes.size() || !file.flush())
        throwFileError(QStringLiteral("Cannot write file"), path, file.errorString());
}

} // namespace toolkit
