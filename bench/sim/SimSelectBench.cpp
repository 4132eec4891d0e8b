// Rows per second of a 30,000-row select through the simulated server (parse,
// translate, run, convert every value) against reading the same rows straight
// from SQLite into the same value type.

#include "simulator/SimServer.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

constexpr int kRows = 30000;

// A server file with tempdb..bench holding kRows rows, made once per run.
class BenchServer {
public:
    BenchServer() {
        std::string pattern = (std::filesystem::temp_directory_path() / "simbench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no scratch directory");
        dir_ = pattern;
        path_ = dir_ + "/bench.asesim";
        auto session = sim::SimSession::open("sim:" + path_, "sa", "");
        session->execute("create table tempdb..bench (id int, name varchar(40), amount float, "
                         "stamp datetime)");
        sqlite3* db = nullptr;
        sqlite3_open(path_.c_str(), &db);
        sqlite3_exec(db,
                     "begin; with recursive n(i) as (select 1 union all select i + 1 from n "
                     "where i < 30000) insert into \"tempdb.bench\" select i, 'row number ' || i, "
                     "i * 1.25, '2026-12-11 10:00:00.000' from n; commit;",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ~BenchServer() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    const std::string& path() const { return path_; }

private:
    std::string dir_;
    std::string path_;
};

const BenchServer& server() {
    static const BenchServer instance;
    return instance;
}

const char* const kSelect = "select id, name, amount, stamp from tempdb..bench";

void BM_EngineSelect(benchmark::State& state) {
    auto session = sim::SimSession::open("sim:" + server().path(), "sa", "");
    for (auto _ : state) {
        sim::SimBatchOutcome outcome = session->execute(kSelect);
        if (outcome.error || outcome.results.at(0).rows.size() != std::size_t(kRows))
            state.SkipWithError("the select did not return every row");
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["rows_per_second"] =
        benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_EngineSelect)->Unit(benchmark::kMillisecond);

void BM_SqliteSelect(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open(server().path().c_str(), &db);
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "select id, name, amount, stamp from \"tempdb.bench\"", -1,
                           &statement, nullptr);
        std::vector<std::vector<sim::SimValue>> rows;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<sim::SimValue> row(4);
            row[0].kind = sim::SimValue::Kind::Integer;
            row[0].integer = sqlite3_column_int64(statement, 0);
            row[1].kind = sim::SimValue::Kind::Text;
            row[1].text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 1));
            row[2].kind = sim::SimValue::Kind::Real;
            row[2].real = sqlite3_column_double(statement, 2);
            row[3].kind = sim::SimValue::Kind::DateTime;
            row[3].text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 3));
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(statement);
        if (rows.size() != std::size_t(kRows))
            state.SkipWithError("the select did not return every row");
        benchmark::DoNotOptimize(rows);
    }
    sqlite3_close(db);
    state.counters["rows_per_second"] =
        benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SqliteSelect)->Unit(benchmark::kMillisecond);

} // namespace
