#include "platform/toolkit/Dialogs.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

namespace toolkit {

MsgResult QtDialogs::MessageBox(MsgKind kind, const QString& text, MsgButtons buttons) {
    static constexpr QMessageBox::Icon icons[] = {QMessageBox::Critical, QMessageBox::Warning,
                                                  QMessageBox::Information, QMessageBox::Question};
    QMessageBox box(
        icons[int(kind)], QString(), text,
        buttons == MsgButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No, owner_);
    const int pressed = box.exec();
    if (buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    return pressed == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
}

std::optional<QString> QtDialogs::SaveFile(const QString& initialDir, const QString& fileName) {
    const QString chosen =
        QFileDialog::getSaveFileName(owner_, QString(), initialDir + u'/' + fileName);
    return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
}

std::optional<QString> QtDialogs::OpenFile(const QString& initialDir, const QString& fileName) {
    const QString chosen =
        QFileDialog::getOpenFileName(owner_, QString(), initialDir + u'/' + fileName);
    return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
}

std::optional<QFont> QtDialogs::ChooseFont(const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, owner_);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

void QtDialogs::Popup(QMenu& menu, QPoint screenPos) {
    menu.popup(screenPos);
}

void QtDialogs::ShellOpen(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

MsgResult ScriptedDialogs::MessageBox(MsgKind kind, const QString& text, MsgButtons buttons) {
    messages.push_back({kind, text, buttons});
    if (buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    if (answers.empty())
        return MsgResult::No;
    const MsgResult answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::nextFile(const QString& initialDir,
                                                 const QString& fileName) {
    fileRequests.push_back({initialDir, fileName});
    if (fileAnswers.empty())
        return std::nullopt;
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}

std::optional<QString> ScriptedDialogs::SaveFile(const QString& initialDir,
                                                 const QString& fileName) {
    return nextFile(initialDir, fileName);
}

std::optional<QString> ScriptedDialogs::OpenFile(const QString& initialDir,
                                                 const QString& fileName) {
    return nextFile(initialDir, fileName);
}

std::optional<QFont> ScriptedDialogs::ChooseFont(const QFont&) {
    if (fontAnswers.empty())
        return std::nullopt;
    std::optional<QFont> answer = fontAnswers.front();
    fontAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::Popup(QMenu& menu, QPoint screenPos) {
    PopupShown shown{{}, {}, screenPos};
    for (QAction* action : menu.actions()) {
        shown.captions.append(action->text());
        shown.enabled.push_back(action->isEnabled());
    }
    popups.push_back(shown);
}

} // namespace toolkit
