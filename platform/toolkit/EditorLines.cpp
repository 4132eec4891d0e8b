#include "platform/toolkit/EditorLines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace toolkit {

int EditorLines::Count() const {
    const QTextDocument* doc = editor_->document();
    const int blocks = doc->blockCount();
    return doc->lastBlock().text().isEmpty() ? blocks - 1 : blocks;
}

QString EditorLines::Line(int index) const {
    return editor_->document()->findBlockByNumber(index).text().left(kMaxLineLength);
}

QStringList EditorLines::Lines() const {
    QStringList lines;
    const int count = Count();
    for (int i = 0; i < count; ++i)
        lines.append(editor_->document()->findBlockByNumber(i).text());
    return lines;
}

void EditorLines::Add(const QString& line) {
    QTextCursor cursor(editor_->document());
    cursor.movePosition(QTextCursor::End);
    const bool lastLineHoldsText = !editor_->document()->lastBlock().text().isEmpty();
    cursor.insertText(lastLineHoldsText ? u'\n' + line : line);
}

void EditorLines::Clear() {
    editor_->clear();
}

void EditorLines::SetLines(const QStringList& lines) {
    editor_->setPlainText(lines.join(u'\n'));
}

QString EditorLines::SelectedText() const {
    return editor_->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

void EditorLines::LoadFromFile(const QString& path) {
    const TextFileContent content = loadTextFile(path);
    SetLines(content.lines);
    encoding_ = content.encoding;
}

void EditorLines::SaveToFile(const QString& path) const {
    saveTextFile(path, Lines(), encoding_);
}

} // namespace toolkit
