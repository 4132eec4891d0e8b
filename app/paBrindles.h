#pragma once

#include "platform/db/Ado.h"
#include "platform/toolkit/Clock.h"
#include "platform/toolkit/Dialogs.h"
#include "platform/toolkit/Pump.h"
#include "platform/toolkit/StringGrid.h"
#include "platform/toolkit/StringList.h"

#include <QMainWindow>
#include <array>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTabBar;
class QTimer;
class QToolButton;

namespace toolkit {
class StringGridView;
}
namespace graph {
class MonitoringChart;
}

// Unit-level lists: they live for the whole process, before and after the window.
extern toolkit::StringList slScratch;
extern toolkit::StringList slMonRequirements;

// The program's one window. Each user action is one handler; the subsystem
// that owns a handler defines it in its own folder and wires it in its own
// wire...() function, called from the constructor.
class TfmBrindle : public QMainWindow {
    Q_OBJECT
public:
    TfmBrindle(toolkit::Dialogs& dialogs, toolkit::Clock& clock, QWidget* parent = nullptr);
    ~TfmBrindle() override;

    // The exit marker hangs off the program file; tests point it elsewhere.
    void SetProgramFile(const QString& path) { sProgramFile = path; }
    QString PanelText(int panel) const;
    void SetPanelText(int panel, const QString& text);

    // ---- Window state, shared by every handler (and read by tests) ----
    bool bLoggedIn = false;
    bool bAbort = false;
    QString sTmpDir;
    QString sSPID;
    QString sResultsFile;
    qint32 iSaveFromRow = 0;
    std::array<char16_t, 256> vTmpStr{};
    QString sProgramFile;

    toolkit::Dialogs& dialogs;
    toolkit::Clock& clock;
    toolkit::Pump pump;

    db::AdoConnection ADOConn;
    db::AdoQuery qryDynamic{ADOConn};
    db::AdoStoredProc spConfigure;

    // ---- Controls ----
    QWidget* paLeft = nullptr;
    QWidget* paLeftTop = nullptr;
    QCheckBox* cbODBC = nullptr;
    QCheckBox* cbOLEDB = nullptr;
    QComboBox* cbDb = nullptr;
    QLabel* lbUser = nullptr;
    QLineEdit* edUser = nullptr;
    QLabel* lbPassword = nullptr;
    QLineEdit* edPassword = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* bbtGetConfigs = nullptr;
    QCheckBox* cbAllConfigs = nullptr;
    QPushButton* bbtSetBrindles = nullptr;
    QWidget* paLeftClient = nullptr;
    QPushButton* bbtGetMonTables = nullptr;
    QLabel* lbAvCols = nullptr;
    QComboBox* cbMonColumns = nullptr;
    toolkit::StringGridView* sgAllCols = nullptr;
    QWidget* paSLQLeftBot = nullptr;
    QCheckBox* cbFullLogging = nullptr;
    QCheckBox* cbLog = nullptr;
    QPushButton* btLogConfiguration = nullptr;
    QPushButton* btLogSQLResults = nullptr;
    QPushButton* btSaveSQLRes = nullptr;
    QCheckBox* cbAutoSaveResult = nullptr;
    QLabel* lbDelim = nullptr;
    QLineEdit* edSeparator = nullptr;
    QPushButton* btSaveSQL = nullptr;
    QPushButton* btLoadSQL = nullptr;

    QWidget* paClient = nullptr;
    QWidget* tbTab = nullptr;
    QTabBar* tbTabStrip = nullptr;
    QToolButton* sbExpandLeft = nullptr;
    QToolButton* sbGraph = nullptr;
    QToolButton* sbFont = nullptr;
    QCheckBox* cbLC = nullptr;
    QCheckBox* cbAutoSave = nullptr;
    QToolButton* sbExpandRight = nullptr;

    QGroupBox* gbBrindles = nullptr;
    QWidget* paConfTop = nullptr;
    QPushButton* btFindConfig = nullptr;
    QLineEdit* edFindConfig = nullptr;
    toolkit::StringGridView* sgMonOptions = nullptr;
    QWidget* paConfBottom = nullptr;

    QGroupBox* gbMonTables = nullptr;
    QFrame* paSortTables = nullptr;
    QToolButton* sbSort1 = nullptr;
    QToolButton* sbSort2 = nullptr;
    QToolButton* sbSort3 = nullptr;
    QToolButton* sbSort4 = nullptr;
    toolkit::StringGridView* sgMonTables = nullptr;
    QSplitter* spSplitSQL = nullptr;
    QLabel* stMonTable = nullptr;
    QLabel* stConfRequired = nullptr;
    toolkit::StringGridView* sgMonColumns = nullptr;
    QLabel* stMonColumn = nullptr;

    QGroupBox* gbSQL = nullptr;
    QWidget* paSQLSelect = nullptr;
    QLabel* lbTbl = nullptr;
    QComboBox* cbTbl = nullptr;
    QPushButton* btAllTbls = nullptr;
    QPushButton* cbTblClear = nullptr;
    QPlainTextEdit* meTblHint = nullptr;
    QLabel* lbCol = nullptr;
    QListWidget* lbCols = nullptr;
    QPushButton* btAllCols = nullptr;
    QPushButton* btAddSQL = nullptr;
    QCheckBox* cbFromAllTbls = nullptr;
    QPlainTextEdit* meColHint = nullptr;
    QWidget* paSQLRight = nullptr;
    QWidget* paSQLText = nullptr;
    QPlainTextEdit* reSQLs = nullptr;
    QPlainTextEdit* meOneByOne = nullptr;
    graph::MonitoringChart* chrtMonitoring = nullptr;
    QLabel* lbTimeAxis = nullptr;
    QLabel* lbValueAxis = nullptr;
    QLabel* lbValueAxis2 = nullptr;
    QComboBox* cbTimeAxis = nullptr;
    QComboBox* cbValueAxis = nullptr;
    QComboBox* cbValueAxis2 = nullptr;
    QPushButton* btSetGraph = nullptr;
    QCheckBox* cbSetRatio = nullptr;
    QLineEdit* edRatio = nullptr;
    QWidget* paSQL1 = nullptr;
    QPushButton* btSQLExec = nullptr;
    QCheckBox* cbOneByOne = nullptr;
    QCheckBox* cbAutoRun = nullptr;
    QLineEdit* edInterval = nullptr;
    QLabel* lbSec = nullptr;
    QCheckBox* cbAppend = nullptr;
    QCheckBox* cbKeepTitle = nullptr;
    QPushButton* bbtClearaResults = nullptr;
    QPushButton* btFind = nullptr;
    QLineEdit* edFind = nullptr;
    QLabel* lbtemplate = nullptr;
    QPushButton* btSaveToTemplate = nullptr;
    QPushButton* bbtLoadTemplates = nullptr;
    QPushButton* btReplaceTmpl = nullptr;
    QSplitter* spSplit = nullptr;
    toolkit::StringGridView* sgSQL = nullptr;

    QGroupBox* gbLog = nullptr;
    QPlainTextEdit* reLog = nullptr;

    std::array<QLabel*, 4> sbStatus{};

    QMenu* popMenu = nullptr;
    QAction* SendToSQL1 = nullptr;
    QAction* SendTblColToSQL1 = nullptr;
    QAction* SendSelectToSQL1 = nullptr;
    QAction* SendSelectToSQL2 = nullptr;
    QMenu* popResults = nullptr;
    QAction* AddtoSQL1 = nullptr;
    QAction* ShowPlan1 = nullptr;
    QAction* KillSpid1 = nullptr;
    QAction* ShowStack1 = nullptr;
    QFont dlgFontFont;

    QTimer* tmExit = nullptr;
    QTimer* tmSaveFile = nullptr;
    QTimer* tmRunSQL = nullptr;

    // ---- Shell: start-up, layout, keys, log ----
    void FormCreate();
    void FormActivate();
    void InitTempDir();
    void tbTabChange();
    void FormResize();
    void tbTabResize();
    void sbExpandLeftClick();
    void sbExpandRightClick();
    void spSplitMoved();
    void FormKeyPress(QChar key);
    void sbFontClick();
    void tmExitTimer();
    void LogStatement(const QString& statement);
    // Chooses a tab from code: unlike a click, it runs no tab-change handler.
    void SetTabIndex(int index);
    int TabIndex() const;

    // ---- Server connection ----
    void btOkClick();
    void edPasswordKeyPress(QChar key);
    void cbODBCClick();
    void cbOLEDBClick();
    // Adds the connected server's name to the server list file when it is new there.
    void UpdateServerList();
    // The items of cbDb from the server list file; cbDb keeps its text. Throws when the
    // file cannot be read.
    void ReloadServerList();
    void wireServerConnection();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildLayout();
    void buildLeftPanel();
    void buildTabs();
    void buildConfigurationsTab();
    void buildMonTablesTab();
    void buildSqlTab();
    void buildSqlComposer();
    void buildSqlText();
    void buildSqlButtonBar();
    void buildLogTab();
    void buildStatusBar();
    void buildMenusAndTimers();
    void wireShell();

    // ---- Query execution and results (exec/) ----
public:
    void btSQLExecClick();
    void ClearGrid(toolkit::StringGrid& grid);
    void cbOneByOneClick(bool checked);
    void tmRunSQLTimer();
    void edIntervalChange();
    void sgSQLClick();
    void sgSQLMouseDown(Qt::MouseButton button, int x, int y);
    void AddtoSQL1Click();
    void btFindClick();
    void bbtClearaResultsClick();
    void btSaveSQLResClick();
    void cbAutoSaveResultClick(bool checked);
    void SaveResults(const QString& fileName, const QString& delimiter, toolkit::StringGrid& grid);
    void btLogSQLResultsClick();

private:
    // An execution, save or log is under way: a second one, a clear or a connect is skipped.
    bool bRunning = false;
    void wireExecution();
    void RunStatements();
    void RunSingle();
    void RunLineByLine();
    void PlaceResultFrom(int row);
    std::optional<QString> AskResultsFile();
};
