// Copying the last statement and the whole results grid into the Log tab.

#include "app/LogEntry.h"
#include "app/paBrindles.h"
#include "exec/DelimitedRows.h"
#include "exec/RunGuard.h"
#include "platform/toolkit/EditorLines.h"
#include "platform/toolkit/StringGridView.h"

#include <QLineEdit>

void TfmBrindle::btLogSQLResultsClick() {
    if (!bLoggedIn || bRunning)
        return;
    const RunGuard running(bRunning);
    bAbort = false;
    if (TabIndex() != 2)
        return;
    const QString delimiter = exec::delimiterFromSeparator(edSeparator->text());
    LogStatement(QStringLiteral("Logging SQL Resultset:"));
    toolkit::EditorLines log(reLog);
    log.Add(QStringLiteral("SQL Submitted:"));
    for (const QString& line : qryDynamic.SQL())
        log.Add(line);
    log.Add(QString());
    log.Add(QStringLiteral("SQL Resultset:"));
    // Lines wait here between pumps: one insertion per slice costs far less than one per row.
    QStringList pending;
    const auto flush = [&] {
        if (!pending.isEmpty())
            log.Add(pending.join(u'\n'));
        pending.clear();
    };
    const toolkit::StringGrid& grid = sgSQL->grid();
    for (int r = 0; r < grid.RowCount(); ++r) {
        if (const std::optional<QString> line =
                exec::resultsLogLine(exec::gridRowCells(grid, r), delimiter))
            pending.append(*line);
        if (pump.Tick())
            flush();
        if (bAbort) {
            flush();
            SetPanelText(1, QStringLiteral("Logging Aborted."));
            log.Add(QStringLiteral("Logging Aborted."));
            log.Add(applog::kSeparatorLine);
            return;
        }
    }
    flush();
    log.Add(applog::kSeparatorLine);
    SetPanelText(1, QStringLiteral("SQL Result Logged to the LOG Tab."));
}
