// The ODBC backend through the real unixODBC driver manager, against the
// SQLite ODBC driver and FreeTDS in a private set-up.

#include "platform/db/Ado.h"
#include "platform/db/OdbcDriver.h"

#include "tests/db/DbErrorText.h"
#include "tests/db/OdbcSandbox.h"

#include <gtest/gtest.h>

using db::AdoConnection;
using db::AdoQuery;
using dbtest::errorOf;

namespace {

class OdbcBackend : public testing::Test {
protected:
    OdbcBackend() {
        dbtest::odbcSandboxDirectory();
        connection.SetConnectionString(dbtest::msdasqlString("sa", dbtest::sqliteDataSource, ""));
    }

    void exec(const QString& sql) {
        query.SetSQL({"/**/", sql});
        query.ExecSQL();
    }

    void open(const QString& sql) {
        query.SetSQL({"/**/", sql});
        query.Open();
    }

    AdoConnection connection;
    AdoQuery query{connection};
};

} // namespace

TEST_F(OdbcBackend, DateAndTimeColumnsReadInTheProcessFormats) {
    exec("drop table if exists stamps");
    exec("create table stamps (at timestamp, day date, clock time)");
    exec("insert into stamps values ('2024-03-05 13:14:15', '2024-03-05', '07:08:09')");
    exec("insert into stamps values ('2024-03-06 00:00:00', '2024-03-06', null)");
    open("select at, day, clock from stamps order by at");
    EXPECT_EQ(query.FieldText("at"), "05/03/2024 13:14:15");
    EXPECT_EQ(query.FieldText("day"), "05/03/2024");
    EXPECT_EQ(query.FieldText("clock"), "07:08:09");
    query.Next();
    EXPECT_EQ(query.FieldText("at"), "06/03/2024");
    EXPECT_EQ(query.FieldText("day"), "06/03/2024");
    EXPECT_EQ(query.FieldText("clock"), "");
}

TEST_F(OdbcBackend, NumbersAndBinaryFromTypedColumns) {
    exec("drop table if exists typed");
    exec("create table typed (r double, i integer, b blob)");
    exec("insert into typed values (0.1, 9007199254740993, x'00ff10ab')");
    exec("insert into typed values (1e20, null, null)");
    open("select r, i, b from typed order by r");
    EXPECT_EQ(QStringList({query.FieldText(0), query.FieldText(1), query.FieldText(2)}),
              QStringList({"0.1", "9007199254740993", "0x00FF10AB"}));
    query.Next();
    EXPECT_EQ(QStringList({query.FieldText(0), query.FieldText(1), query.FieldText(2)}),
              QStringList({"1e+20", "", ""}));
}

TEST_F(OdbcBackend, AStatementWithoutRowsRunsButDoesNotOpen) {
    exec("drop table if exists plain");
    query.SetSQL({"/**/", "create table plain (a int)"});
    EXPECT_EQ(errorOf([&] { query.Open(); }), "CommandText does not return a result set");
    EXPECT_FALSE(query.Active());
    open("select count(*) as n from plain");
    EXPECT_EQ(query.FieldText("n"), "0") << "the statement ran although it opened nothing";
}

TEST_F(OdbcBackend, LongValuesArriveWhole) {
    exec("drop table if exists big");
    exec("create table big (t text, b blob)");
    exec("insert into big values (replace(hex(zeroblob(50000)), '0', 'é') || 'end', "
         "cast(zeroblob(70000) || x'ff' as blob))");
    open("select t, b from big");
    const QString text = query.FieldText("t");
    EXPECT_EQ(text.size(), 100003);
    EXPECT_EQ(text.count(QChar(u'é')), 100000);
    EXPECT_TRUE(text.endsWith("end"));
    const QString bytes = query.FieldText("b");
    EXPECT_EQ(bytes.size(), 2 + 2 * 70001);
    EXPECT_TRUE(bytes.endsWith("00FF"));
}

TEST_F(OdbcBackend, TextThatIsNotUtf8BecomesReadable) {
    open("select cast(x'48e96c6c6f' as text) as latin, cast(x'80' as text) as euro, "
         "'caf' || char(233) as utf8");
    EXPECT_EQ(query.FieldText("latin"), QString::fromUtf8("Héllo"));
    EXPECT_EQ(query.FieldText("euro"), QString::fromUtf8("€"));
    EXPECT_EQ(query.FieldText("utf8"), QString::fromUtf8("café"));
}

TEST_F(OdbcBackend, AnUnknownDataSourceFailsWithTheDriverManagersText) {
    connection.SetConnectionString(dbtest::msdasqlString("sa", "no_such_dsn", ""));
    const QString error = errorOf([&] { open("select 1 as a"); });
    EXPECT_TRUE(error.contains("Data source name not found")) << error.toStdString();
    EXPECT_FALSE(connection.Connected());
}

TEST_F(OdbcBackend, ARefusedStatementCarriesTheDriversText) {
    const QString error = errorOf([&] { open("selec 1"); });
    EXPECT_TRUE(error.contains("syntax error")) << error.toStdString();
}

// A login name or password may hold any of ";{}=" and still reach the driver
// as one value; the same text spliced in raw would switch the data source.
TEST_F(OdbcBackend, ValuesWithSeparatorsCannotChangeTheConnection) {
    const QString password = "x};DSN=no_such_dsn;{";
    connection.SetConnectionString(
        dbtest::msdasqlString("u;DSN=no_such_dsn=", dbtest::sqliteDataSource, password));
    open("select 1 as a");
    EXPECT_EQ(query.FieldText("a"), "1");

    const QString raw = QStringLiteral("DSN=%1;UID=sa;PWD=%2;DATABASE=master")
                            .arg(dbtest::sqliteDataSource, password);
    EXPECT_TRUE(errorOf([&] { db::connectOdbc(raw); }).contains("Data source name not found"))
        << "the unbraced string is the fault the braces prevent";
}

TEST_F(OdbcBackend, AnUnreachableServerFailsWithAClearMessage) {
    for (const QString& server : {QStringLiteral("no-such-ase-server.invalid"),
                                  QString::fromLatin1(dbtest::refusingServer)}) {
        connection.SetConnectionString(dbtest::aseoledbString("sa", server, "pw"));
        const QString error = errorOf([&] { open("select 1 as a"); });
        EXPECT_TRUE(error.contains("Unable to connect")) << error.toStdString();
        EXPECT_FALSE(connection.Connected());
    }
}

// The driver's own timeout does not end this login (it keeps retrying its
// logout); the connect gives up at the login timeout all the same. Takes that long.
TEST_F(OdbcBackend, AServerThatNeverAnswersFailsAtTheLoginTimeout) {
    connection.SetConnectionString(dbtest::aseoledbString("sa", dbtest::silentServer, "pw"));
    const QString error = errorOf([&] { open("select 1 as a"); });
    EXPECT_TRUE(error.contains("timeout", Qt::CaseInsensitive)) << error.toStdString();
    EXPECT_FALSE(connection.Connected());
}

TEST_F(OdbcBackend, AnUnknownProviderIsRefused) {
    connection.SetConnectionString("Provider=SQLOLEDB.1;Data Source=x");
    EXPECT_TRUE(errorOf([&] { open("select 1 as a"); }).contains("SQLOLEDB.1"));
}
