#pragma once

#include "platform/toolkit/TextFile.h"

#include <QString>
#include <QStringList>

class QPlainTextEdit;

// The line view of a plain-text editor or memo: a final empty line is not a
// line, a line reads at most 4,096 characters, and a save writes the file in
// the encoding of the editor's last load. The encoding is kept on the editor
// itself, so any EditorLines over the same editor saves it the same way.
namespace toolkit {

class EditorLines {
public:
    static constexpr int kMaxLineLength = 4096;

    explicit EditorLines(QPlainTextEdit* editor) : editor_(editor) {}

    int Count() const;
    QString Line(int index) const;
    // Every line whole, as a save writes them.
    QStringList Lines() const;
    void Add(const QString& line);
    void Clear();
    void SetLines(const QStringList& lines);
    QString SelectedText() const;
    void LoadFromFile(const QString& path);
    void SaveToFile(const QString& path) const;

private:
    QPlainTextEdit* editor_;
};

} // namespace toolkit
