// Appending the largest result the results grid can hold, one row at a time, as an
// execution places it: with a view showing the grid against the bare grid model.

#include "platform/toolkit/Pump.h"
#include "platform/toolkit/StringGridView.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kRows = 32767;
constexpr int kCols = 8;

void appendRows(toolkit::StringGrid& grid, toolkit::Pump& pump) {
    for (int row = 1; row <= kRows; ++row) {
        grid.SetRowCount(row + 1);
        for (int col = 0; col < kCols; ++col)
            grid.SetCells(col, row, QString::number(row * kCols + col));
        grid.SetRow(row);
        pump.Tick();
    }
}

void BM_AppendRowsToBareGrid(benchmark::State& state) {
    for (auto _ : state) {
        toolkit::StringGrid grid(kCols, 2);
        toolkit::Pump pump;
        appendRows(grid, pump);
        benchmark::DoNotOptimize(grid.RowCount());
    }
}

void BM_AppendRowsToShownGrid(benchmark::State& state) {
    for (auto _ : state) {
        toolkit::StringGrid grid(kCols, 2);
        toolkit::StringGridView view(&grid);
        view.resize(700, 260);
        view.show();
        toolkit::Pump pump;
        appendRows(grid, pump);
        pump.Now();
        benchmark::DoNotOptimize(grid.RowCount());
    }
}

BENCHMARK(BM_AppendRowsToBareGrid)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AppendRowsToShownGrid)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
