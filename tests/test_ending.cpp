// The real program, ended every way a user or the session can end it, must
// exit with status 0: under the sanitizer build, any use of freed memory on
// the way out fails here. It runs on a virtual X server, driven by real key
// presses, and waits on what a person would see (a window appearing), never
// on fixed delays.
#include "testenv.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int Patience = 120000; // the sanitizer build starts slowly

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// Runs a command to its end; its standard output, or nullopt on failure.
std::optional<QString> run(const QString &program, const QStringList &args,
                           const QProcessEnvironment &env, int timeoutMs = Patience)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit ||
        p.exitCode() != 0) {
        p.kill();
        p.waitForFinished();
        return std::nullopt;
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

} // namespace

class TestEnding : public QObject
{
    Q_OBJECT

    QProcess xserver_;
    QProcessEnvironment env_;
    QTemporaryDir dir_;

    // Keys as a person presses them, to whatever window has the focus.
    bool keys(const QString &window, const QStringList &keys)
    {
        return run(tool("xdotool"), QStringList{"windowfocus", "--sync", window, "key"} + keys,
                   env_)
            .has_value();
    }
    // The id of a visible window whose title matches, once it shows.
    QString waitWindow(const QString &title, int timeoutMs = Patience)
    {
        return run(tool("xdotool"), {"search", "--sync", "--onlyvisible", "--name", title}, env_,
                   timeoutMs)
            .value_or(QString())
            .section(QLatin1Char('\n'), 0, 0);
    }
    // Opens a window through the menus. A loaded machine may take the keys
    // before the main window counts as active, when the menu's mnemonic
    // does nothing: a person would look, press Escape and try again.
    QString openByKeys(const QString &main, const QStringList &presses, const QString &title)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (!keys(main, presses))
                return {};
            const QString id = waitWindow(title, 15000);
            if (!id.isEmpty())
                return id;
            keys(main, {"Escape"});
        }
        return {};
    }
    // Whether a window whose title matches shows now.
    bool shows(const QString &title)
    {
        return run(tool("xdotool"), {"search", "--onlyvisible", "--name", title}, env_, 10000)
            .has_value();
    }
    // Types a path into the focused field and presses Enter.
    bool enterText(const QString &window, const QString &text)
    {
        return run(tool("xdotool"), {"windowfocus", "--sync", window, "type", text}, env_) &&
               keys(window, {"Return"});
    }

private slots:
    void initTestCase()
    {
        tarnwick::test::quietPlatformNotes();
        if (tool("Xvfb").isEmpty() || tool("xdotool").isEmpty())
            QSKIP("needs Xvfb and xdotool (scripts/install-deps.sh installs them)");
        // Xvfb picks a free display and writes its number to the descriptor.
        int fds[2];
        QVERIFY(pipe(fds) == 0);
        xserver_.setChildProcessModifier([fds] { close(fds[0]); });
        xserver_.start(tool("Xvfb"), {"-displayfd", QString::number(fds[1]), "-screen", "0",
                                      "1280x1024x24", "-nolisten", "tcp"});
        close(fds[1]);
        QVERIFY(xserver_.waitForStarted());
        QByteArray number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        QVERIFY2(!number.isEmpty(), "Xvfb gave no display");
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("DISPLAY", ":" + QString::fromLatin1(number));
        env_.insert("QT_QPA_PLATFORM", "xcb");
        env_.remove("WAYLAND_DISPLAY");
        QVERIFY(dir_.isValid());
    }

    void cleanupTestCase()
    {
        if (xserver_.state() != QProcess::NotRunning) {
            xserver_.terminate();
            xserver_.waitForFinished();
        }
    }

    void startsWhateverTheSettingsFileIs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("directory") << "directory";
    }

    // Whatever sits at the settings path, the window shows, the program
    // ends cleanly, and what was there is left as it was.
    void startsWhateverTheSettingsFileIs()
    {
        QFETCH(QString, kind);
        const QString config = env_.value("XDG_CONFIG_HOME");
        const QString ini = config + "/tarnwick.ini";
        QDir().mkpath(config);
        const QByteArray garbage("\x01\x02[Settings\nview=9\x00\xff", 20);
        if (kind == "garbage")
            QVERIFY(tarnwick::test::writeFile(ini, garbage));
        else if (kind == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
        else if (kind == "zero")
            QVERIFY(QFile::link("/dev/zero", ini));
        else
            QVERIFY(QDir().mkpath(ini));

        QProcess app;
        app.setProcessEnvironment(env_);
        app.start(QStringLiteral(TARNWICK_EXE), {});
        QVERIFY(app.waitForStarted());
        QVERIFY2(!waitWindow("^Tarnwick$").isEmpty(), "the main window never showed");
        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(Patience));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);

        const QFileInfo after(ini);
        if (kind == "garbage") {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), garbage); // reading never rewrites the file
        } else if (kind == "zero") {
            QCOMPARE(after.symLinkTarget(), QStringLiteral("/dev/zero"));
        } else {
            QCOMPARE(after.isDir(), kind == "directory");
        }
        tarnwick::test::removeTree(ini);
        QFile::remove(ini);
    }

    void optionsWriteTheSizeAtTheOrderlyEnd_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("written");
        QTest::newRow("close box") << "closebox" << true;
        QTest::newRow("SIGTERM") << "sigterm" << true;
        QTest::newRow("File > Close") << "fileclose" << false;
    }

    // Opening the dialog gives the main window the stored size (nothing
    // stored: 20000 x 15000 twips, cut to this 1280 x 1024 screen), and the
    // orderly end writes that size back after the main window has closed.
    void optionsWriteTheSizeAtTheOrderlyEnd()
    {
        QFETCH(QString, way);
        QFETCH(bool, written);
        if (way == "closebox" && !QFile::exists(QStringLiteral(XCLOSE_EXE)))
            QSKIP("the close-box helper was not built (no xcb headers)");
        const QString ini = env_.value("XDG_CONFIG_HOME") + "/tarnwick.ini";
        QFile::remove(ini);

        QProcess app;
        app.setProcessEnvironment(env_);
        app.start(QStringLiteral(TARNWICK_EXE), {});
        QVERIFY(app.waitForStarted());
        const QString main = waitWindow("^Tarnwick$");
        QVERIFY2(!main.isEmpty(), "the main window never showed");
        const QString options = openByKeys(main, {"alt+t", "o"}, "^Options$");
        QVERIFY2(!options.isEmpty(), "no Options dialog");
        // Its close box, pressed again should the first press go unheard.
        QTRY_VERIFY_WITH_TIMEOUT(
            run(QStringLiteral(XCLOSE_EXE), {options}, env_) &&
                !run(tool("xdotool"), {"search", "--onlyvisible", "--name", "^Options$"}, env_),
            Patience);
        if (way == "sigterm")
            ::kill(pid_t(app.processId()), SIGTERM);
        for (int press = 0;
             way != "sigterm" && press < 10 && !app.waitForFinished(press ? 3000 : 0); ++press) {
            keys(main, {"Escape"});
            if (way == "closebox")
                run(QStringLiteral(XCLOSE_EXE), {main}, env_);
            else
                keys(main, {"alt+f", "c"});
        }
        QVERIFY(app.state() == QProcess::NotRunning || app.waitForFinished(Patience));
        QCOMPARE(app.exitCode(), 0);

        QSettings file(ini, QSettings::IniFormat);
        QCOMPARE(file.value("Settings/Rename").toString(), QStringLiteral("1"));
        QCOMPARE(file.value("Settings/Height").toString(), written ? "15000" : "");
        QCOMPARE(file.value("Settings/Width").toString(), written ? "19200" : "");
    }

    void endsWithStatusZero_data()
    {
        QTest::addColumn<QString>("before"); // what the user does first
        QTest::addColumn<QString>("way");    // how the program is ended
        QTest::newRow("SIGTERM") << ""
                                 << "sigterm";
        QTest::newRow("SIGINT") << ""
                                << "sigint";
        QTest::newRow("SIGTERM during start-up") << "startup"
                                                 << "sigterm";
        QTest::newRow("SIGINT during start-up") << "startup"
                                                << "sigint";
        QTest::newRow("File > Close") << ""
                                      << "fileclose";
        QTest::newRow("close box") << ""
                                   << "closebox";
        QTest::newRow("close box, Find open") << "find"
                                              << "closebox";
        QTest::newRow("File > Close, Find open") << "find"
                                                 << "fileclose";
        QTest::newRow("SIGTERM, Find open") << "find"
                                            << "sigterm";
        QTest::newRow("Find closed first, then close box") << "findclosed"
                                                           << "closebox";
        QTest::newRow("SIGTERM, Properties open") << "properties"
                                                  << "sigterm";
        QTest::newRow("SIGTERM, Go To prompt open") << "goto"
                                                    << "sigterm";
        QTest::newRow("SIGTERM, Options open") << "options"
                                               << "sigterm";
        QTest::newRow("SIGTERM, printer dialog open") << "print"
                                                      << "sigterm";
        QTest::newRow("SIGTERM, About box open") << "about"
                                                 << "sigterm";
        QTest::newRow("SIGTERM while the splash shows") << "splash"
                                                        << "sigterm";
        QTest::newRow("close box after a print was cancelled") << "printcancelled"
                                                               << "closebox";
        QTest::newRow("SIGTERM, toolbar customising from Options") << "customize"
                                                                   << "sigterm";
        QTest::newRow("SIGTERM while a big folder lists") << "listing"
                                                          << "sigterm";
        QTest::newRow("File > Close while a big folder lists") << "listing"
                                                               << "fileclose";
        QTest::newRow("SIGTERM while a paste runs") << "paste"
                                                    << "sigterm";
        QTest::newRow("SIGHUP while a paste runs") << "paste"
                                                   << "sighup";
    }

    void endsWithStatusZero()
    {
        QFETCH(QString, before);
        QFETCH(QString, way);
        if ((way == "closebox" || before == "findclosed") &&
            !QFile::exists(QStringLiteral(XCLOSE_EXE)))
            QSKIP("the close-box helper was not built (no xcb headers)");

        QProcess app;
        app.setProcessEnvironment(env_);
        // Signals sent during start-up wait, blocked, until the program
        // unblocks them: before its first window, whatever the timing.
        if (before == "startup") {
            app.setChildProcessModifier([] {
                sigset_t set;
                sigemptyset(&set);
                sigaddset(&set, SIGTERM);
                sigaddset(&set, SIGINT);
                sigprocmask(SIG_BLOCK, &set, nullptr);
            });
        }
        app.start(QStringLiteral(TARNWICK_EXE),
                  before == "splash" ? QStringList{"--splash"} : QStringList{});
        QVERIFY(app.waitForStarted());
        const auto pid = pid_t(app.processId());
        const int signo = way == "sigint" ? SIGINT : way == "sighup" ? SIGHUP : SIGTERM;

        if (before == "startup") {
            ::kill(pid, signo);
        } else {
            const QString main = waitWindow("^Tarnwick$");
            QVERIFY2(!main.isEmpty(), "the main window never showed");
            if (before == "find" || before == "findclosed") {
                const QString find = openByKeys(main, {"alt+t", "f"}, "^Find");
                QVERIFY2(!find.isEmpty(), "the Find window never showed");
                // A close box pressed the instant a window maps can go
                // unheard; a person would press it again.
                if (before == "findclosed") {
                    QTRY_VERIFY_WITH_TIMEOUT(
                        keys(main, {"Escape"}) && run(QStringLiteral(XCLOSE_EXE), {find}, env_) &&
                            !run(tool("xdotool"), {"search", "--onlyvisible", "--name", "^Find"},
                                 env_),
                        Patience);
                }
            } else if (before == "properties") {
                // Properties of the tree's folder: Tab from the address box
                // through the filter box to the tree.
                QVERIFY(keys(main, {"Tab", "Tab"}));
                QVERIFY2(!openByKeys(main, {"alt+f", "p"}, "^Properties").isEmpty(),
                         "no Properties window");
            } else if (before == "options" || before == "customize") {
                const QString options = openByKeys(main, {"alt+t", "o"}, "^Options$");
                QVERIFY2(!options.isEmpty(), "no Options dialog");
                if (before == "customize") {
                    // Alt+C is both Customize and Cancel: Tab to the button.
                    QVERIFY(keys(options, {"Tab", "Tab", "Tab", "Tab", "space"}));
                    QVERIFY2(!waitWindow("^Customize Toolbar$").isEmpty(), "no customise dialog");
                }
            } else if (before == "print" || before == "printcancelled") {
                // File > Print: the last entry but one.
                const QString print = openByKeys(main, {"alt+f", "Up", "Up", "Return"}, "^Print$");
                QVERIFY2(!print.isEmpty(), "no printer dialog");
                // Escape cancels; pressed again only while the dialog
                // still shows (focusing a window that has gone would wait
                // for ever).
                for (int press = 0; before == "printcancelled" && shows("^Print$"); ++press) {
                    QVERIFY2(press < 5, "the printer dialog did not close");
                    keys(print, {"Escape"});
                    if (QTest::qWaitFor([&] { return !shows("^Print$"); }, 10000))
                        break;
                }
            } else if (before == "about") {
                QVERIFY2(!openByKeys(main, {"alt+h", "a"}, "^About Tarnwick$").isEmpty(),
                         "no About box");
            } else if (before == "goto") {
                QVERIFY2(!openByKeys(main, {"alt+t", "g"}, "^Go To Folder").isEmpty(),
                         "no Go To prompt");
            } else if (before == "listing") {
                const QString big = dir_.filePath("big");
                if (!QFileInfo::exists(big)) {
                    QDir().mkpath(big);
                    for (int i = 0; i < 30000; ++i)
                        QFile(big + QStringLiteral("/file %1.txt").arg(i))
                            .open(QIODevice::WriteOnly);
                }
                // The address box has the focus first.
                QVERIFY(enterText(main, big));
            } else if (before == "paste") {
                const QString from = dir_.filePath("from"), to = dir_.filePath("to");
                QDir(to).removeRecursively();
                QDir().mkpath(to);
                if (!QFileInfo::exists(from)) {
                    QDir().mkpath(from + "/payload");
                    QFile f(from + "/payload/data.bin");
                    QVERIFY(f.open(QIODevice::WriteOnly));
                    const QByteArray block(1 << 20, 'x');
                    for (int i = 0; i < 256; ++i)
                        f.write(block);
                }
                // Copy the folder from the list, paste it elsewhere.
                QVERIFY(enterText(main, from));
                QVERIFY(keys(main, {"Tab", "Tab", "Tab"}));
                QVERIFY(keys(main, {"Home", "space", "ctrl+c"}));
                QVERIFY(keys(main, {"shift+Tab", "shift+Tab", "shift+Tab", "ctrl+a"}));
                QVERIFY(enterText(main, to));
                QVERIFY(keys(main, {"Tab", "Tab", "Tab", "ctrl+v"}));
            }
            if (way == "sigterm" || way == "sigint" || way == "sighup")
                ::kill(pid, signo);
            // Pressed again while the program is still there: see openByKeys,
            // and a close box pressed the instant its window maps.
            else if (way == "fileclose")
                for (int press = 0; press < 10 && !app.waitForFinished(press ? 5000 : 0); ++press)
                    keys(main, {"Escape", "alt+f", "c"});
            else
                for (int press = 0; press < 10 && !app.waitForFinished(press ? 3000 : 0); ++press) {
                    // A menu left open by a lost key would hold the close box.
                    keys(main, {"Escape"});
                    run(QStringLiteral(XCLOSE_EXE), {main}, env_);
                }
        }

        if (app.state() != QProcess::NotRunning && !app.waitForFinished(Patience)) {
            // Say what was on the screen: a window left open tells why.
            QStringList shown;
            const QString ids =
                run(tool("xdotool"), {"search", "--onlyvisible", "--name", "."}, env_, 10000)
                    .value_or(QString());
            for (const QString &id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                shown << run(tool("xdotool"), {"getwindowname", id}, env_, 10000).value_or(id);
            app.kill();
            app.waitForFinished();
            QFAIL(qPrintable("the program did not end; windows shown: " + shown.join(" | ") + "\n" +
                             QString::fromLocal8Bit(app.readAllStandardError())));
        }
        const QByteArray err = app.readAllStandardError();
        QVERIFY2(app.exitStatus() == QProcess::NormalExit, err.constData());
        QVERIFY2(app.exitCode() == 0, err.constData());
        QVERIFY2(!err.contains("AddressSanitizer") && !err.contains("runtime error"),
                 err.constData());
        // The cancelled copy took its part files with it.
        QDirIterator it(dir_.filePath("to"), QDir::AllEntries | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (before == "paste" && it.hasNext())
            QVERIFY2(!it.next().contains(".tarnwick-part"), qPrintable(it.filePath()));
    }
};

TARNWICK_TEST_MAIN(TestEnding)
#include "test_ending.moc"
