#include "platform/toolkit/StringList.h"

namespace toolkit {

int StringList::IndexOf(const QString& text) const {
    for (int i = 0; i < Count(); ++i)
        if (Lines[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void StringList::LoadFromFile(const QString& path) {
    TextFileContent content = loadTextFile(path);
    Lines = std::move(content.lines);
    encoding_ = content.encoding;
}

void StringList::SaveToFile(const QString& path) const {
    saveTextFile(path, Lines, encoding_);
}

} // namespace toolkit
