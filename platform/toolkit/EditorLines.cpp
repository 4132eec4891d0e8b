#include "platform/toolkit/EditorLines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace toolkit {

namespace {
constexpr char kEncodingProperty[] = "toolkitTextEncoding";
}

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
    // An empty line needs a line break after it, or it would read as the final empty line
    // that Count leaves out.
    cursor.insertText((lastLineHoldsText ? QStringLiteral("\n") : QString()) + line +
                      (line.isEmpty() ? QStringLiteral("\n") : QString()));
}

void EditorLines::Clear() {
    editor_->clear();
}

void EditorLines::SetLines(const QStringList& lines) {
    const bool endsEmpty = !lines.isEmpty() && lines.last().isEmpty();
    editor_->setPlainText(lines.join(u'\n') + (endsEmpty ? QStringLiteral("\n") : QString()));
}

QString EditorLines::SelectedText() const {
    return editor_->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

void EditorLines::LoadFromFile(const QString& path) {
    const TextFileContent content = loadTextFile(path);
    SetLines(content.lines);
    editor_->setProperty(kEncodingProperty, int(content.encoding));
}

void EditorLines::SaveToFile(const QString& path) const {
    const QVariant loaded = editor_->property(kEncodingProperty);
    saveTextFile(path, Lines(),
                 loaded.isValid() ? TextEncoding(loaded.toInt()) : TextEncoding::Utf8);
}

} // namespace toolkit
