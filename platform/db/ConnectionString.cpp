#include "platform/db/ConnectionString.h"

#include <optional>

namespace db {

namespace {

struct Key {
    const char* name;
    QString ConnectionSettings::*field;
};

constexpr Key keys[] = {
    {"Provider", &ConnectionSettings::provider},
    {"Persist Security Info", &ConnectionSettings::persistSecurityInfo},
    {"User ID", &ConnectionSettings::userId},
    {"Data Source", &ConnectionSettings::dataSource},
    {"Initial Catalog", &ConnectionSettings::initialCatalog},
    {"Password", &ConnectionSettings::password},
};

struct KeyAt {
    const Key* key;
    qsizetype itemStart;
    qsizetype valueStart;
};

qsizetype skipBlanks(const QString& text, qsizetype at) {
    while (at < text.size() && text[at].isSpace())
        ++at;
    return at;
}

// A known key followed by "=" beginning at `at` (blanks allowed around the key).
std::optional<KeyAt> keyAt(const QString& text, qsizetype at) {
    const qsizetype nameStart = skipBlanks(text, at);
    for (const Key& key : keys) {
        const QLatin1StringView name(key.name);
        if (!QStringView(text).mid(nameStart).startsWith(name, Qt::CaseInsensitive))
            continue;
        const qsizetype equals = skipBlanks(text, nameStart + name.size());
        if (equals < text.size() && text[equals] == u'=')
            return KeyAt{&key, at, equals + 1};
    }
    return std::nullopt;
}

std::optional<KeyAt> nextKey(const QString& text, qsizetype from) {
    for (qsizetype semicolon = text.indexOf(u';', from); semicolon >= 0;
         semicolon = text.indexOf(u';', semicolon + 1))
        if (auto key = keyAt(text, semicolon + 1))
            return key;
    return std::nullopt;
}

} // namespace

ConnectionSettings parseConnectionString(const QString& text) {
    ConnectionSettings settings;
    std::optional<KeyAt> item = keyAt(text, 0);
    if (!item)
        item = nextKey(text, 0);
    while (item) {
        QString& field = settings.*(item->key->field);
        if (item->key->field == &ConnectionSettings::password) {
            field = text.mid(item->valueStart);
            break;
        }
        const std::optional<KeyAt> next = nextKey(text, item->valueStart);
        qsizetype end = next ? next->itemStart - 1 : text.size();
        if (!next && text.endsWith(u';'))
            --end;
        field = text.mid(item->valueStart, std::max(end - item->valueStart, qsizetype(0)));
        item = next;
    }
    return settings;
}

QString initialConnectionString() {
    return QStringLiteral("Provider=ASEOLEDB.1;Persist Security Info=False;User ID=sa;"
                          "Data Source=ASEOLEDB32;Initial Catalog=master;");
}

} // namespace db
