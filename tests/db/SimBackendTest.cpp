// The simulated-server backend: batches of several statements, which the
// SQLite ODBC driver refuses, and the T-SQL forms the other backend lacks.

#include "platform/db/Ado.h"

#include "tests/db/DbErrorText.h"
#include "tests/db/OdbcSandbox.h"

#include <gtest/gtest.h>

using db::AdoConnection;
using db::AdoQuery;
using dbtest::errorOf;

namespace {

class SimBackend : public testing::Test {
protected:
    SimBackend() {
        connection.SetConnectionString(dbtest::aseoledbString("sa", "sim::memory:", ""));
    }

    void open(const QStringList& lines) {
        query.SetSQL(lines);
        query.Open();
    }

    AdoConnection connection;
    AdoQuery query{connection};
};

} // namespace

TEST_F(SimBackend, OpenStandsOnTheFirstResultThatHasColumns) {
    open({"/**/", "print \"before\"", "select 1 as first", "select 2 as second"});
    EXPECT_EQ(query.FieldNames(), QStringList{"first"});
    EXPECT_EQ(query.FieldText(0), "1");
    query.Next();
    EXPECT_TRUE(query.Eof()) << "the later result is not read into this one";
}

TEST_F(SimBackend, ABatchWithoutColumnsRunsButDoesNotOpen) {
    query.SetSQL({"/**/", "print \"only a message\""});
    EXPECT_EQ(errorOf([&] { query.Open(); }), "CommandText does not return a result set");
    EXPECT_EQ(errorOf([&] { query.ExecSQL(); }), "");
}

TEST_F(SimBackend, UnnamedColumnsAndServerDateTimes) {
    open({"/**/", "select 1, 2, convert(datetime, \"2024-03-05 13:14:15\") \"at\","
                  " convert(datetime, \"2024-03-06\") \"day\""});
    EXPECT_EQ(query.FieldNames(), QStringList({"COLUMN1", "COLUMN2", "at", "day"}));
    EXPECT_EQ(query.FieldText("at"), "05/03/2024 13:14:15");
    EXPECT_EQ(query.FieldText("day"), "06/03/2024");
}

TEST_F(SimBackend, AnErrorAnywhereInTheBatchIsThrown) {
    query.SetSQL({"/**/", "select 1 as a", "select * from no_such_table"});
    EXPECT_TRUE(errorOf([&] { query.Open(); }).contains("no_such_table"));
    EXPECT_FALSE(query.Active());
}

TEST_F(SimBackend, EitherProviderReachesTheSimulatedServer) {
    connection.SetConnectionString(dbtest::msdasqlString("sa", "sim::memory:", ""));
    open({"/**/", "select @@spid SPID"});
    EXPECT_FALSE(query.FieldText("SPID").isEmpty());
}
