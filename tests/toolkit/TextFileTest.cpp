#include "platform/toolkit/TextFile.h"
#include "platform/toolkit/EditorLines.h"
#include "platform/toolkit/StringList.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

TEST(TextFile, ByteOrderMarksAndTheirAbsenceChooseTheEncoding) {
    struct Case {
        QByteArray bytes;
        TextEncoding encoding;
        QStringList lines;
    } cases[] = {
        {"a\r\nb\r\n", TextEncoding::Utf8, {"a", "b"}},
        {"\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\n", TextEncoding::Utf8Bom, {QString::fromUtf8("été")}},
        {QByteArray("\xFF\xFE"
                    "a\0\r\0\n\0b\0",
                    10),
         TextEncoding::Utf16LE,
         {"a", "b"}},
        {QByteArray("\xFE\xFF\0a\0\n\0b", 8), TextEncoding::Utf16BE, {"a", "b"}},
        {"caf\xE9 \x80\r\nx", TextEncoding::Windows1252, {QString::fromUtf8("café €"), "x"}},
        {"\xC3\x28", TextEncoding::Windows1252, {QString::fromUtf8("Ã(")}},
        {"", TextEncoding::Utf8, {}},
        {"one\rtwo", TextEncoding::Utf8, {"one", "two"}},
    };
    for (const auto& c : cases) {
        const TextFileContent content = decodeText(c.bytes);
        EXPECT_EQ(content.encoding, c.encoding) << c.bytes.toHex().toStdString();
        EXPECT_EQ(content.lines, c.lines) << c.bytes.toHex().toStdString();
    }
}

TEST(TextFile, ListsSaveInTheEncodingOfTheirLastLoadWithCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    const QByteArray originals[] = {"caf\xE9\n",
                                    "\xEF\xBB\xBF"
                                    "caf\xC3\xA9\n",
                                    QByteArray("\xFF\xFE"
                                               "c\0a\0f\0\xE9\0\n\0",
                                               12)};
    const QByteArray saved[] = {"caf\xE9\r\nnew\r\n",
                                "\xEF\xBB\xBF"
                                "caf\xC3\xA9\r\nnew\r\n",
                                QByteArray("\xFF\xFE"
                                           "c\0a\0f\0\xE9\0\r\0\n\0n\0e\0w\0\r\0\n\0",
                                           24)};
    for (int i = 0; i < 3; ++i) {
        writeAll(path, originals[i]);
        StringList list;
        list.LoadFromFile(path);
        list.Add("new");
        list.SaveToFile(path);
        EXPECT_EQ(readAll(path), saved[i]) << i;
        EXPECT_EQ(list.IndexOf("CAF"), -1);
        EXPECT_EQ(list.IndexOf("NEW"), 1);
    }
}

TEST(TextFile, AFailedSaveLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    EXPECT_THROW(saveTextFile(dir.filePath("missing/x.txt"), {"a"}, TextEncoding::Utf8),
                 std::runtime_error);
    EXPECT_THROW(loadTextFile(dir.filePath("none.txt")), std::runtime_error);
}

TEST(EditorLines, CountReadAddAndCap) {
    QPlainTextEdit editor;
    EditorLines lines(&editor);
    EXPECT_EQ(lines.Count(), 0);
    lines.Add("first");
    lines.Add("second");
    EXPECT_EQ(editor.toPlainText(), "first\nsecond");
    editor.setPlainText("a\nb\n");
    EXPECT_EQ(lines.Count(), 2);
    lines.Add("c");
    EXPECT_EQ(editor.toPlainText(), "a\nb\nc");
    editor.setPlainText(QString(5000, u'y'));
    EXPECT_EQ(lines.Line(0).size(), EditorLines::kMaxLineLength);
    EXPECT_EQ(lines.Lines()[0].size(), 5000);
}

TEST(TextFile, ACodePageFileKeepsTextTheCodePageCannotHold) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cp.txt");
    saveTextFile(path, {QString::fromUtf8("café €")}, TextEncoding::Windows1252);
    EXPECT_EQ(readAll(path), QByteArray("caf\xE9 \x80\r\n"));
    const QStringList beyond = {QString::fromUtf8("café → ü"), QString::fromUtf8("日本")};
    saveTextFile(path, beyond, TextEncoding::Windows1252);
    EXPECT_EQ(loadTextFile(path).lines, beyond);
}
