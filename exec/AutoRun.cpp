// Running the SQL window by itself every few seconds.

#include "app/paBrindles.h"
#include "exec/AutoRunInterval.h"
#include "platform/toolkit/ProcessSettings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

void TfmBrindle::tmRunSQLTimer() {
    try {
        if (cbAutoRun->isChecked()) {
            btSQLExec->click();
            SetPanelText(0, QStringLiteral("ET: ") + toolkit::formatLongTime(clock.Now().time()));
        }
        if (cbAutoSaveResult->isChecked())
            btSaveSQLRes->click();
    } catch (const std::exception&) {
        // A failing tick is dropped; the next one tries again.
    }
}

void TfmBrindle::edIntervalChange() {
    const int interval = exec::autoRunIntervalMs(edInterval->text());
    if (interval == 0) {
        tmRunSQL->stop(); // a zero or negative period stops the runs
        return;
    }
    tmRunSQL->start(interval);
}
