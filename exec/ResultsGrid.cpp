// What the user does with the results grid itself: the current row, the
// right-click menu, the search and the clear.

#include "app/paBrindles.h"
#include "exec/ResultsPopup.h"
#include "exec/ResultsSearch.h"
#include "platform/toolkit/EditorLines.h"
#include "platform/toolkit/StringGridView.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

void TfmBrindle::sgSQLClick() {
    SetPanelText(2, QStringLiteral("At row: ") + QString::number(sgSQL->grid().Row()));
}

void TfmBrindle::sgSQLMouseDown(Qt::MouseButton button, int x, int y) {
    if (button != Qt::RightButton)
        return;
    const toolkit::StringGrid& grid = sgSQL->grid();
    const exec::ResultsPopupState state =
        exec::resultsPopupState(grid.Cells(grid.Col(), 0), grid.Cells(grid.Col(), grid.Row()),
                                edUser->text(), cbLC->isChecked());
    sSPID = state.spid;
    AddtoSQL1->setText(state.addColCaption);
    AddtoSQL1->setEnabled(state.addColEnabled);
    ShowPlan1->setText(state.showPlanCaption);
    ShowPlan1->setEnabled(state.showPlanEnabled);
    KillSpid1->setText(state.killCaption);
    KillSpid1->setEnabled(state.killAndStackEnabled);
    ShowStack1->setText(state.showStackCaption);
    ShowStack1->setEnabled(state.killAndStackEnabled);
    // The window's own screen corner plus the grid's place in its panel, as the menu has always
    // opened.
    const QPoint at(frameGeometry().left() + sgSQL->x() + x + 10,
                    frameGeometry().top() + sgSQL->y() + y);
    dialogs.Popup(*popResults, at);
}

void TfmBrindle::AddtoSQL1Click() {
    const toolkit::StringGrid& grid = sgSQL->grid();
    toolkit::EditorLines(reSQLs).Add(
        exec::addColumnLine(grid.Cells(grid.Col(), 0), cbLC->isChecked()));
}

void TfmBrindle::btFindClick() {
    bAbort = false;
    if (edFind->text().isEmpty())
        return;
    toolkit::StringGrid& grid = sgSQL->grid();
    const auto hit = exec::findInResults(grid, edFind->text(), [this](int row) {
        SetPanelText(0, QStringLiteral("Searched row [%1]").arg(row));
    });
    if (hit)
        grid.SetCurrent(hit->col, hit->row);
    else
        SetPanelText(0, QStringLiteral("Search Done"));
}

void TfmBrindle::bbtClearaResultsClick() {
    // A run, save or log that pumps is still reading or filling these rows.
    if (bRunning)
        return;
    toolkit::StringGrid& grid = sgSQL->grid();
    ClearGrid(grid);
    grid.SetRowCount(2);
    grid.SetColCount(1);
}
