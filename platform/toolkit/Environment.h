#pragma once

#include <QString>

// Where the program keeps its files on this platform.
namespace toolkit {

// The user's temporary directory: $TEMP when it is set, else a private
// per-user directory <TMPDIR or /tmp>/farrowdale-<uid>, created with mode 0700.
QString temporaryDirectory();

// The program file's path with a four-character extension such as ".exe"
// removed; a name without one is kept whole. Markers and templates hang off it.
QString programFileStem(const QString& programFile);

} // namespace toolkit
