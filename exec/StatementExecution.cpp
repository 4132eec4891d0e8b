// Running the SQL editor's text into the results grid, once or line by line.

#include "app/paBrindles.h"
#include "exec/ResultPlacement.h"
#include "exec/RunGuard.h"
#include "exec/StatementText.h"
#include "platform/toolkit/EditorLines.h"
#include "platform/toolkit/StringGridView.h"
#include "platform/toolkit/TextRules.h"

#include <QCheckBox>
#include <QPlainTextEdit>

namespace {

// The editor as a run reads it: one line at a time, each cut at 4,096 characters.
QStringList editorLinesForRun(const toolkit::EditorLines& editor) {
    QStringList lines;
    const int count = std::min(editor.Count(), exec::kMaxRunLines);
    for (int i = 0; i < count; ++i)
        lines.append(editor.Line(i));
    return lines;
}

} // namespace

void TfmBrindle::btSQLExecClick() {
    if (!bLoggedIn || bRunning)
        return;
    QString failure;
    try {
        RunStatements();
        return;
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    }
    // The run is over before the box opens, so ticks that arrive while it is shown may save.
    cbAutoRun->setChecked(false);
    dialogs.MessageBox(toolkit::MsgKind::Error, QStringLiteral("Oups... ") + failure,
                       toolkit::MsgButtons::Ok);
}

void TfmBrindle::RunStatements() {
    const RunGuard running(bRunning);
    SetPanelText(0, QString());
    SetPanelText(1, QStringLiteral("Executing Query.  Please be patient..."));
    repaint();
    bAbort = false;
    if (cbOneByOne->isChecked())
        RunLineByLine();
    else
        RunSingle();
    sgSQL->grid().SetRow(sgSQL->grid().RowCount() - 1);
    SetPanelText(1, QStringLiteral("Done."));
}

void TfmBrindle::RunSingle() {
    const toolkit::EditorLines editor(reSQLs);
    qryDynamic.Close();
    qryDynamic.ClearSQL();
    qryDynamic.AddSQL(QStringLiteral("/**/"));
    for (const QString& line :
         exec::singleRunLines(editorLinesForRun(editor), editor.SelectedText()))
        qryDynamic.AddSQL(line);
    qryDynamic.Open();
    toolkit::StringGrid& grid = sgSQL->grid();
    int row = 0;
    if (cbAppend->isChecked()) {
        row = exec::prepareAppend(grid, qryDynamic.FieldCount());
    } else {
        grid.SetRowCount(2);
        grid.SetColCount(qryDynamic.FieldCount());
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.SetCells(c, 1, QString());
    }
    PlaceResultFrom(row);
    if (cbLog->isChecked())
        LogStatement(qryDynamic.SQL().join(u'\n'));
    qryDynamic.Close();
}

void TfmBrindle::RunLineByLine() {
    const toolkit::EditorLines editor(reSQLs);
    toolkit::EditorLines statementList(meOneByOne);
    statementList.Clear();
    toolkit::StringGrid& grid = sgSQL->grid();
    if (!cbAppend->isChecked()) {
        ClearGrid(grid);
        grid.SetRowCount(2);
        grid.SetColCount(7);
        repaint();
    }
    // The whole selection is one statement even when it spans lines, so the run
    // goes by this list; the memo shows it.
    const QStringList statements =
        exec::lineByLineStatements(editorLinesForRun(editor), editor.SelectedText());
    statementList.SetLines(statements);
    for (const QString& statement : statements) {
        qryDynamic.Close();
        qryDynamic.ClearSQL();
        qryDynamic.AddSQL(QStringLiteral("/**/"));
        qryDynamic.AddSQL(toolkit::trimText(statement));
        SetPanelText(1, QStringLiteral("Executing: ") + statement);
        qryDynamic.Open();
        PlaceResultFrom(exec::prepareAppend(grid, qryDynamic.FieldCount()));
        if (cbLog->isChecked())
            LogStatement(qryDynamic.SQL().join(u'\n'));
        qryDynamic.Close();
    }
}

void TfmBrindle::PlaceResultFrom(int row) {
    const exec::PlacementHooks hooks{[this] { return bAbort; },
                                     [this](const QString& text) { SetPanelText(0, text); }};
    exec::placeResult(qryDynamic, sgSQL->grid(), row, cbKeepTitle->isChecked(), slScratch.Lines,
                      pump, hooks);
}

void TfmBrindle::ClearGrid(toolkit::StringGrid& grid) {
    // Cutting the grid to its title row empties every other cell at once.
    const int rows = grid.RowCount();
    grid.SetRowCount(1);
    for (int c = 0; c < grid.ColCount(); ++c)
        grid.SetCells(c, 0, QString());
    grid.SetRowCount(rows);
}

void TfmBrindle::cbOneByOneClick(bool checked) {
    if (checked)
        cbKeepTitle->setChecked(false);
}
