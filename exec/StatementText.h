#pragma once

#include <QString>
#include <QStringList>

// How the SQL editor's text becomes what is sent to the server.
namespace exec {

// Lines and statements of one run are counted in 16 bits.
inline constexpr int kMaxRunLines = 32767;

// A line is a comment when its very first two characters are "--"; blanks in
// front make it an ordinary line.
bool isCommentLine(const QString& line);

// The lines that follow "/**/" in a single run: the trimmed selection as one
// line when something is selected, else every non-comment editor line trimmed
// (empty lines kept).
QStringList singleRunLines(const QStringList& editorLines, const QString& selection);

// The statements of a line-by-line run: the trimmed selection as the only one
// when it is not blank, else every non-comment, non-blank editor line trimmed.
QStringList lineByLineStatements(const QStringList& editorLines, const QString& selection);

} // namespace exec
