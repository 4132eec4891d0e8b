#pragma once

// Bytes a driver or server hands over as text (cells, column names, messages).
// Valid UTF-8 is read as UTF-8; anything else is read as Windows-1252, so a
// server sending an 8-bit code page still gives readable text and never fails.

#include <QByteArray>
#include <QString>

namespace db {

QString decodeDriverText(const QByteArray& bytes);

} // namespace db
