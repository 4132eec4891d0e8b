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

struct BracedValue {
    QString value;
    qsizetype end; // just past the closing brace
};

// The braced value starting at `at`, when it is closed and followed by ";" or the end.
std::optional<BracedValue> bracedValueAt(const QString& text, qsizetype at) {
    if (at >= text.size() || text[at] != u'{')
        return std::nullopt;
    QString value;
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        if (text[i] != u'}') {
            value.append(text[i]);
        } else if (i + 1 < text.size() && text[i + 1] == u'}') {
            value.append(u'}');
            ++i;
        } else if (i + 1 == text.size() || text[i + 1] == u';') {
            return BracedValue{value, i + 1};
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

QString adoValue(const QString& value) {
    for (QChar c : value)
        if (c == u';' || c == u'{' || c == u'}' || c == u'=')
            return QStringLiteral("{") +
                   QString(value).replace(QStringLiteral("}"), QStringLiteral("}}")) + u'}';
    return value;
}

ConnectionSettings parseConnectionString(const QString& text) {
    ConnectionSettings settings;
    std::optional<KeyAt> item = keyAt(text, 0);
    if (!item)
        item = nextKey(text, 0);
    while (item) {
        QString& field = settings.*(item->key->field);
        if (const std::optional<BracedValue> braced = bracedValueAt(text, item->valueStart)) {
            field = braced->value;
            item = nextKey(text, braced->end);
            continue;
        }
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
