#pragma once

#include <QFont>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

class QMenu;
class QWidget;

// Every modal question the window asks goes through this interface, so tests
// answer from a script instead of blocking on a real dialog.
namespace toolkit {

enum class MsgKind { Error, Warning, Information, Confirmation };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgResult MessageBox(MsgKind kind, const QString& text, MsgButtons buttons) = 0;
    virtual std::optional<QString> SaveFile(const QString& initialDir, const QString& fileName) = 0;
    virtual std::optional<QString> OpenFile(const QString& initialDir, const QString& fileName) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont& initial) = 0;
    virtual void Popup(QMenu& menu, QPoint screenPos) = 0;
    virtual void ShellOpen(const QString& path) = 0;
};

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }
    MsgResult MessageBox(MsgKind kind, const QString& text, MsgButtons buttons) override;
    std::optional<QString> SaveFile(const QString& initialDir, const QString& fileName) override;
    std::optional<QString> OpenFile(const QString& initialDir, const QString& fileName) override;
    std::optional<QFont> ChooseFont(const QFont& initial) override;
    void Popup(QMenu& menu, QPoint screenPos) override;
    void ShellOpen(const QString& path) override;

private:
    QWidget* owner_;
};

// Answers from queues and records what was asked; an empty queue answers
// OK / No / cancel, so a test never blocks.
class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        MsgKind kind;
        QString text;
        MsgButtons buttons;
    };
    struct FileRequest {
        QString initialDir;
        QString fileName;
    };
    struct PopupShown {
        QStringList captions;
        std::vector<bool> enabled;
        QPoint position;
    };

    std::deque<MsgResult> answers;
    std::deque<QString> fileAnswers; // an empty name cancels the dialog
    std::deque<std::optional<QFont>> fontAnswers;

    std::vector<Message> messages;
    std::vector<FileRequest> fileRequests;
    std::vector<PopupShown> popups;
    QStringList shellOpened;

    MsgResult MessageBox(MsgKind kind, const QString& text, MsgButtons buttons) override;
    std::optional<QString> SaveFile(const QString& initialDir, const QString& fileName) override;
    std::optional<QString> OpenFile(const QString& initialDir, const QString& fileName) override;
    std::optional<QFont> ChooseFont(const QFont& initial) override;
    void Popup(QMenu& menu, QPoint screenPos) override;
    void ShellOpen(const QString& path) override { shellOpened.append(path); }

private:
    std::optional<QString> nextFile(const QString& initialDir, const QString& fileName);
};

} // namespace toolkit
