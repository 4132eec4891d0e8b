#include "exec/ResultsPopup.h"

#include "platform/toolkit/TextRules.h"

#include <algorithm>

namespace exec {

namespace {

bool isProcessId(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString shownTitle(const QString& columnTitle, bool upperCase) {
    return upperCase ? toolkit::upperAZ(columnTitle) : columnTitle;
}

} // namespace

ResultsPopupState resultsPopupState(const QString& columnTitle, const QString& cellText,
                                    const QString& user, bool upperCase) {
    ResultsPopupState state;
    state.addColEnabled = !columnTitle.isEmpty();
    state.addColCaption =
        QStringLiteral("&Add Col to SQL [%1]").arg(shownTitle(columnTitle, upperCase));
    if (toolkit::lowerAZ(columnTitle).contains(QStringLiteral("spid")) && isProcessId(cellText))
        state.spid = cellText;
    state.showPlanCaption = QStringLiteral("&Show Spid Plan [%1]").arg(state.spid);
    state.killCaption = QStringLiteral("&Kill the Spid [%1]").arg(state.spid);
    state.showStackCaption = QStringLiteral("&Spid StackTrace [%1]").arg(state.spid);
    state.showPlanEnabled = !state.spid.isEmpty();
    state.killAndStackEnabled = state.showPlanEnabled && user == QStringLiteral("sa");
    return state;
}

QString addColumnLine(const QString& columnTitle, bool upperCase) {
    return QStringLiteral("--") + shownTitle(columnTitle, upperCase);
}

} // namespace exec
