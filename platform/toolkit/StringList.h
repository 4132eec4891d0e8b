#pragma once

#include "platform/toolkit/TextFile.h"

#include <QStringList>

// A plain list of strings that remembers the encoding of its last load, so a
// save writes the file back the way it was read. Lookups ignore letter case.
namespace toolkit {

class StringList {
public:
    QStringList Lines;

    void Clear() { Lines.clear(); }
    void Add(const QString& line) { Lines.append(line); }
    int Count() const { return int(Lines.size()); }
    int IndexOf(const QString& text) const;
    void LoadFromFile(const QString& path);
    void SaveToFile(const QString& path) const;

private:
    TextEncoding encoding_ = TextEncoding::Utf8;
};

} // namespace toolkit
