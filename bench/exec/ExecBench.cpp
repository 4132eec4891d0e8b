// The costs of running SQL into the results grid and saving it, each against
// the same work without the grid or the results-file rules: placing the largest
// result against only fetching it, saving it against one buffered write of the
// same bytes, and a small appending run into a long grid against an empty one.
// The longest gap between two pumps while placing is reported as a counter.

#include "app/paBrindles.h"
#include "platform/toolkit/StringGridView.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace {

constexpr int kRows = 32767;
constexpr int kCols = 20;
constexpr int kLongGridRows = 30000;
const QString kSelectAll = QStringLiteral("select * from tempdb..wide order by c1");
const QString kSelectTen = QStringLiteral("select * from tempdb..wide where c1 <= 10 order by c1");

// One window over a simulated server holding a 32,767-row by 20-column table.
struct BenchWindow {
    QTemporaryDir dir;
    toolkit::ScriptedDialogs dialogs;
    toolkit::SystemClock clock;
    TfmBrindle window{dialogs, clock};

    BenchWindow() {
        window.show();
        window.ADOConn.SetConnectionString(
            QStringLiteral("Provider=MSDASQL.1;User ID=sa;Data Source=sim::memory:;Password="));
        window.bLoggedIn = true;
        QStringList columns;
        for (int c = 1; c <= kCols; ++c)
            columns.append(QStringLiteral("c%1 %2").arg(c).arg(c == 1 ? "int" : "varchar(16)"));
        execSQL("create table tempdb..wide (" + columns.join(", ") + ")");
        QString batch;
        for (int r = 1; r <= kRows; ++r) {
            QStringList values{QString::number(r)};
            for (int c = 2; c <= kCols; ++c)
                values.append(QStringLiteral("\"r%1c%2\"").arg(r).arg(c));
            batch += "insert into tempdb..wide values (" + values.join(", ") + ")\n";
            if (r % 500 == 0 || r == kRows) {
                execSQL(batch);
                batch.clear();
            }
        }
    }
    void execSQL(const QString& sql) {
        window.qryDynamic.SetSQL({QStringLiteral("/**/"), sql});
        window.qryDynamic.ExecSQL();
        window.qryDynamic.Close();
    }
    // One press of Execute, failing the benchmark when the run reports an error.
    void run(const QString& sql) {
        window.reSQLs->setPlainText(sql);
        window.btSQLExec->click();
        if (!dialogs.messages.empty())
            throw std::runtime_error(dialogs.messages.back().text.toStdString());
    }
    toolkit::StringGrid& grid() { return window.sgSQL->grid(); }
};

std::unique_ptr<BenchWindow> bench;

BenchWindow& benchWindow() {
    if (!bench)
        bench = std::make_unique<BenchWindow>();
    return *bench;
}

void BM_PlaceLargestResultIntoGrid(benchmark::State& state) {
    BenchWindow& b = benchWindow();
    b.window.cbAppend->setChecked(false);
    // A zero timer fires once per pass of the event loop, so the gaps between its
    // firings are the gaps between the pumps of the row loop. The wait for the
    // server before the first pump is not placing and is left out.
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longestGap = 0;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0)
            longestGap = std::max(longestGap, now - last);
        last = now;
    });
    for (auto _ : state) {
        watch.start();
        clock.start();
        last = -1;
        b.run(kSelectAll);
        watch.stop();
        if (b.grid().RowCount() != kRows + 1)
            state.SkipWithError("the result did not fill the grid");
    }
    state.counters["rows"] = b.grid().RowCount() - 1;
    state.counters["longest_pump_gap_ms"] = double(longestGap) / 1e6;
}

void BM_IterateLargestResultWithoutGrid(benchmark::State& state) {
    BenchWindow& b = benchWindow();
    db::AdoQuery& query = b.window.qryDynamic;
    for (auto _ : state) {
        query.Close();
        query.SetSQL({QStringLiteral("/**/"), kSelectAll});
        query.Open();
        const int columns = query.FieldCount();
        qint64 characters = 0;
        for (; !query.Eof(); query.Next())
            for (int c = 0; c < columns; ++c)
                characters += query.FieldText(c).size();
        query.Close();
        benchmark::DoNotOptimize(characters);
    }
}

// The largest result in the grid, saved once to learn the file's bytes.
QByteArray fillGridAndSaveOnce(BenchWindow& b, const QString& file) {
    b.window.cbAppend->setChecked(false);
    b.run(kSelectAll);
    QFile::remove(file);
    b.window.sResultsFile = file;
    b.window.iSaveFromRow = 0;
    b.window.cbAutoSaveResult->setChecked(true);
    b.window.btSaveSQLRes->click();
    QFile saved(file);
    if (!saved.open(QIODevice::ReadOnly))
        throw std::runtime_error("the results file was not written");
    return saved.readAll();
}

void BM_SaveLargestGridToNewFile(benchmark::State& state) {
    BenchWindow& b = benchWindow();
    const QString file = b.dir.filePath(QStringLiteral("save.xls"));
    const QByteArray bytes = fillGridAndSaveOnce(b, file);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(file);
        b.window.iSaveFromRow = 0;
        state.ResumeTiming();
        b.window.btSaveSQLRes->click();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    b.window.cbAutoSaveResult->setChecked(false);
}

void BM_WriteSameBytesInOneBufferedWrite(benchmark::State& state) {
    BenchWindow& b = benchWindow();
    const QString file = b.dir.filePath(QStringLiteral("plain.xls"));
    const QByteArray bytes = fillGridAndSaveOnce(b, file);
    b.window.cbAutoSaveResult->setChecked(false);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(file);
        state.ResumeTiming();
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            state.SkipWithError("write failed");
        out.close();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Ten rows appended by an automatic run after `existingRows` rows of earlier runs.
void automaticSumRun(benchmark::State& state, int existingRows) {
    BenchWindow& b = benchWindow();
    b.window.cbAppend->setChecked(true);
    b.window.cbKeepTitle->setChecked(true);
    b.window.cbAutoRun->setChecked(true);
    b.window.reSQLs->setPlainText(kSelectTen);
    toolkit::StringGrid& grid = b.grid();
    b.window.bbtClearaResults->click();
    grid.SetColCount(kCols);
    grid.SetRowCount(std::max(existingRows, 2));
    for (int r = 0; r < existingRows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid.SetCells(c, r, QStringLiteral("e%1").arg(r));
    for (auto _ : state) {
        b.window.tmRunSQLTimer();
        state.PauseTiming();
        if (!b.window.cbAutoRun->isChecked())
            state.SkipWithError("the automatic run failed");
        // Drop the appended rows so every run meets the same grid.
        grid.SetRowCount(std::max(existingRows, 2));
        state.ResumeTiming();
    }
    b.window.cbAutoRun->setChecked(false);
}

void BM_SumRunOfTenRowsIntoLongGrid(benchmark::State& state) {
    automaticSumRun(state, kLongGridRows);
}

void BM_SumRunOfTenRowsIntoEmptyGrid(benchmark::State& state) {
    automaticSumRun(state, 0);
}

BENCHMARK(BM_PlaceLargestResultIntoGrid)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_IterateLargestResultWithoutGrid)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SaveLargestGridToNewFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WriteSameBytesInOneBufferedWrite)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SumRunOfTenRowsIntoLongGrid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SumRunOfTenRowsIntoEmptyGrid)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench.reset();
    return 0;
}
