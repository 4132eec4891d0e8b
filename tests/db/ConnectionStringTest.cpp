#include "platform/db/ConnectionString.h"
#include "platform/db/OdbcConnectionString.h"

#include "tests/db/OdbcSandbox.h"

#include <gtest/gtest.h>

using namespace db;

namespace {

struct ParseCase {
    const char* what;
    QString text;
    ConnectionSettings expected;
};

} // namespace

TEST(ConnectionString, ReadsTheStringsTheProgramBuilds) {
    const ParseCase cases[] = {
        {"ODBC bridge",
         dbtest::msdasqlString("sa", "MYDSN", "secret"),
         {"MSDASQL.1", "False", "sa", "MYDSN", "master", "secret"}},
        {"form's initial string",
         initialConnectionString(),
         {"ASEOLEDB.1", "False", "sa", "ASEOLEDB32", "master", ""}},
        {"blanks in values are kept",
         dbtest::aseoledbString(" sa", "ASE1 ", " pw "),
         {"ASEOLEDB.1", "False", " sa", "ASE1 ", "master", " pw "}},
        {"password with keys and separators stays whole",
         dbtest::msdasqlString("sa", "MYDSN", "a;Data Source=evil;{x}=y;"),
         {"MSDASQL.1", "False", "sa", "MYDSN", "master", "a;Data Source=evil;{x}=y;"}},
        {"user with separators of no known key stays whole",
         dbtest::msdasqlString("u;x=y{}", "MYDSN", ""),
         {"MSDASQL.1", "False", "u;x=y{}", "MYDSN", "master", ""}},
        {"keys in any case and with blanks",
         " provider =MSDASQL;DATA SOURCE=d; user id=u;password=p",
         {"MSDASQL", "", "u", "d", "", "p"}},
        {"empty string", "", {}},
    };
    for (const ParseCase& c : cases) {
        const ConnectionSettings got = parseConnectionString(c.text);
        EXPECT_EQ(got.provider, c.expected.provider) << c.what;
        EXPECT_EQ(got.persistSecurityInfo, c.expected.persistSecurityInfo) << c.what;
        EXPECT_EQ(got.userId, c.expected.userId) << c.what;
        EXPECT_EQ(got.dataSource, c.expected.dataSource) << c.what;
        EXPECT_EQ(got.initialCatalog, c.expected.initialCatalog) << c.what;
        EXPECT_EQ(got.password, c.expected.password) << c.what;
    }
}

// Typed values written with adoValue() come back unchanged, whatever separators
// or key names they hold, so no value can move another or add a key.
TEST(ConnectionString, TypedValuesComeBackWholeAndInTheirOwnPlace) {
    const struct {
        QString user, server, password;
    } cases[] = {
        {"sa", "ASE1 ", ""},
        {"u;Data Source=evil", "ASE1", "p"},
        {"sa", "x;Password=stolen", "pw"},
        {"sa", "ASE1", "p;Data Source=evil;{x}=y;"},
        {"{sa}", "}}", "{"},
        {"a=b", "=", "}x{"},
        {"", "", ";"},
    };
    for (const auto& c : cases) {
        const QString text =
            "Provider=MSDASQL.1;Persist Security Info=False;User ID=" + adoValue(c.user) +
            ";Data Source=" + adoValue(c.server) +
            ";Initial Catalog=master;Password=" + adoValue(c.password);
        const ConnectionSettings got = parseConnectionString(text);
        EXPECT_EQ(got.userId, c.user) << text.toStdString();
        EXPECT_EQ(got.dataSource, c.server) << text.toStdString();
        EXPECT_EQ(got.password, c.password) << text.toStdString();
        EXPECT_EQ(got.initialCatalog, "master") << text.toStdString();
    }
    EXPECT_EQ(adoValue("ASE1 "), "ASE1 ") << "values without separators go in as typed";
    EXPECT_EQ(adoValue("a}b;"), "{a}}b;}");
}

TEST(OdbcConnectionString, BracesExactlyTheValuesThatCouldChangeTheString) {
    const struct {
        QString in, out;
    } cases[] = {
        {"plain", "plain"},
        {"in side", "in side"},
        {"", ""},
        {"a;b", "{a;b}"},
        {"a=b", "{a=b}"},
        {"{x", "{{x}"},
        {"a}b", "{a}}b}"},
        {" lead", "{ lead}"},
        {"trail ", "{trail }"},
        {"}};DSN=x", "{}}}};DSN=x}"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(odbcValue(c.in), c.out) << c.in.toStdString();
}

TEST(OdbcConnectionString, MapsEachProvider) {
    const ConnectionSettings settings =
        parseConnectionString(dbtest::aseoledbString("sa", "ASE1", "p;DSN=x"));
    EXPECT_EQ(odbcDataSourceString(settings), "DSN=ASE1;UID=sa;PWD={p;DSN=x};DATABASE=master");
    EXPECT_EQ(odbcAseServerString(settings, "FreeTDS"),
              "DRIVER={FreeTDS};SERVERNAME=ASE1;UID=sa;PWD={p;DSN=x};DATABASE=master;"
              "ClientCharset=UTF-8");
    EXPECT_EQ(odbcDataSourceString(parseConnectionString("Provider=MSDASQL.1;Data Source=D")),
              "DSN=D;UID=;PWD=;DATABASE=master")
        << "the catalogue defaults to master";
}

TEST(OdbcConnectionString, AseDriverNameComesFromTheEnvironment) {
    unsetenv("FARROWDALE_ASE_DRIVER");
    EXPECT_EQ(aseDriverName(), "FreeTDS");
    setenv("FARROWDALE_ASE_DRIVER", "Adaptive Server Enterprise", 1);
    EXPECT_EQ(aseDriverName(), "Adaptive Server Enterprise");
    unsetenv("FARROWDALE_ASE_DRIVER");
}
