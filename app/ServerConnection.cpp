// Connecting to a server: the connect button, Enter in the password box, the
// two provider check boxes and the server list.

#include "app/ServerConnection.h"
#include "app/paBrindles.h"
#include "platform/toolkit/TextRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

void TfmBrindle::wireServerConnection() {
    connect(btOk, &QPushButton::clicked, this, &TfmBrindle::btOkClick);
    connect(edPassword, &QLineEdit::returnPressed, this, [this] { edPasswordKeyPress(QChar(13)); });
    // toggled, not clicked: a change made from code runs the handler too.
    connect(cbODBC, &QCheckBox::toggled, this, &TfmBrindle::cbODBCClick);
    connect(cbOLEDB, &QCheckBox::toggled, this, &TfmBrindle::cbOLEDBClick);
}

void TfmBrindle::btOkClick() {
    // A connect pressed from the pump of a run, save or log would close the query
    // that run is reading; it is refused like a second run.
    if (bRunning)
        return;
    try {
        ADOConn.Close();
        ADOConn.SetConnectionString(connection::connectionString(
            cbODBC->isChecked(), edUser->text(), cbDb->currentText(), edPassword->text()));
        // Set before the server answers: later actions try this string and report their own
        // errors even when this login fails.
        bLoggedIn = true;
        qryDynamic.Close();
        qryDynamic.SetSQL(connection::ownSpidQuery());
        qryDynamic.Open();
        SetPanelText(3, qryDynamic.FieldText(QStringLiteral("SPID")) + u'@' + cbDb->currentText());
        qryDynamic.Close();
    } catch (const std::exception& failure) {
        dialogs.MessageBox(toolkit::MsgKind::Error,
                           connection::kLoginFailedPrefix + QString::fromUtf8(failure.what()),
                           toolkit::MsgButtons::Ok);
        return;
    }
    UpdateServerList();
    bbtGetMonTables->click();
}

void TfmBrindle::UpdateServerList() {
    try {
        slScratch.Clear();
        const QString name = toolkit::trimText(cbDb->currentText());
        if (QFileInfo::exists(connection::kServerListFile)) {
            slScratch.LoadFromFile(connection::kServerListFile);
            if (slScratch.IndexOf(name) >= 0)
                return;
        }
        slScratch.Add(name);
        slScratch.SaveToFile(connection::kServerListFile);
        ReloadServerList();
    } catch (const std::exception&) {
        // The list is a convenience: a connect that worked stays a success without it.
    }
}

void TfmBrindle::ReloadServerList() {
    toolkit::StringList servers;
    servers.LoadFromFile(connection::kServerListFile);
    const QString shown = cbDb->currentText();
    cbDb->clear();
    cbDb->addItems(servers.Lines);
    cbDb->setEditText(shown);
}

void TfmBrindle::edPasswordKeyPress(QChar key) {
    if (key == QChar(13))
        btOk->click();
}

void TfmBrindle::cbODBCClick() {
    if (cbODBC->isChecked())
        cbOLEDB->setChecked(false);
}

void TfmBrindle::cbOLEDBClick() {
    if (cbOLEDB->isChecked())
        cbODBC->setChecked(false);
}
