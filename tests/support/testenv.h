#pragma once

#include "launcher.h"
#include "usermessages.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

namespace tarnwick::test {

// Waits until `spy` has seen `count` signals. QSignalSpy::wait() misses a
// signal sent from another thread just before the wait begins, and then
// waits out its whole timeout.
inline bool waitEmitted(const QSignalSpy &spy, int ms, qsizetype count = 1)
{
    return QTest::qWaitFor([&] { return spy.size() >= count; }, ms);
}

// Points HOME and the XDG folders at a fresh temporary folder, so nothing a
// test does touches the real home. Must run before the application object.
class IsolatedHome
{
public:
    IsolatedHome();
    ~IsolatedHome();
    IsolatedHome(const IsolatedHome &) = delete;
    IsolatedHome &operator=(const IsolatedHome &) = delete;
    QString path() const { return dir_.path(); }
    QString configHome() const;

private:
    QTemporaryDir dir_;
};

// Records what the controls would have told the user.
class RecordingMessages : public UserMessages
{
public:
    void error(QWidget *, const QString &text) override { errors.append(text); }
    void notice(QWidget *, const QString &text) override { notices.append(text); }
    QStringList notices;
    // Answers from `confirmAnswers` in turn (no when they run out).
    bool confirm(QWidget *, const QString &text) override
    {
        confirmations.append(text);
        return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
    }
    QStringList confirmations;
    QList<bool> confirmAnswers;
    // Answers questions from `answers` in turn (nullopt: Cancel), and records them.
    std::optional<QString> ask(QWidget *, const QString &title, const QString &prompt) override
    {
        questions.append(title + QLatin1Char('|') + prompt);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    QStringList errors;
    QStringList questions;
    QList<std::optional<QString>> answers;
};

// A volume of the test's own: a small tmpfs mounted on a new folder inside
// `parent`, unmounted when this goes. Mounting needs root; where it cannot be
// done, whyNot() says why, for the test to skip with.
class ScratchVolume
{
public:
    explicit ScratchVolume(const QString &parent, const char *size = "16m");
    ~ScratchVolume();
    ScratchVolume(const ScratchVolume &) = delete;
    ScratchVolume &operator=(const ScratchVolume &) = delete;

    bool isMounted() const { return mounted_; }
    const QString &path() const { return path_; }
    QByteArray encodedPath() const { return QFile::encodeName(path_); }
    const QString &whyNot() const { return whyNot_; }

private:
    QString path_;
    QString whyNot_;
    bool mounted_ = false;
};

// Removes a folder and everything below it, whatever the names' bytes.
bool removeTree(const QString &path);

// Records what would have been opened or started.
class RecordingLauncher : public Launcher
{
public:
    bool openUrl(const QUrl &url) override
    {
        urls << url;
        return true;
    }
    bool startDetached(const QString &program, const QStringList &arguments,
                       const QProcessEnvironment *environment, qint64 *) override
    {
        started << (QStringList{program} + arguments);
        environments << (environment ? *environment : QProcessEnvironment());
        return true;
    }
    LaunchResult launch(const QString &app, const QList<QByteArray> &paths) override
    {
        launches << std::pair{app, paths};
        return {};
    }
    LaunchResult startIn(const QList<QByteArray> &argv, const QByteArray &workingDir) override
    {
        startedIn << std::pair{argv, workingDir};
        return {};
    }
    QList<QUrl> urls;
    QList<QStringList> started;
    QList<QProcessEnvironment> environments;
    QList<std::pair<QString, QList<QByteArray>>> launches;
    QList<std::pair<QList<QByteArray>, QByteArray>> startedIn;
};

// Creates the file `path`, named by its bytes, holding `bytes`; false when
// something is there already.
bool makeRawFile(const QByteArray &path, const QByteArray &bytes);

// Writes `bytes` to `path`, creating folders on the way.
bool writeFile(const QString &path, const QByteArray &bytes = {});

// Drops the offscreen platform's notes that say nothing about the program.
// Call once the test run has started (QtTest installs its own handler then).
void quietPlatformNotes();

} // namespace tarnwick::test

// Like QTEST_MAIN, with the isolated home set up first.
#define TARNWICK_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        tarnwick::test::IsolatedHome home;                                                         \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
