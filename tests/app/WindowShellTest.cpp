#include "WindowFixture.h"
#include "graph/ChartAdapter.h"
#include "platform/toolkit/TextFile.h"

#include "platform/toolkit/StringGridView.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using toolkit::TextEncoding;

TEST_F(WindowTest, StartsOnTheConfigurationsTabWithTheComposerCollapsed) {
    TfmBrindle& w = open();
    EXPECT_EQ(w.windowTitle(), "Farrowdale v.2.1");
    EXPECT_EQ(w.TabIndex(), 0);
    EXPECT_TRUE(w.gbBrindles->isVisible());
    EXPECT_EQ(w.paSQLSelect->width(), 1);
    EXPECT_FALSE(w.bLoggedIn);
    EXPECT_EQ(w.cbDb->currentText(), "Existing DSN Name...");
    EXPECT_EQ(w.ADOConn.ConnectionString(), "Provider=ASEOLEDB.1;Persist Security Info=False;User "
                                            "ID=sa;Data Source=ASEOLEDB32;Initial Catalog=master;");
    for (QTimer* timer : {w.tmExit, w.tmSaveFile, w.tmRunSQL})
        EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(w.tmRunSQL->interval(), 15000);
    // Centred on the screen, up to the width of the window frame.
    const QPoint offCentre = w.geometry().center() - w.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 8);
}

TEST_F(WindowTest, EachTabShowsItsGroupBoxAndOnlyTheSqlTabShowsTheStripControls) {
    TfmBrindle& w = open();
    QGroupBox* pages[] = {w.gbBrindles, w.gbMonTables, w.gbSQL, w.gbLog};
    for (int tab : {2, 1, 3, 0, 2}) {
        w.tbTabStrip->setCurrentIndex(tab); // as a click: runs the tab-change handler
        QCoreApplication::processEvents();
        for (int page = 0; page < 4; ++page)
            EXPECT_EQ(pages[page]->isVisible(), page == tab) << tab;
        for (QWidget* control :
             {static_cast<QWidget*>(w.sbExpandLeft), static_cast<QWidget*>(w.sbFont),
              static_cast<QWidget*>(w.cbLC), static_cast<QWidget*>(w.sbGraph),
              static_cast<QWidget*>(w.cbAutoSave)})
            EXPECT_EQ(control->isVisible(), tab == 2) << tab;
        EXPECT_TRUE(w.sbExpandRight->isVisible());
        EXPECT_EQ(w.sbExpandRight->x(), w.tbTab->width() - 25);
    }
}

TEST_F(WindowTest, CollapseButtonsToggleTheirPanels) {
    TfmBrindle& w = open();
    w.tbTabStrip->setCurrentIndex(2);
    // The composer starts collapsed and the right-hand panel open.
    const int widths[][2] = {{175, 1}, {1, 164}, {175, 1}};
    for (const auto& expected : widths) {
        w.sbExpandLeft->click();
        w.sbExpandRight->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(w.paSQLSelect->width(), expected[0]);
        EXPECT_EQ(w.paLeft->width(), expected[1]);
    }
}

TEST_F(WindowTest, EscapeAnywhereSetsAbortAndHidesChartAndStatementList) {
    TfmBrindle& w = open();
    w.tbTabStrip->setCurrentIndex(2);
    w.chrtMonitoring->show();
    w.meOneByOne->show();
    w.reSQLs->setFocus();
    QTest::keyClick(w.reSQLs, 'a');
    EXPECT_FALSE(w.bAbort);
    QTest::keyClick(w.reSQLs, Qt::Key_Escape);
    EXPECT_TRUE(w.bAbort);
    EXPECT_FALSE(w.chrtMonitoring->isVisible());
    EXPECT_FALSE(w.meOneByOne->isVisible());
    EXPECT_EQ(w.reSQLs->toPlainText(), "a");
}

TEST_F(WindowTest, TheExitMarkerClosesTheWindowButADirectoryOfThatNameDoesNot) {
    TfmBrindle& w = open();
    w.SetProgramFile(path("farrowdale"));
    QDir(dir.path()).mkdir("farrowdale.out");
    w.tmExitTimer();
    EXPECT_TRUE(w.isVisible());
    QDir(dir.path()).rmdir("farrowdale.out");
    QFile(path("farrowdale.out")).open(QIODevice::WriteOnly);
    w.tmExitTimer();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(QFile::exists(path("farrowdale.out"))); // the program never deletes it
}

TEST_F(WindowTest, ActivationReloadsTheServerListAndKeepsTheTypedName) {
    TfmBrindle& w = open();
    w.cbDb->setEditText("typed");
    toolkit::saveTextFile(path("ServerList.ini"), {"PRODSRV", "sim:demo"}, TextEncoding::Utf8);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w, &activate);
    ASSERT_EQ(w.cbDb->count(), 2);
    EXPECT_EQ(w.cbDb->itemText(1), "sim:demo");
    EXPECT_EQ(w.cbDb->currentText(), "typed");
    QFile::remove(path("ServerList.ini"));
    QCoreApplication::sendEvent(&w, &activate);
    EXPECT_EQ(w.cbDb->count(), 2); // a missing list leaves the items alone
    QDir(dir.path()).mkdir("ServerList.ini");
    QCoreApplication::sendEvent(&w, &activate);
    EXPECT_EQ(w.cbDb->count(), 2); // so does one that cannot be read
    EXPECT_EQ(w.cbDb->currentText(), "typed");
}

TEST_F(WindowTest, TheAutoSavedSqlIsLoadedAtStartAndAMissingOrUnreadableOneIgnored) {
    EXPECT_TRUE(open().reSQLs->toPlainText().isEmpty());
    window.reset();
    QDir(dir.path()).mkdir("Brindle.sql");
    EXPECT_TRUE(open().reSQLs->toPlainText().isEmpty());
    window.reset();
    QDir(dir.path()).rmdir("Brindle.sql");
    toolkit::saveTextFile(path("Brindle.sql"), {"select 1", "-- note"}, TextEncoding::Windows1252);
    EXPECT_EQ(open().reSQLs->toPlainText(), "select 1\n-- note");
    EXPECT_EQ(window->sTmpDir, dir.path());
}

TEST_F(WindowTest, ATempLongerThanTheBufferIsKeptWholeAndTheBufferNotOverrun) {
    const QString longTemp = dir.path() + "/" + QString(300, u'x');
    qputenv("TEMP", longTemp.toLocal8Bit());
    TfmBrindle& w = open();
    EXPECT_EQ(w.sTmpDir, longTemp);
    EXPECT_EQ(w.vTmpStr[254], u'x');
    EXPECT_EQ(w.vTmpStr[255], u'\0');
}

TEST_F(WindowTest, LogStatementWritesHeaderTrimmedTextAndSeparator) {
    TfmBrindle& w = open();
    w.cbDb->setEditText("PRODSRV");
    w.LogStatement("-- not logged");
    EXPECT_TRUE(w.reLog->toPlainText().isEmpty());
    w.LogStatement("  select 1\n    from x  ");
    w.LogStatement(" --logged");
    EXPECT_EQ(w.reLog->toPlainText(), "Server: PRODSRV; Time: [5/1/2013 9:3:7]     \n"
                                      "select 1\n    from x\n" +
                                          QString(43, u'+') +
                                          "\nServer: PRODSRV; Time: [5/1/2013 9:3:7]     \n"
                                          "--logged\n" +
                                          QString(43, u'+'));
}

TEST_F(WindowTest, ABlankStatementLeavesAnEmptyLineBetweenHeaderAndSeparator) {
    TfmBrindle& w = open();
    w.cbDb->setEditText("S");
    w.LogStatement(" \t ");
    w.LogStatement("x");
    const QString header = "Server: S; Time: [5/1/2013 9:3:7]     ";
    const QString plus(43, u'+');
    EXPECT_EQ(w.reLog->toPlainText().split(u'\n'),
              QStringList({header, "", plus, header, "x", plus}));
}

TEST_F(WindowTest, TheFontButtonTakesTheChosenFontAndStartsFromTheLastOne) {
    TfmBrindle& w = open();
    EXPECT_EQ(w.dlgFontFont.family(), "MV Boli");
    EXPECT_TRUE(w.dlgFontFont.bold());
    QFont chosen("Courier New", 12);
    dialogs.fontAnswers.push_back(chosen);
    w.sbFont->click();
    EXPECT_EQ(w.reSQLs->font().family(), chosen.family());
    w.sbFont->click(); // cancelled
    EXPECT_EQ(w.dlgFontFont.family(), chosen.family());
}

TEST_F(WindowTest, EveryControlIsFoundUnderItsMemberName) {
    TfmBrindle& w = open();
#define CONTROL(member) std::pair<const char*, QObject*>(#member, w.member)
    const std::pair<const char*, QObject*> controls[] = {
        CONTROL(paLeft),
        CONTROL(paLeftTop),
        CONTROL(cbODBC),
        CONTROL(cbOLEDB),
        CONTROL(cbDb),
        CONTROL(lbUser),
        CONTROL(edUser),
        CONTROL(lbPassword),
        CONTROL(edPassword),
        CONTROL(btOk),
        CONTROL(bbtGetConfigs),
        CONTROL(cbAllConfigs),
        CONTROL(bbtSetBrindles),
        CONTROL(paLeftClient),
        CONTROL(bbtGetMonTables),
        CONTROL(lbAvCols),
        CONTROL(cbMonColumns),
        CONTROL(sgAllCols),
        CONTROL(paSLQLeftBot),
        CONTROL(cbFullLogging),
        CONTROL(cbLog),
        CONTROL(btLogConfiguration),
        CONTROL(btLogSQLResults),
        CONTROL(btSaveSQLRes),
        CONTROL(cbAutoSaveResult),
        CONTROL(lbDelim),
        CONTROL(edSeparator),
        CONTROL(btSaveSQL),
        CONTROL(btLoadSQL),
        CONTROL(paClient),
        CONTROL(tbTab),
        CONTROL(sbExpandLeft),
        CONTROL(sbGraph),
        CONTROL(sbFont),
        CONTROL(cbLC),
        CONTROL(cbAutoSave),
        CONTROL(sbExpandRight),
        CONTROL(gbBrindles),
        CONTROL(paConfTop),
        CONTROL(btFindConfig),
        CONTROL(edFindConfig),
        CONTROL(sgMonOptions),
        CONTROL(paConfBottom),
        CONTROL(gbMonTables),
        CONTROL(paSortTables),
        CONTROL(sbSort1),
        CONTROL(sbSort2),
        CONTROL(sbSort3),
        CONTROL(sbSort4),
        CONTROL(sgMonTables),
        CONTROL(spSplitSQL),
        CONTROL(stMonTable),
        CONTROL(stConfRequired),
        CONTROL(sgMonColumns),
        CONTROL(stMonColumn),
        CONTROL(gbSQL),
        CONTROL(paSQLSelect),
        CONTROL(cbTbl),
        CONTROL(btAllTbls),
        CONTROL(cbTblClear),
        CONTROL(meTblHint),
        CONTROL(lbCols),
        CONTROL(btAllCols),
        CONTROL(btAddSQL),
        CONTROL(cbFromAllTbls),
        CONTROL(meColHint),
        CONTROL(paSQLRight),
        CONTROL(paSQLText),
        CONTROL(reSQLs),
        CONTROL(meOneByOne),
        CONTROL(chrtMonitoring),
        CONTROL(lbTimeAxis),
        CONTROL(lbValueAxis),
        CONTROL(lbValueAxis2),
        CONTROL(cbTimeAxis),
        CONTROL(cbValueAxis),
        CONTROL(cbValueAxis2),
        CONTROL(btSetGraph),
        CONTROL(cbSetRatio),
        CONTROL(edRatio),
        CONTROL(paSQL1),
        CONTROL(btSQLExec),
        CONTROL(cbOneByOne),
        CONTROL(cbAutoRun),
        CONTROL(edInterval),
        CONTROL(lbSec),
        CONTROL(cbAppend),
        CONTROL(cbKeepTitle),
        CONTROL(bbtClearaResults),
        CONTROL(btFind),
        CONTROL(edFind),
        CONTROL(lbtemplate),
        CONTROL(btSaveToTemplate),
        CONTROL(bbtLoadTemplates),
        CONTROL(btReplaceTmpl),
        CONTROL(spSplit),
        CONTROL(sgSQL),
        CONTROL(gbLog),
        CONTROL(reLog),
        CONTROL(popMenu),
        CONTROL(SendToSQL1),
        CONTROL(SendTblColToSQL1),
        CONTROL(SendSelectToSQL1),
        CONTROL(SendSelectToSQL2),
        CONTROL(popResults),
        CONTROL(AddtoSQL1),
        CONTROL(ShowPlan1),
        CONTROL(KillSpid1),
        CONTROL(ShowStack1),
        CONTROL(tmExit),
        CONTROL(tmSaveFile),
        CONTROL(tmRunSQL),
    };
#undef CONTROL
    for (const auto& [name, member] : controls) {
        ASSERT_NE(member, nullptr) << name;
        EXPECT_EQ(w.findChild<QObject*>(name), member) << name;
    }
    EXPECT_EQ(w.findChild<QStatusBar*>("sbStatus"), w.statusBar());
}

TEST_F(WindowTest, OnlyTheEditableGridsTakeTyping) {
    TfmBrindle& w = open();
    for (toolkit::StringGridView* grid : {w.sgMonOptions, w.sgSQL})
        EXPECT_NE(grid->editTriggers(), QAbstractItemView::NoEditTriggers)
            << grid->objectName().toStdString();
    for (toolkit::StringGridView* grid : {w.sgAllCols, w.sgMonTables, w.sgMonColumns})
        EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers)
            << grid->objectName().toStdString();
}

TEST_F(WindowTest, TheChartCoversTheEditorWhateverChangesItsSize) {
    TfmBrindle& w = open();
    const auto expectChartOverEditor = [&](const char* after) {
        QCoreApplication::processEvents();
        const QRect editor = w.reSQLs->geometry();
        EXPECT_EQ(w.chrtMonitoring->geometry(), editor.adjusted(1, 1, -1, -1)) << after;
        EXPECT_EQ(w.lbTimeAxis->pos(), QPoint(63, editor.height() - 22)) << after;
        EXPECT_EQ(w.cbSetRatio->pos(), QPoint(537, editor.height() - 24)) << after;
        EXPECT_EQ(w.edRatio->pos(), QPoint(605, editor.height() - 27)) << after;
    };
    w.tbTabStrip->setCurrentIndex(2);
    expectChartOverEditor("showing the SQL tab");
    w.sbExpandLeft->click();
    expectChartOverEditor("opening the composer");
    w.spSplit->setSizes({120, 300});
    expectChartOverEditor("moving the splitter");
    w.resize(w.width() + 40, w.height() + 30);
    expectChartOverEditor("resizing the window");
}
