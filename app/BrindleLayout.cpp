// The window's controls and their places, sizes, captions, hints and initial values.

#include "app/WidgetFactory.h"
#include "app/paBrindles.h"
#include "graph/ChartAdapter.h"
#include "platform/toolkit/StringGridView.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace ui;

namespace {

QVBoxLayout* column(QWidget* owner, int spacing = 4) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(spacing);
    return layout;
}

QHBoxLayout* row(QWidget* owner) {
    auto* layout = new QHBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    return layout;
}

QPlainTextEdit* plainText(QWidget* parent, const char* name) {
    auto* editor = named(new QPlainTextEdit(parent), name);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    return editor;
}

QComboBox* editableCombo(QWidget* parent, const char* name, const QString& hint = {}) {
    auto* combo = named(new QComboBox(parent), name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setToolTip(hint);
    return combo;
}

toolkit::StringGridView* gridView(QWidget* parent, const char* name, int cols, int rows,
                                  std::initializer_list<int> widths, bool wholeRows) {
    auto* view =
        named(new toolkit::StringGridView(new toolkit::StringGrid(cols, rows), parent), name);
    view->grid().setParent(view);
    view->SetDefaultRowHeight(20);
    view->SetColWidths(widths);
    // A grid that selects whole rows is a list to pick from, not a sheet to type in.
    if (wholeRows) {
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    return view;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption) {
    return named(menu->addAction(caption), name);
}

QWidget* panel(QWidget* parent, const char* name) {
    return named(new QWidget(parent), name);
}

} // namespace

void TfmBrindle::buildLayout() {
    setWindowTitle(QStringLiteral("Farrowdale v.2.1"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* body = row(central);
    body->setSpacing(0);
    paClient = panel(central, "paClient");
    body->addWidget(paClient, 1);
    buildLeftPanel();
    body->addWidget(paLeft);
    buildTabs();
    buildStatusBar();
    buildMenusAndTimers();
    resize(924, 564 + statusBar()->sizeHint().height() - 19);
    move(screen()->availableGeometry().center() - rect().center());
}

void TfmBrindle::buildLeftPanel() {
    paLeft = panel(nullptr, "paLeft");
    paLeft->setFixedWidth(164);
    // The narrow panel's captions fit its width only in a slightly smaller face on this platform.
    QFont narrow = font();
    narrow.setPointSizeF(7.2);
    paLeft->setFont(narrow);
    auto* layout = column(paLeft, 2);
    layout->setContentsMargins(0, 0, 0, 0);

    paLeftTop = panel(paLeft, "paLeftTop");
    paLeftTop->setFixedHeight(195);
    auto* top = column(paLeftTop, 3);
    top->setContentsMargins(2, 4, 2, 4);
    auto* providers = new QHBoxLayout;
    cbODBC = checkBox(paLeftTop, "cbODBC", QStringLiteral("ODBC"), true);
    cbOLEDB = checkBox(paLeftTop, "cbOLEDB", QStringLiteral("OLE DB"), false);
    providers->addWidget(cbODBC);
    providers->addWidget(cbOLEDB);
    top->addLayout(providers);
    cbDb = editableCombo(paLeftTop, "cbDb", QStringLiteral("Select ASE server to connect..."));
    cbDb->setEditText(QStringLiteral("Existing DSN Name..."));
    top->addWidget(cbDb);
    auto* login = new QGridLayout;
    lbUser = label(paLeftTop, "lbUser", QStringLiteral("User:"));
    edUser = edit(paLeftTop, "edUser", QStringLiteral("sa"));
    lbPassword = label(paLeftTop, "lbPassword", QStringLiteral("Pwd:"));
    edPassword = edit(paLeftTop, "edPassword", QString());
    edPassword->setEchoMode(QLineEdit::Password);
    login->addWidget(lbUser, 0, 0);
    login->addWidget(edUser, 0, 1);
    login->addWidget(lbPassword, 1, 0);
    login->addWidget(edPassword, 1, 1);
    top->addLayout(login);
    btOk = button(paLeftTop, "btOk", QStringLiteral("Connect to Server"));
    bbtGetConfigs = button(paLeftTop, "bbtGetConfigs", QStringLiteral("Get Mon. Configuration"),
                           QStringLiteral("Get monitoring/all configuraton for the ASE"));
    cbAllConfigs =
        checkBox(paLeftTop, "cbAllConfigs", QStringLiteral("Sho&w Full ASEConfiguration"), false);
    bbtSetBrindles = button(paLeftTop, "bbtSetBrindles", QStringLiteral("Set Mon. Configuration"),
                            QStringLiteral("Update MONITORING configurations"));
    for (QWidget* w : {static_cast<QWidget*>(btOk), static_cast<QWidget*>(bbtGetConfigs),
                       static_cast<QWidget*>(cbAllConfigs), static_cast<QWidget*>(bbtSetBrindles)})
        top->addWidget(w);
    top->addStretch();
    layout->addWidget(paLeftTop);

    paLeftClient = panel(paLeft, "paLeftClient");
    auto* middle = column(paLeftClient, 3);
    bbtGetMonTables =
        button(paLeftClient, "bbtGetMonTables", QStringLiteral("Get Monitoring &Tables"),
               QStringLiteral("Display monitoring tables in the MonTables tab."));
    lbAvCols = label(paLeftClient, "lbAvCols", QStringLiteral("Monitoring Column Lookup:"));
    cbMonColumns = editableCombo(
        paLeftClient, "cbMonColumns",
        QStringLiteral(
            "Select column name (or part) to lookup in the monitoring tables.  Double Click "
            "to display the column in ALL tables in the MonTables tab."));
    sgAllCols = gridView(paLeftClient, "sgAllCols", 2, 10, {105, 23}, true);
    sgAllCols->setToolTip(
        QStringLiteral("DblClick to display tables the column refers to in the MonTables tab."));
    sgAllCols->setMinimumSize(153, 150);
    middle->addWidget(bbtGetMonTables);
    middle->addWidget(lbAvCols);
    middle->addWidget(cbMonColumns);
    middle->addWidget(sgAllCols, 1);
    layout->addWidget(paLeftClient, 1);

    paSLQLeftBot = panel(paLeft, "paSLQLeftBot");
    paSLQLeftBot->setFixedHeight(121);
    auto* bottom = new QGridLayout(paSLQLeftBot);
    bottom->setContentsMargins(4, 2, 4, 2);
    bottom->setSpacing(2);
    cbFullLogging =
        checkBox(paSLQLeftBot, "cbFullLogging", QStringLiteral("F&ull Logging"), false,
                 QStringLiteral("Produce full log for all SQLs executed by the application "
                                "in the Log Tab."));
    cbLog = checkBox(paSLQLeftBot, "cbLog", QStringLiteral("SQL Log"), false,
                     QStringLiteral("Show log for all SQLs executed by the user in the Log tab."));
    btLogConfiguration =
        button(paSLQLeftBot, "btLogConfiguration", QStringLiteral("Log Config&urations"),
               QStringLiteral("Log ASE monitoring/all configuration to LOG tab."));
    btLogSQLResults = button(paSLQLeftBot, "btLogSQLResults", QStringLiteral("&Log Results"),
                             QStringLiteral("Log SQL output to LOG tab."));
    btSaveSQLRes = button(paSLQLeftBot, "btSaveSQLRes", QStringLiteral("Save Results"),
                          QStringLiteral("Save SQL output to an external file."));
    cbAutoSaveResult =
        checkBox(paSLQLeftBot, "cbAutoSaveResult", QStringLiteral("Auto Save"), false);
    lbDelim = label(paSLQLeftBot, "lbDelim", QStringLiteral("Delim."));
    edSeparator =
        edit(paSLQLeftBot, "edSeparator", QStringLiteral("^"),
             QStringLiteral("When logging, use the CHAR as the delimiter [to prevent problem "
                            "loading the results into Excel when COMMAs exist in the "
                            "resultset]."));
    edSeparator->setMaximumWidth(30);
    btSaveSQL = button(paSLQLeftBot, "btSaveSQL", QStringLiteral("Save SQL"),
                       QStringLiteral("Save the content of the SQL window in an external file"));
    btLoadSQL = button(paSLQLeftBot, "btLoadSQL", QStringLiteral("Load SQL"),
                       QStringLiteral("Load the content of the SQL window from an external file"));
    // The two switches share a line; the longer caption takes the room it needs.
    auto* switches = new QHBoxLayout;
    switches->addWidget(cbFullLogging);
    switches->addStretch();
    switches->addWidget(cbLog);
    bottom->addLayout(switches, 0, 0, 1, 2);
    bottom->addWidget(btLogConfiguration, 1, 0, 1, 2);
    bottom->addWidget(btLogSQLResults, 2, 0, 1, 2);
    bottom->addWidget(btSaveSQLRes, 3, 0);
    bottom->addWidget(cbAutoSaveResult, 3, 1);
    auto* delimiter = new QHBoxLayout;
    delimiter->addWidget(lbDelim);
    delimiter->addWidget(edSeparator);
    delimiter->addStretch();
    bottom->addLayout(delimiter, 4, 0, 1, 2);
    bottom->addWidget(btSaveSQL, 5, 0);
    bottom->addWidget(btLoadSQL, 5, 1);
    layout->addWidget(paSLQLeftBot);
}

void TfmBrindle::buildTabs() {
    auto* clientLayout = column(paClient, 0);
    clientLayout->setContentsMargins(2, 2, 2, 0);
    tbTab = panel(paClient, "tbTab");
    clientLayout->addWidget(tbTab);
    auto* tabLayout = column(tbTab, 0);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    auto* strip = new QHBoxLayout;
    strip->setSpacing(4);
    tbTabStrip = named(new QTabBar(tbTab), "tbTabStrip");
    tbTabStrip->setDrawBase(false);
    for (const char* caption : {"&Configurations", "&MonTables", "S&QL", "&Log"})
        tbTabStrip->addTab(QString::fromLatin1(caption));
    strip->addWidget(tbTabStrip);
    sbExpandLeft = speedButton(tbTab, "sbExpandLeft", QStringLiteral("<>"),
                               QStringLiteral("Hide/Expand Monitoring Tables Panel"));
    sbGraph = speedButton(tbTab, "sbGraph", QStringLiteral("Graph"),
                          QStringLiteral("Dislay selected data as Graph."));
    sbFont = speedButton(tbTab, "sbFont", QStringLiteral("{&f} "),
                         QStringLiteral("Change Font for the SQL Text window."));
    cbLC = checkBox(tbTab, "cbLC", QStringLiteral("Insert Upper Case"), false);
    cbAutoSave =
        checkBox(tbTab, "cbAutoSave", QStringLiteral("Auto Sa&ve Qry"), false,
                 QStringLiteral("Auto save [each minute] the SQL window content to file to be "
                                "loaded on the application startup"));
    for (QWidget* w : {static_cast<QWidget*>(sbExpandLeft), static_cast<QWidget*>(sbGraph),
                       static_cast<QWidget*>(sbFont), static_cast<QWidget*>(cbLC),
                       static_cast<QWidget*>(cbAutoSave)})
        strip->addWidget(w);
    strip->addStretch();
    strip->addSpacing(26);
    tabLayout->addLayout(strip);
    // The right-hand collapse button is placed by hand at the strip's right end.
    sbExpandRight = speedButton(tbTab, "sbExpandRight", QStringLiteral("<>"),
                                QStringLiteral("Hide/Expand Configuration Panel"));
    sbExpandRight->setFixedSize(22, 22);

    buildConfigurationsTab();
    buildMonTablesTab();
    buildSqlTab();
    buildLogTab();
    for (QGroupBox* page : {gbBrindles, gbMonTables, gbSQL, gbLog})
        tabLayout->addWidget(page, 1);
    sbExpandRight->raise();
}

void TfmBrindle::buildConfigurationsTab() {
    gbBrindles = named(new QGroupBox(tbTab), "gbBrindles");
    auto* layout = column(gbBrindles, 2);
    paConfTop = panel(gbBrindles, "paConfTop");
    paConfTop->setFixedHeight(24);
    auto* top = row(paConfTop);
    btFindConfig = button(paConfTop, "btFindConfig", QStringLiteral("Find Configuratoin"),
                          QStringLiteral("Lookup STRING in the configuration list"));
    btFindConfig->setFixedWidth(215);
    edFindConfig = edit(paConfTop, "edFindConfig", QString(),
                        QStringLiteral("STRING to be looked up in  the output"));
    top->addWidget(btFindConfig);
    top->addWidget(edFindConfig, 1);
    sgMonOptions = gridView(gbBrindles, "sgMonOptions", 6, 2, {211, 90, 102, 100, 132, 80}, false);
    paConfBottom = panel(gbBrindles, "paConfBottom");
    paConfBottom->setFixedHeight(26);
    layout->addWidget(paConfTop);
    layout->addWidget(sgMonOptions, 1);
    layout->addWidget(paConfBottom);
}

void TfmBrindle::buildMonTablesTab() {
    gbMonTables = named(new QGroupBox(tbTab), "gbMonTables");
    auto* layout = column(gbMonTables, 2);
    paSortTables = named(new QFrame(gbMonTables), "paSortTables");
    paSortTables->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paSortTables->setFixedHeight(21);
    const int lefts[] = {1, 136, 186, 635};
    const int widths[] = {136, 51, 450, 70};
    const char* names[] = {"sbSort1", "sbSort2", "sbSort3", "sbSort4"};
    QToolButton** buttons[] = {&sbSort1, &sbSort2, &sbSort3, &sbSort4};
    for (int i = 0; i < 4; ++i) {
        *buttons[i] = speedButton(paSortTables, names[i], QStringLiteral("\u21C5"));
        (*buttons[i])->setGeometry(lefts[i], 1, widths[i], 19);
        (*buttons[i])->setProperty("tag", 1);
    }
    sgMonTables = gridView(gbMonTables, "sgMonTables", 4, 10, {134, 48, 449, 68}, true);
    spSplitSQL = named(new QSplitter(Qt::Vertical, gbMonTables), "spSplitSQL");
    spSplitSQL->setHandleWidth(3);
    auto* lower = new QWidget(spSplitSQL);
    auto* lowerLayout = column(lower, 2);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    stMonTable = label(lower, "stMonTable", QString());
    stMonTable->setFixedHeight(56);
    stConfRequired = label(lower, "stConfRequired", QString());
    stConfRequired->setFixedHeight(31);
    sgMonColumns = gridView(lower, "sgMonColumns", 3, 14, {133, 139, 426}, true);
    for (QLabel* text : {stMonTable, stConfRequired}) {
        text->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    lowerLayout->addWidget(stMonTable);
    lowerLayout->addWidget(stConfRequired);
    lowerLayout->addWidget(sgMonColumns, 1);
    spSplitSQL->insertWidget(0, sgMonTables);
    spSplitSQL->addWidget(lower);
    spSplitSQL->setStretchFactor(0, 0);
    spSplitSQL->setStretchFactor(1, 1);
    spSplitSQL->setSizes({130, 330});
    stMonColumn = label(gbMonTables, "stMonColumn", QString());
    stMonColumn->setFixedHeight(57);
    stMonColumn->setWordWrap(true);
    stMonColumn->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    stMonColumn->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(paSortTables);
    layout->addWidget(spSplitSQL, 1);
    layout->addWidget(stMonColumn);
}

void TfmBrindle::buildSqlTab() {
    gbSQL = named(new QGroupBox(tbTab), "gbSQL");
    auto* layout = row(gbSQL);
    layout->setContentsMargins(2, 2, 2, 2);
    buildSqlComposer();
    paSQLRight = panel(gbSQL, "paSQLRight");
    auto* right = column(paSQLRight, 0);
    right->setContentsMargins(0, 0, 0, 0);
    spSplit = named(new QSplitter(Qt::Vertical, paSQLRight), "spSplit");
    spSplit->setHandleWidth(2);
    auto* upper = new QWidget(spSplit);
    auto* upperLayout = column(upper, 0);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    buildSqlText();
    upperLayout->addWidget(paSQLText, 1);
    buildSqlButtonBar();
    upperLayout->addWidget(paSQL1);
    sgSQL = gridView(spSplit, "sgSQL", 1, 2, {}, false);
    sgSQL->SetDefaultColWidth(55);
    sgSQL->setToolTip(QStringLiteral("DoubleClick on a cell to add column name to SQL"));
    spSplit->addWidget(upper);
    spSplit->addWidget(sgSQL);
    spSplit->setSizes({230, 259});
    right->addWidget(spSplit);
    layout->addWidget(paSQLSelect);
    layout->addWidget(paSQLRight, 1);
}

void TfmBrindle::buildSqlComposer() {
    paSQLSelect = panel(gbSQL, "paSQLSelect");
    paSQLSelect->setFixedWidth(175);
    auto* layout = column(paSQLSelect, 2);
    lbTbl = label(paSQLSelect, "lbTbl", QStringLiteral("Table:"));
    cbTbl = editableCombo(paSQLSelect, "cbTbl", QStringLiteral("DblClick to see avaiable fields"));
    cbTbl->setFixedWidth(169);
    auto* tableButtons = new QHBoxLayout;
    btAllTbls = button(paSQLSelect, "btAllTbls", QStringLiteral("All"));
    cbTblClear = button(paSQLSelect, "cbTblClear", QStringLiteral("Clear"));
    tableButtons->addWidget(btAllTbls);
    tableButtons->addWidget(cbTblClear);
    meTblHint = plainText(paSQLSelect, "meTblHint");
    lbCol = label(paSQLSelect, "lbCol", QStringLiteral("Columns:"));
    lbCols = named(new QListWidget(paSQLSelect), "lbCols");
    lbCols->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbCols->setFixedHeight(81);
    auto* columnButtons = new QHBoxLayout;
    btAllCols = button(paSQLSelect, "btAllCols", QStringLiteral("All Columns"));
    btAddSQL = button(paSQLSelect, "btAddSQL", QStringLiteral("Add to SQL"));
    columnButtons->addWidget(btAllCols);
    columnButtons->addWidget(btAddSQL);
    cbFromAllTbls =
        checkBox(paSQLSelect, "cbFromAllTbls", QStringLiteral("Retrive from All Tables"), false);
    meColHint = plainText(paSQLSelect, "meColHint");
    for (QPlainTextEdit* hint : {meTblHint, meColHint}) {
        hint->setStyleSheet(QStringLiteral("background: #d4d0c8;"));
        hint->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
    layout->addWidget(lbTbl);
    layout->addWidget(cbTbl);
    layout->addLayout(tableButtons);
    layout->addWidget(meTblHint, 1);
    layout->addWidget(lbCol);
    layout->addWidget(lbCols);
    layout->addLayout(columnButtons);
    layout->addWidget(cbFromAllTbls);
    layout->addWidget(meColHint, 1);
}

void TfmBrindle::buildSqlText() {
    paSQLText = panel(nullptr, "paSQLText");
    auto* layout = column(paSQLText, 0);
    layout->setContentsMargins(0, 0, 0, 0);
    reSQLs = plainText(paSQLText, "reSQLs");
    reSQLs->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    layout->addWidget(reSQLs);
    meOneByOne = plainText(paSQLText, "meOneByOne");
    meOneByOne->setReadOnly(false);
    meOneByOne->hide();
    chrtMonitoring = named(new graph::MonitoringChart(paSQLText), "chrtMonitoring");
    chrtMonitoring->hide();
    lbTimeAxis = label(chrtMonitoring, "lbTimeAxis", QStringLiteral("X (Time)"));
    lbValueAxis = label(chrtMonitoring, "lbValueAxis", QStringLiteral("Y-1"));
    lbValueAxis2 = label(chrtMonitoring, "lbValueAxis2", QStringLiteral("Y-2"));
    cbTimeAxis = editableCombo(chrtMonitoring, "cbTimeAxis");
    cbValueAxis = editableCombo(chrtMonitoring, "cbValueAxis");
    cbValueAxis2 = editableCombo(chrtMonitoring, "cbValueAxis2");
    btSetGraph = button(chrtMonitoring, "btSetGraph", QStringLiteral("D&isplay"));
    cbSetRatio = checkBox(chrtMonitoring, "cbSetRatio", QStringLiteral("Set Ratio"), true);
    edRatio = edit(chrtMonitoring, "edRatio", QStringLiteral("1"));
    for (QComboBox* combo : {cbTimeAxis, cbValueAxis, cbValueAxis2})
        combo->setFixedWidth(110);
    btSetGraph->setFixedWidth(50);
    edRatio->setFixedWidth(40);
}

void TfmBrindle::buildSqlButtonBar() {
    paSQL1 = panel(nullptr, "paSQL1");
    paSQL1->setFixedHeight(52);
    auto* layout = column(paSQL1, 2);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* first = new QHBoxLayout;
    btSQLExec = button(paSQL1, "btSQLExec", QStringLiteral("E&xecute"),
                       QStringLiteral("Execute [selected/all] Queries."));
    QFont bold = btSQLExec->font();
    bold.setBold(true);
    btSQLExec->setFont(bold);
    btSQLExec->setStyleSheet(QStringLiteral("color: red;"));
    cbOneByOne = checkBox(paSQL1, "cbOneByOne", QStringLiteral("Line b&y Line"), false);
    cbAutoRun = checkBox(paSQL1, "cbAutoRun", QStringLiteral("Auto &Exec Each"), false,
                         QStringLiteral("Execute SQLs automatically each X seconds."));
    edInterval = edit(paSQL1, "edInterval", QStringLiteral("15"),
                      QStringLiteral("Automatic Execution delat in seconds"));
    edInterval->setFixedWidth(36);
    lbSec = label(paSQL1, "lbSec", QStringLiteral("Sec"));
    cbAppend = checkBox(paSQL1, "cbAppend", QStringLiteral("Sum Result&s"), false);
    cbKeepTitle = checkBox(paSQL1, "cbKeepTitle", QStringLiteral("O&ne Title"), true);
    for (QWidget* w : {static_cast<QWidget*>(btSQLExec), static_cast<QWidget*>(cbOneByOne),
                       static_cast<QWidget*>(cbAutoRun), static_cast<QWidget*>(edInterval),
                       static_cast<QWidget*>(lbSec), static_cast<QWidget*>(cbAppend),
                       static_cast<QWidget*>(cbKeepTitle)})
        first->addWidget(w);
    first->addStretch();
    auto* second = new QHBoxLayout;
    bbtClearaResults = button(paSQL1, "bbtClearaResults", QStringLiteral("Clear &Results"),
                              QStringLiteral("Clear the output"));
    btFind = button(paSQL1, "btFind", QStringLiteral("Fin&d in Results"),
                    QStringLiteral("Lookup STRING in the output"));
    edFind =
        edit(paSQL1, "edFind", QString(), QStringLiteral("STRING to be looked up in  the output"));
    lbtemplate = label(paSQL1, "lbtemplate", QStringLiteral("Templates:"));
    btSaveToTemplate =
        button(paSQL1, "btSaveToTemplate", QStringLiteral("Append"),
               QStringLiteral("Append ALL SQLs to the SQL template for the future re-use."));
    bbtLoadTemplates = button(paSQL1, "bbtLoadTemplates", QStringLiteral("L&oad"),
                              QStringLiteral("Load the SQL Templates (if exist)."));
    btReplaceTmpl =
        button(paSQL1, "btReplaceTmpl", QStringLiteral("Replace"),
               QStringLiteral("Replace the SQL Template file with the current SQL content."));
    second->addWidget(bbtClearaResults);
    second->addWidget(btFind);
    second->addWidget(edFind, 1);
    second->addSpacing(12);
    for (QWidget* w :
         {static_cast<QWidget*>(lbtemplate), static_cast<QWidget*>(btSaveToTemplate),
          static_cast<QWidget*>(bbtLoadTemplates), static_cast<QWidget*>(btReplaceTmpl)})
        second->addWidget(w);
    layout->addLayout(first);
    layout->addLayout(second);
}

void TfmBrindle::buildLogTab() {
    gbLog = named(new QGroupBox(tbTab), "gbLog");
    auto* layout = column(gbLog, 0);
    reLog = plainText(gbLog, "reLog");
    reLog->setFont(QFont(QStringLiteral("Courier New"), 10));
    layout->addWidget(reLog);
}

void TfmBrindle::buildStatusBar() {
    QStatusBar* bar = named(statusBar(), "sbStatus");
    bar->setSizeGripEnabled(false);
    const int widths[] = {210, 460, 110, 50};
    for (int i = 0; i < 4; ++i) {
        sbStatus[i] = new QLabel(bar);
        sbStatus[i]->setObjectName(QStringLiteral("sbStatus%1").arg(i));
        sbStatus[i]->setAlignment(Qt::AlignCenter);
        sbStatus[i]->setFixedWidth(widths[i]);
        sbStatus[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(sbStatus[i]);
    }
}

void TfmBrindle::buildMenusAndTimers() {
    popMenu = named(new QMenu(this), "popMenu");
    SendToSQL1 = menuItem(popMenu, "SendToSQL1", QStringLiteral("Send &Col To SQL"));
    SendTblColToSQL1 =
        menuItem(popMenu, "SendTblColToSQL1", QStringLiteral("Send &Tbl.Col To SQL"));
    SendSelectToSQL1 =
        menuItem(popMenu, "SendSelectToSQL1", QStringLiteral("Send &Select * To SQL"));
    SendSelectToSQL2 =
        menuItem(popMenu, "SendSelectToSQL2", QStringLiteral("Send Select * &Where Col=...To SQL"));
    popResults = named(new QMenu(this), "popResults");
    AddtoSQL1 = menuItem(popResults, "AddtoSQL1", QStringLiteral("Add Col to SQL"));
    ShowPlan1 = menuItem(popResults, "ShowPlan1", QStringLiteral("Show Plan"));
    KillSpid1 = menuItem(popResults, "KillSpid1", QStringLiteral("Kill Spid"));
    ShowStack1 = menuItem(popResults, "ShowStack1", QStringLiteral("Show Stack"));
    for (QAction* item : popResults->actions())
        item->setEnabled(false);
    dlgFontFont = QFont(QStringLiteral("MV Boli"));
    dlgFontFont.setBold(true);

    tmExit = named(new QTimer(this), "tmExit");
    tmExit->setInterval(1000);
    tmSaveFile = named(new QTimer(this), "tmSaveFile");
    tmSaveFile->setInterval(60000);
    tmRunSQL = named(new QTimer(this), "tmRunSQL");
    tmRunSQL->setInterval(15000);
}
