#pragma once

#include <QString>

// What the results grid's right-click menu offers for the current cell.
namespace exec {

struct ResultsPopupState {
    QString spid; // the process id the process items act on; empty when none
    QString addColCaption;
    bool addColEnabled = false;
    QString showPlanCaption;
    QString killCaption;
    QString showStackCaption;
    bool showPlanEnabled = false;
    bool killAndStackEnabled = false;
};

// columnTitle: row 0 of the current column; cellText: the current cell; user:
// the login box as typed. Only a decimal integer in a column whose title holds
// "spid" (any case) becomes a process id, so grid data never turns into a statement.
ResultsPopupState resultsPopupState(const QString& columnTitle, const QString& cellText,
                                    const QString& user, bool upperCase);

// The comment line that "Add Col to SQL" appends to the SQL editor.
QString addColumnLine(const QString& columnTitle, bool upperCase);

} // namespace exec
