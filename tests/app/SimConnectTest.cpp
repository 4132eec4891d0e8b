// Connecting from the window to the simulated server: the own process id in
// status panel 3, the server list file and the catalogue load that follows.

#include "ProgramRun.h"
#include "WindowFixture.h"
#include "platform/toolkit/TextFile.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace programrun;

namespace {

class SimConnect : public WindowTest {
protected:
    TfmBrindle& connectTo(const QString& server) {
        TfmBrindle& w = window ? *window : open();
        w.cbDb->setEditText(server);
        w.btOk->click();
        return w;
    }
    QStringList serverList() const { return toolkit::loadTextFile(path("ServerList.ini")).lines; }
};

} // namespace

TEST_F(SimConnect, AConnectShowsTheOwnProcessIdAndStartsTheServerList) {
    TfmBrindle& w = open();
    QSignalSpy catalogue(w.bbtGetMonTables, &QPushButton::clicked);
    connectTo("sim::memory:");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
    EXPECT_TRUE(QRegularExpression("^[0-9]+@sim::memory:$").match(w.PanelText(3)).hasMatch())
        << w.PanelText(3).toStdString();
    EXPECT_FALSE(w.qryDynamic.Active());
    EXPECT_EQ(serverList(), QStringList{"sim::memory:"});
    EXPECT_EQ(w.cbDb->count(), 1) << "the items are reloaded from the new file";
    EXPECT_EQ(w.cbDb->currentText(), "sim::memory:");
    EXPECT_EQ(catalogue.count(), 1) << "the catalogue load follows a successful connect";
}

TEST_F(SimConnect, TheListTakesEachNameOnceTrimmedAndKeepsItsFirstSpelling) {
    toolkit::saveTextFile(path("ServerList.ini"), {"PRODSRV", "SIM:Demo"},
                          toolkit::TextEncoding::Utf8);
    connectTo("sim:demo");
    EXPECT_EQ(serverList(), QStringList({"PRODSRV", "SIM:Demo"}));
    connectTo("sim:other \t");
    EXPECT_TRUE(window->PanelText(3).endsWith("@sim:other \t"))
        << "the panel shows the text as typed";
    EXPECT_EQ(serverList(), QStringList({"PRODSRV", "SIM:Demo", "sim:other"}));
    EXPECT_TRUE(dialogs.messages.empty());
    QFile raw(path("ServerList.ini"));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.readAll(), "PRODSRV\r\nSIM:Demo\r\nsim:other\r\n");
}

TEST_F(SimConnect, AServerListThatCannotBeWrittenDoesNotSpoilTheConnect) {
    QDir(dir.path()).mkdir("ServerList.ini");
    TfmBrindle& w = open();
    QSignalSpy catalogue(w.bbtGetMonTables, &QPushButton::clicked);
    connectTo("sim::memory:");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(w.PanelText(3).endsWith("@sim::memory:"));
    EXPECT_EQ(catalogue.count(), 1);
}

TEST_F(SimConnect, EnterInThePasswordBoxConnects) {
    TfmBrindle& w = open();
    w.cbDb->setEditText("sim::memory:");
    QTest::keyClick(w.edPassword, Qt::Key_Enter);
    EXPECT_TRUE(w.PanelText(3).endsWith("@sim::memory:")) << w.PanelText(3).toStdString();
}

TEST_F(SimConnect, AFailedConnectLeavesTheLastGoodOneOnThePanel) {
    TfmBrindle& w = connectTo("sim::memory:");
    const QString connected = w.PanelText(3);
    QSignalSpy catalogue(w.bbtGetMonTables, &QPushButton::clicked);
    connectTo("no_such_dsn_here");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages.front().text.startsWith("Login... "));
    EXPECT_EQ(w.PanelText(3), connected);
    EXPECT_EQ(serverList(), QStringList{"sim::memory:"});
    EXPECT_EQ(catalogue.count(), 0);
}

TEST(DemoProgram, TheDemoConnectsToTheSimulatedServerAndListsIt) {
    QTemporaryDir dir;
    QProcess process;
    startProgram(process, programCopy(dir), {"--demo"}, dir.path());
    const QString list = dir.filePath("ServerList.ini");
    QElapsedTimer waited;
    waited.start();
    // Generous bound, for a loaded machine: it connects within a few seconds.
    while (!QFile::exists(list) && waited.elapsed() < 60000 && process.state() == QProcess::Running)
        process.waitForFinished(100);
    touch(dir.filePath("farrowdale.out"));
    const ProgramRun run = waitForEnd(process);
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_TRUE(QFile::exists(list));
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "sim:demo\r\n");
}
