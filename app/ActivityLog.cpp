#include "app/LogEntry.h"
#include "app/paBrindles.h"
#include "platform/toolkit/EditorLines.h"

#include <QComboBox>

void TfmBrindle::LogStatement(const QString& statement) {
    toolkit::EditorLines log(reLog);
    for (const QString& line : applog::logEntryLines(cbDb->currentText(), clock.Now(), statement))
        log.Add(line);
}
