#include "platform/db/DriverText.h"

#include "platform/toolkit/TextFile.h"

namespace db {

QString decodeDriverText(const QByteArray& bytes) {
    return toolkit::decodeUtf8OrWindows1252(bytes);
}

} // namespace db
