// The behaviours both backends share, from one table of statements whose
// dialects agree, run against the SQLite ODBC driver and the simulated server.

#include "platform/db/Ado.h"

#include "tests/db/OdbcSandbox.h"

#include <gtest/gtest.h>

using db::AdoConnection;
using db::AdoQuery;
using db::DbError;

namespace {

struct Backend {
    const char* name;
    QString connectionString;
};

Backend odbcBackend() {
    dbtest::odbcSandboxDirectory();
    return {"odbc", dbtest::msdasqlString("sa", dbtest::sqliteDataSource, "")};
}

Backend simulatorBackend() {
    return {"simulator", dbtest::msdasqlString("sa", "sim::memory:", "")};
}

void PrintTo(const Backend& backend, std::ostream* out) {
    *out << backend.name;
}

class BackendCases : public testing::TestWithParam<Backend> {
protected:
    BackendCases() { connection.SetConnectionString(GetParam().connectionString); }

    void open(const QString& sql) {
        query.SetSQL({"/**/", sql});
        query.Open();
    }

    QStringList row() const {
        QStringList texts;
        for (int i = 0; i < query.FieldCount(); ++i)
            texts.append(query.FieldText(i));
        return texts;
    }

    AdoConnection connection;
    AdoQuery query{connection};
};

struct ResultCase {
    const char* sql;
    QStringList names;
    QStringList firstRow;
};

} // namespace

TEST_P(BackendCases, ResultsReadAsText) {
    const ResultCase cases[] = {
        {"select 1 as a, 2 as a, 3 as a", {"a", "a_1", "a_2"}, {"1", "2", "3"}},
        {"select 1 as a_1, 2 as a, 3 as A", {"a_1", "a", "A_2"}, {"1", "2", "3"}},
        {"select null as n, 'x' as t", {"n", "t"}, {"", "x"}},
        {"select -12 as i, 0.5 as r", {"i", "r"}, {"-12", "0.5"}},
    };
    for (const ResultCase& c : cases) {
        open(c.sql);
        EXPECT_EQ(query.FieldNames(), c.names) << c.sql;
        EXPECT_EQ(query.FieldCount(), c.names.size()) << c.sql;
        ASSERT_FALSE(query.Eof()) << c.sql;
        EXPECT_EQ(row(), c.firstRow) << c.sql;
        query.Next();
        EXPECT_TRUE(query.Eof()) << c.sql;
    }
}

TEST_P(BackendCases, FieldsAreFoundByNameInAnyCase) {
    open("select 1 as SPID, 2 as other");
    EXPECT_EQ(query.FieldText("spid"), "1");
    EXPECT_EQ(query.FieldIndex("OTHER"), 1);
    try {
        query.FieldIndex("missing");
        FAIL() << "no error";
    } catch (const DbError& error) {
        EXPECT_EQ(error.text(), "Field 'missing' not found");
    }
}

TEST_P(BackendCases, ThereIsNoCurrentRowPastTheEnd) {
    open("select 1 as a");
    query.Next();
    ASSERT_TRUE(query.Eof());
    EXPECT_THROW(query.FieldText(0), DbError);
    query.Next();
    EXPECT_TRUE(query.Eof());
}

TEST_P(BackendCases, ARefusedStatementThrowsTheServersText) {
    query.SetSQL({"/**/", "select * from no_such_table"});
    try {
        query.Open();
        FAIL() << "no error";
    } catch (const DbError& error) {
        EXPECT_TRUE(error.text().contains("no_such_table")) << error.what();
    }
    EXPECT_FALSE(query.Active());
    EXPECT_TRUE(connection.Connected()) << "a refused statement keeps the connection";
    open("select 1 as a");
    EXPECT_EQ(query.FieldText(0), "1");
}

TEST_P(BackendCases, ClosingTheConnectionOrChangingTheTextClosesTheQuery) {
    open("select 1 as a");
    connection.Close();
    EXPECT_FALSE(query.Active());
    EXPECT_TRUE(query.Eof());
    EXPECT_EQ(query.FieldCount(), 0);
    EXPECT_FALSE(connection.Connected());

    open("select 1 as a");
    EXPECT_TRUE(connection.Connected()) << "opening the query connects again";
    query.AddSQL("select 2 as b");
    EXPECT_FALSE(query.Active());
    EXPECT_EQ(query.CommandText(), "/**/\r\nselect 1 as a\r\nselect 2 as b");
}

INSTANTIATE_TEST_SUITE_P(Backends, BackendCases, testing::Values(odbcBackend(), simulatorBackend()),
                         [](const auto& info) { return std::string(info.param.name); });
