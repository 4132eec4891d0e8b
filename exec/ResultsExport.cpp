// Writing the results grid into the delimited results file, a few rows at a
// time: each save appends the rows that arrived since the one before.

#include "app/paBrindles.h"
#include "exec/DelimitedRows.h"
#include "exec/ResultsFileSave.h"
#include "exec/RunGuard.h"
#include "platform/toolkit/ProcessSettings.h"
#include "platform/toolkit/StringGridView.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

std::optional<QString> TfmBrindle::AskResultsFile() {
    return dialogs.SaveFile(QDir::currentPath(), QStringLiteral("*.xls"));
}

void TfmBrindle::btSaveSQLResClick() {
    if (!bLoggedIn || bRunning)
        return;
    const QString delimiter = exec::delimiterFromSeparator(edSeparator->text());
    if (sResultsFile.isEmpty() || !cbAutoSaveResult->isChecked()) {
        if (const std::optional<QString> chosen = AskResultsFile()) {
            // Choosing the same file again resumes where the last save stopped.
            if (*chosen != sResultsFile)
                iSaveFromRow = 0;
            sResultsFile = *chosen;
        }
    }
    if (!sResultsFile.isEmpty())
        SaveResults(sResultsFile, delimiter, sgSQL->grid());
}

void TfmBrindle::cbAutoSaveResultClick(bool checked) {
    if (!checked)
        return;
    if (sResultsFile.isEmpty())
        if (const std::optional<QString> chosen = AskResultsFile())
            sResultsFile = *chosen;
    SetPanelText(1, QStringLiteral("Results file is ") + sResultsFile);
}

void TfmBrindle::SaveResults(const QString& fileName, const QString& delimiter,
                             toolkit::StringGrid& grid) {
    {
        const RunGuard running(bRunning);
        bAbort = false;
        const exec::ResultsSaveHooks hooks{
            [this](bool appending) {
                SetPanelText(2,
                             appending ? QStringLiteral("Appending") : QStringLiteral("New File"));
                // Only the status bar changed: drawing just it keeps a small save cheap.
                sbStatus[2]->repaint();
            },
            [this](int row, int rowCount) {
                if (pump.Tick())
                    SetPanelText(1,
                                 QStringLiteral("Written row: %1 of %2...").arg(row).arg(rowCount));
                return bAbort;
            }};
        const exec::ResultsSaveOutcome outcome =
            exec::appendResultsRows(fileName, delimiter, grid, iSaveFromRow, hooks);
        iSaveFromRow = outcome.nextRow;
        if (outcome.error) {
            SetPanelText(1, QStringLiteral("SaveToFile Error: ") + *outcome.error);
            return;
        }
        SetPanelText(1, QStringLiteral("[ET: ") + toolkit::formatLongTime(clock.Now().time()) +
                            QStringLiteral("] Data Saved to ") + fileName);
        sbStatus[1]->repaint();
    }
    if (cbAutoSaveResult->isChecked())
        return;
    const QString question =
        QStringLiteral("Performance Data Saved to ") + fileName + QStringLiteral("\r\nOpen File?");
    if (dialogs.MessageBox(toolkit::MsgKind::Confirmation, question, toolkit::MsgButtons::YesNo) ==
        toolkit::MsgResult::Yes)
        dialogs.ShellOpen(fileName);
}
