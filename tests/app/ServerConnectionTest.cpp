// Connecting from the window, for the cases that need no answering server:
// a failed login, the strings built from the typed values, the provider boxes
// and the keys that connect.

#include "app/ServerConnection.h"
#include "WindowFixture.h"
#include "platform/db/ConnectionString.h"
#include "platform/toolkit/TextFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class ConnectWindow : public WindowTest {
protected:
    TfmBrindle& typed(const QString& server, const QString& user, const QString& password) {
        TfmBrindle& w = open();
        w.cbDb->setEditText(server);
        w.edUser->setText(user);
        w.edPassword->setText(password);
        return w;
    }
};

} // namespace

TEST_F(ConnectWindow, AFailedLoginShowsTheDriversTextAndLeavesPanelAndListAlone) {
    toolkit::saveTextFile(path("ServerList.ini"), {"PRODSRV"}, toolkit::TextEncoding::Utf8);
    TfmBrindle& w = typed("no_such_dsn_here", "sa", "pw");
    w.SetPanelText(3, "before");
    w.btOk->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const auto& shown = dialogs.messages.front();
    EXPECT_EQ(shown.kind, toolkit::MsgKind::Error);
    EXPECT_EQ(shown.buttons, toolkit::MsgButtons::Ok);
    EXPECT_TRUE(shown.text.startsWith("Login... ")) << shown.text.toStdString();
    EXPECT_TRUE(shown.text.contains("Data source name not found")) << shown.text.toStdString();
    EXPECT_EQ(w.PanelText(3), "before");
    EXPECT_TRUE(w.bLoggedIn) << "a failed attempt still counts as logged in";
    EXPECT_EQ(toolkit::loadTextFile(path("ServerList.ini")).lines, QStringList{"PRODSRV"});
    EXPECT_EQ(w.ADOConn.ConnectionString(),
              "Provider=MSDASQL.1;Persist Security Info=False;User ID=sa;"
              "Data Source=no_such_dsn_here;Initial Catalog=master;Password=pw")
        << "the connection keeps the new string for the next statement";
}

TEST_F(ConnectWindow, TheProviderBoxesExcludeEachOtherOneWayAndNeitherMeansOleDb) {
    TfmBrindle& w = typed("ASE1 ", "sa", "");
    w.cbOLEDB->click();
    EXPECT_TRUE(w.cbOLEDB->isChecked());
    EXPECT_FALSE(w.cbODBC->isChecked());
    w.cbOLEDB->click();
    EXPECT_FALSE(w.cbOLEDB->isChecked());
    EXPECT_FALSE(w.cbODBC->isChecked()) << "unchecking one leaves the other alone";
    w.cbODBC->setChecked(true); // from code, as a click
    w.cbOLEDB->setChecked(true);
    EXPECT_FALSE(w.cbODBC->isChecked());
    w.cbOLEDB->setChecked(false);

    // Nobody answers at ASE1: only the string given to the connection matters here.
    qputenv("FARROWDALE_ASE_DRIVER", "no such driver");
    w.btOk->click();
    qunsetenv("FARROWDALE_ASE_DRIVER");
    EXPECT_EQ(w.ADOConn.ConnectionString(),
              "Provider=ASEOLEDB.1;Persist Security Info=False;User ID=sa;"
              "Data Source=ASE1 ;Initial Catalog=master;Password=");
}

// Separators in a typed value are braced in the string, so that they cannot
// move the server or add a key; plain values go in as typed.
TEST_F(ConnectWindow, SeparatorsInTypedValuesCannotChangeTheString) {
    const struct {
        QString server, user, password;
    } cases[] = {
        {"no_such_dsn", "sa", "x;Data Source=other"},
        {"no_such_dsn", "u;Password=", "{pw}"},
        {"a=b;c", "sa", "}"},
    };
    for (const auto& c : cases) {
        TfmBrindle& w = typed(c.server, c.user, c.password);
        w.btOk->click();
        const db::ConnectionSettings got = db::parseConnectionString(w.ADOConn.ConnectionString());
        EXPECT_EQ(got.dataSource, c.server);
        EXPECT_EQ(got.userId, c.user);
        EXPECT_EQ(got.password, c.password);
        EXPECT_EQ(got.initialCatalog, "master");
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_TRUE(dialogs.messages.back().text.startsWith("Login... "));
        window.reset();
    }
}

TEST_F(ConnectWindow, EnterInThePasswordBoxConnectsAndInOtherBoxesDoesNot) {
    TfmBrindle& w = typed("no_such_dsn", "sa", "");
    QTest::keyClick(w.edUser, Qt::Key_Return);
    QTest::keyClick(w.cbDb, Qt::Key_Return);
    EXPECT_FALSE(w.bLoggedIn);
    EXPECT_TRUE(dialogs.messages.empty());
    QTest::keyClicks(w.edPassword, "pw");
    QTest::keyClick(w.edPassword, Qt::Key_Return);
    EXPECT_TRUE(w.bLoggedIn);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(w.edPassword->text(), "pw");
}
