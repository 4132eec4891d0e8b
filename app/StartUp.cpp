// Creation, activation, tabs, collapsing panels, the Escape key, the SQL
// editor's font and the exit marker.

#include "app/paBrindles.h"
#include "graph/ChartAdapter.h"
#include "platform/toolkit/EditorLines.h"
#include "platform/toolkit/Environment.h"
#include "platform/toolkit/ProcessSettings.h"
#include "platform/toolkit/StringGridView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

toolkit::StringList slScratch;
toolkit::StringList slMonRequirements;

TfmBrindle::TfmBrindle(toolkit::Dialogs& dialogs, toolkit::Clock& clock, QWidget* parent)
    : QMainWindow(parent), sProgramFile(QCoreApplication::applicationFilePath()), dialogs(dialogs),
      clock(clock) {
    ADOConn.SetConnectionString(
        QStringLiteral("Provider=ASEOLEDB.1;Persist Security Info=False;User "
                       "ID=sa;Data Source=ASEOLEDB32;Initial Catalog=master;"));
    buildLayout();
    wireShell();
    // Each subsystem wires its own handlers here.
    wireServerConnection();
    wireExecution();
    FormCreate();
    for (QTimer* timer : {tmExit, tmSaveFile, tmRunSQL})
        timer->start();
    qApp->installEventFilter(this);
}

TfmBrindle::~TfmBrindle() {
    qApp->removeEventFilter(this);
}

QString TfmBrindle::PanelText(int panel) const {
    return sbStatus[panel]->text();
}

void TfmBrindle::SetPanelText(int panel, const QString& text) {
    sbStatus[panel]->setText(text);
}

void TfmBrindle::wireShell() {
    connect(tbTabStrip, &QTabBar::currentChanged, this, &TfmBrindle::tbTabChange);
    connect(sbExpandLeft, &QToolButton::clicked, this, &TfmBrindle::sbExpandLeftClick);
    connect(sbExpandRight, &QToolButton::clicked, this, &TfmBrindle::sbExpandRightClick);
    connect(sbFont, &QToolButton::clicked, this, &TfmBrindle::sbFontClick);
    connect(spSplit, &QSplitter::splitterMoved, this, &TfmBrindle::spSplitMoved);
    connect(tmExit, &QTimer::timeout, this, &TfmBrindle::tmExitTimer);
}

void TfmBrindle::FormCreate() {
    bLoggedIn = false;
    SetTabIndex(0);
    repaint();
    tbTabChange();
    paSQLSelect->setFixedWidth(1);
    InitTempDir();
    try {
        toolkit::EditorLines(reSQLs).LoadFromFile(sTmpDir + QStringLiteral("/Brindle.sql"));
    } catch (const std::exception&) {
        // No auto-saved SQL yet: the editor starts empty.
    }
}

void TfmBrindle::FormActivate() {
    toolkit::processSettings().shortDateFormat = QStringLiteral("dd/MM/yyyy");
    try {
        ReloadServerList();
    } catch (const std::exception&) {
        // No server list yet: the combo keeps its items.
    }
}

void TfmBrindle::InitTempDir() {
    const QString expanded = toolkit::temporaryDirectory();
    // The buffer keeps what fits, with its terminating null; the directory itself is never cut
    // short.
    const qsizetype kept = std::min<qsizetype>(expanded.size(), qsizetype(vTmpStr.size()) - 1);
    vTmpStr.fill(0);
    std::copy_n(expanded.utf16(), kept, vTmpStr.begin());
    sTmpDir = expanded;
}

void TfmBrindle::SetTabIndex(int index) {
    const QSignalBlocker quiet(tbTabStrip);
    tbTabStrip->setCurrentIndex(index);
}

int TfmBrindle::TabIndex() const {
    return tbTabStrip->currentIndex();
}

void TfmBrindle::tbTabChange() {
    const int index = TabIndex();
    QGroupBox* pages[] = {gbBrindles, gbMonTables, gbSQL, gbLog};
    for (int i = 0; i < 4; ++i)
        pages[i]->setVisible(i == index);
    for (QWidget* control : {static_cast<QWidget*>(sbExpandLeft), static_cast<QWidget*>(sbFont),
                             static_cast<QWidget*>(cbLC), static_cast<QWidget*>(sbGraph),
                             static_cast<QWidget*>(cbAutoSave)})
        control->setVisible(index == 2);
    FormResize();
}

void TfmBrindle::FormResize() {
    sbExpandRight->move(tbTab->width() - 25, 1);
}

void TfmBrindle::tbTabResize() {
    sbExpandRight->move(tbTab->width() - 24, 1);
}

void TfmBrindle::sbExpandLeftClick() {
    paSQLSelect->setFixedWidth(paSQLSelect->width() == 1 ? 175 : 1);
    FormResize();
}

void TfmBrindle::sbExpandRightClick() {
    paLeft->setFixedWidth(paLeft->width() == 1 ? 164 : 1);
    FormResize();
}

void TfmBrindle::spSplitMoved() {
    const QRect editor = reSQLs->geometry();
    const int h = editor.height();
    chrtMonitoring->setGeometry(editor.left() + 1, editor.top() + 1, editor.width() - 2, h - 2);
    const auto place = [](QWidget* control, int left, int top) { control->move(left, top); };
    place(lbTimeAxis, 63, h - 22);
    place(lbValueAxis, 217, h - 22);
    place(lbValueAxis2, 368, h - 22);
    place(cbTimeAxis, 109, h - 27);
    place(cbValueAxis, 240, h - 27);
    place(cbValueAxis2, 392, h - 27);
    place(btSetGraph, 7, h - 27);
    place(cbSetRatio, 537, h - 24);
    place(edRatio, 605, h - 27);
}

void TfmBrindle::FormKeyPress(QChar key) {
    if (key != QChar(27))
        return;
    bAbort = true;
    chrtMonitoring->hide();
    meOneByOne->hide();
}

void TfmBrindle::sbFontClick() {
    if (const std::optional<QFont> chosen = dialogs.ChooseFont(dlgFontFont)) {
        dlgFontFont = *chosen;
        reSQLs->setFont(*chosen);
    }
}

void TfmBrindle::tmExitTimer() {
    if (QFileInfo(toolkit::programFileStem(sProgramFile) + QStringLiteral(".out")).isFile()) {
        close();
        QCoreApplication::quit();
    }
}

bool TfmBrindle::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

bool TfmBrindle::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tbTab && event->type() == QEvent::Resize)
        tbTabResize();
    // The editor changes size whenever paSQLRight or the splitter does, and only after their
    // layouts have run; the chart is laid over it then.
    if (watched == reSQLs && event->type() == QEvent::Resize)
        spSplitMoved();
    if (event->type() == QEvent::KeyPress) {
        // A key travels up from the focused control; the window sees it once, first.
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (watched == target && target->window() == this && !typed.isEmpty())
            FormKeyPress(typed.front());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfmBrindle::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}
