#pragma once

#include "applications.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

class QMenu;

namespace tarnwick {

class Launcher;
class UserMessages;

// What opening a file asks the user. Tests substitute a scripted one.
class OpenAsker
{
public:
    enum class RunAnswer
    {
        Run,
        OpenAsText,
        Cancel
    };
    struct Choice
    {
        QString appId;
        bool always = false; // make it the type's default
    };
    virtual ~OpenAsker() = default;
    // An application for files of `contentType`; nullopt on Cancel.
    // `prompt` says what is to be opened, or why the user is asked.
    virtual std::optional<Choice> chooseApplication(QWidget *parent, const QString &contentType,
                                                    const QString &prompt) = 0;
    // Whether to run a program or a launcher; Cancel is the default.
    virtual RunAnswer askRun(QWidget *parent, const QString &question, const QString &detail) = 0;

    // The Open With dialog and a message box.
    static OpenAsker &dialogs();
};

// The texts of opening, one place for each.
namespace OpenTexts {
QString noApplication(const QString &name);
QString chooseFor(const QString &name);
QString openFailed(const QString &names, const QString &reason);
QString runQuestion(const QString &name);
QString programDetail();
QString launcherDetail(const QString &appName, const QString &exec);
QString noTerminal();
QString terminalFailed(const QString &folder, const QString &reason);
} // namespace OpenTexts

// One request to open files or a terminal. Reading what the files are and
// looking for a terminal run off the window's thread; the questions, the
// launch and any failure come back on it. The object goes once its request
// is settled, with settled() as its last word.
class FileOpener : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        UserMessages *messages;
        Launcher *launcher;
        OpenAsker *asker;
    };
    FileOpener(QWidget *parent, Services services);

    // Each file with its type's default application (asking for one where
    // there is none); files of one type go in one call to an application
    // that takes several. A program or an executable launcher runs only
    // after the user says so.
    void open(const QList<QByteArray> &paths);
    // With the application `appId`.
    void openWith(const QString &appId, const QList<QByteArray> &paths);
    // With an application the user chooses for `contentType`.
    void chooseFor(const QList<QByteArray> &paths, const QString &contentType);
    // The user's terminal, started in `folder`.
    void openTerminalIn(const QByteArray &folder);

    // Fills `menu` with the applications for `contentType`: the default
    // first, then the others that say they open it, then "Other
    // Application...", which asks with the chooser.
    static void fillOpenWithMenu(QMenu &menu, const QString &contentType,
                                 const std::function<void(const QString &appId)> &openWith,
                                 const std::function<void()> &other);

signals:
    void settled();

private:
    struct Found
    {
        FileFacts facts;
        std::optional<std::pair<QString, QString>> launcher; // name, exec
    };
    void openFound(const QList<Found> &found);
    // Asks whether to run; true when it was dealt with (run or cancelled),
    // false to open it as text.
    bool runOrSkip(const Found &file, const QString &question, const QString &detail);
    void openType(const QString &contentType, const QList<QByteArray> &paths);
    void launchAll(const Application &app, const QList<QByteArray> &paths);
    void finish();

    QPointer<QWidget> parent_;
    Services services_;
};

} // namespace tarnwick
