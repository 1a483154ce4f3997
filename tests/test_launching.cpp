// Opening files through the desktop's applications, the questions before a
// program runs, and Open Terminal Here. The applications are fakes in the
// test's own data folder whose program writes down how it was called.
#include "applications.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "fileopener.h"
#include "foldermodel.h"
#include "harness.h"
#include "launcher.h"
#include "openwithdialog.h"
#include "rawpaths.h"
#include "terminal.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <sys/stat.h>

#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

using namespace tarnwick;

namespace {

QString dataHome()
{
    return QFile::decodeName(qgetenv("XDG_DATA_HOME"));
}

// Where the fake applications write a line a call: their name and the names
// of the files they were given.
QString callLog()
{
    return dataHome() + QStringLiteral("/calls.log");
}

QStringList calls()
{
    QFile f(callLog());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

bool makeExecutable(const QString &path, const QByteArray &bytes)
{
    return test::writeFile(path, bytes) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A .desktop file in the test's data folder; its program records its calls.
void addApplication(const QString &id, const QString &name, const QString &codes,
                    const QString &mimeTypes, const QString &extra = {})
{
    const QString exec = QStringLiteral("%1/bin/record %2 %3 %4")
                             .arg(dataHome(), callLog(), id.section(QLatin1Char('.'), 0, 0), codes);
    test::writeFile(dataHome() + QStringLiteral("/applications/") + id,
                    QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n"
                                   "MimeType=%3\n%4")
                        .arg(name, exec, mimeTypes, extra)
                        .toUtf8());
}

// Forwards to the desktop's launcher, writing down each start.
class CountingLauncher : public test::RecordingLauncher
{
public:
    LaunchResult launch(const QString &app, const QList<QByteArray> &paths) override
    {
        RecordingLauncher::launch(app, paths);
        return Launcher::system().launch(app, paths);
    }
    LaunchResult startIn(const QList<QByteArray> &argv, const QByteArray &workingDir) override
    {
        RecordingLauncher::startIn(argv, workingDir);
        return Launcher::system().startIn(argv, workingDir);
    }
};

// Answers from scripts, writing down what it was asked.
class ScriptedAsker : public OpenAsker
{
public:
    std::optional<Choice> chooseApplication(QWidget *, const QString &type,
                                            const QString &prompt) override
    {
        chooserPrompts << type + QLatin1Char('|') + prompt;
        return choice;
    }
    RunAnswer askRun(QWidget *, const QString &question, const QString &detail) override
    {
        runQuestions << question + QLatin1Char('|') + detail;
        return run;
    }
    std::optional<Choice> choice;
    RunAnswer run = RunAnswer::Cancel;
    QStringList chooserPrompts;
    QStringList runQuestions;
};

} // namespace

class TestLaunching : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    CountingLauncher launcher_;
    test::RecordingMessages messages_;
    ScriptedAsker asker_;
    QWidget parent_;

    QByteArray file(const QString &name, const QByteArray &bytes = "x")
    {
        const QString path = dir_.filePath(name);
        QFile::remove(path);
        test::writeFile(path, bytes);
        return QFile::encodeName(path);
    }

    FileOpener *opener() { return new FileOpener(&parent_, {&messages_, &launcher_, &asker_}); }

    // Runs `request` on a new opener and waits until it is settled.
    bool settle(const std::function<void(FileOpener *)> &request)
    {
        FileOpener *o = opener();
        QSignalSpy settled(o, &FileOpener::settled);
        request(o);
        return !settled.isEmpty() || settled.wait(10000);
    }

private slots:
    void initTestCase()
    {
        test::quietPlatformNotes();
        QVERIFY(dir_.isValid());
        QVERIFY(makeExecutable(dataHome() + "/bin/record",
                               "#!/bin/sh\nlog=$1; shift\nline=$1; shift\n"
                               "for a; do line=\"$line ${a##*/}\"; done\n"
                               "echo \"$line\" >> \"$log\"\n"));
        addApplication("zed.desktop", "Zed Editor", "%F", "text/plain;");
        addApplication("beta.desktop", "Beta", "%F", "text/plain;");
        addApplication("gamma.desktop", "Gamma", "%f", "text/plain;");
        addApplication("single.desktop", "Single", "%f", "image/png;");
        addApplication("chooser.desktop", "Chooser", "%F", "");
        addApplication("broken.desktop", "Broken", "%F", "text/x-log;",
                       "Path=/nonexistent/folder\n");
        // What the desktop's database tool would index from those files.
        QVERIFY(test::writeFile(dataHome() + "/applications/mimeinfo.cache",
                                "[MIME Cache]\ntext/plain=zed.desktop;beta.desktop;gamma.desktop;\n"
                                "image/png=single.desktop;\ntext/x-log=broken.desktop;\n"));
        QVERIFY(test::writeFile(QFile::decodeName(qgetenv("XDG_CONFIG_HOME")) + "/mimeapps.list",
                                "[Default Applications]\ntext/plain=zed.desktop\n"
                                "text/x-log=broken.desktop\n"));
    }

    // A name that is not UTF-8 is beyond the temporary folder's own clean-up.
    void cleanupTestCase() { test::removeTree(dir_.path()); }

    void init()
    {
        QFile::remove(callLog());
        messages_.errors.clear();
        asker_.chooserPrompts.clear();
        asker_.runQuestions.clear();
        launcher_.launches.clear();
        launcher_.startedIn.clear();
    }

    void openWithMenuOrder_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("entries");
        QTest::addRow("default first")
            << "text/plain" << QStringList{"Zed Editor", "Beta", "Gamma", "Other &Application..."};
        QTest::addRow("no default set")
            << "image/png" << QStringList{"Single", "Other &Application..."};
        QTest::addRow("nothing for it")
            << "application/x-tarnwick-none" << QStringList{"Other &Application..."};
    }
    void openWithMenuOrder()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, entries);
        QMenu menu;
        QString opened;
        bool other = false;
        FileOpener::fillOpenWithMenu(
            menu, type, [&](const QString &id) { opened = id; }, [&] { other = true; });
        QStringList shown;
        for (QAction *a : menu.actions()) {
            if (!a->isSeparator())
                shown << a->text();
        }
        // The recommended ones in any order, between the default and Other.
        if (shown.size() > 2)
            std::sort(shown.begin() + 1, shown.end() - 1);
        QCOMPARE(shown.join(", "), entries.join(", "));
        menu.actions().first()->trigger();
        QCOMPARE(opened.isEmpty(), entries.size() == 1);
        menu.actions().last()->trigger();
        QVERIFY(other);
    }

    void severalFilesOfOneType_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("one call to an application that takes several")
            << QStringList{"a.txt", "b.txt"} << QStringList{"zed a.txt b.txt"};
        QTest::addRow("one call a file otherwise")
            << QStringList{"a.png", "b.png"} << QStringList{"single a.png", "single b.png"};
        QTest::addRow("each type to its own") << QStringList{"a.txt", "b.png", "c.txt"}
                                              << QStringList{"single b.png", "zed a.txt c.txt"};
    }
    void severalFilesOfOneType()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, expected);
        QList<QByteArray> paths;
        for (const QString &name : files)
            paths << file(name, name.endsWith(".png") ? "\x89PNG\r\n\x1a\n" : "x");
        QVERIFY(settle([&](FileOpener *o) { o->open(paths); }));
        QTRY_COMPARE(calls(), expected);
        QCOMPARE(launcher_.launches.size(), expected.size());
        QCOMPARE(messages_.errors, QStringList());
    }

    // Nothing opens the type: the user is asked; Always use makes the
    // choice the default for the desktop's other programs too.
    void noApplicationAsksTheChooser_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<bool>("always");
        QTest::addRow("cancelled") << false << false;
        QTest::addRow("this once") << true << false;
        QTest::addRow("always") << true << true;
    }
    void noApplicationAsksTheChooser()
    {
        QFETCH(bool, chosen);
        QFETCH(bool, always);
        asker_.choice =
            chosen ? std::optional(OpenAsker::Choice{"chooser.desktop", always}) : std::nullopt;
        const QByteArray paper = file("paper.pdf", "%PDF-1.4\n");
        QVERIFY(settle([&](FileOpener *o) { o->open({paper}); }));
        QCOMPARE(asker_.chooserPrompts,
                 QStringList{"application/pdf|No application is set to open “paper.pdf”."});
        if (chosen)
            QTRY_COMPARE(calls(), QStringList{"chooser paper.pdf"});
        else
            QVERIFY(launcher_.launches.isEmpty());
        const auto byDefault = Applications::defaultFor("application/pdf");
        QCOMPARE(byDefault ? byDefault->id : QString(), always ? "chooser.desktop" : QString());
        if (!always)
            return;
        const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
        if (xdgMime.isEmpty())
            QSKIP("no xdg-mime to ask");
        QProcess query;
        query.start(xdgMime, {"query", "default", "application/pdf"});
        QVERIFY(query.waitForFinished());
        QCOMPARE(query.readAllStandardOutput().trimmed(), QByteArray("chooser.desktop"));
    }

    void launchFailureIsReported_data()
    {
        QTest::addColumn<QString>("app"); // empty: the type's default
        QTest::addColumn<QString>("reason");
        QTest::addRow("the system's reason") << QString() << "/nonexistent/folder";
        QTest::addRow("an application gone") << "gone.desktop"
                                             << "gone";
    }
    void launchFailureIsReported()
    {
        QFETCH(QString, app);
        QFETCH(QString, reason);
        const QByteArray log = file("day.log");
        QVERIFY(settle(
            [&](FileOpener *o) { app.isEmpty() ? o->open({log}) : o->openWith(app, {log}); }));
        QCOMPARE(messages_.errors.size(), 1);
        QVERIFY2(messages_.errors.first().contains("“day.log”") &&
                     messages_.errors.first().contains(reason),
                 qPrintable(messages_.errors.first()));
    }

    void programsAskFirst_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("asked"); // the detail's telling part; empty: not asked
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("ran");
        const QByteArray script = "#!/bin/sh\necho ran > ran-marker\n";
        const auto run = int(OpenAsker::RunAnswer::Run);
        const auto text = int(OpenAsker::RunAnswer::OpenAsText);
        const auto cancel = int(OpenAsker::RunAnswer::Cancel);
        QFile elf("/bin/true");
        QVERIFY(elf.open(QIODevice::ReadOnly));
        const QByteArray binary = elf.readAll();
        const QByteArray launcher = "[Desktop Entry]\nType=Application\nName=Marker Maker\nExec=" +
                                    QFile::encodeName(dataHome()) + "/bin/record " +
                                    QFile::encodeName(callLog()) + " launcher\n";
        QTest::addRow("script, run")
            << "tool.sh" << script << true << run << "program" << QStringList() << true;
        QTest::addRow("script, cancel")
            << "tool.sh" << script << true << cancel << "program" << QStringList() << false;
        QTest::addRow("script, as text") << "tool.sh" << script << true << text << "program"
                                         << QStringList{"zed tool.sh"} << false;
        QTest::addRow("script without the bit") << "tool.sh" << script << false << cancel
                                                << QString() << QStringList{"zed tool.sh"} << false;
        QTest::addRow("binary, as text")
            << "tool" << binary << true << text << "program" << QStringList{"zed tool"} << false;
        QTest::addRow("binary, cancel")
            << "tool" << binary << true << cancel << "program" << QStringList() << false;
        QTest::addRow("launcher, run") << "go.desktop" << launcher << true << run
                                       << "“Marker Maker”" << QStringList{"launcher"} << false;
        QTest::addRow("launcher, cancel") << "go.desktop" << launcher << true << cancel
                                          << "“Marker Maker”" << QStringList() << false;
        QTest::addRow("launcher without the bit")
            << "go.desktop" << launcher << false << run << QString()
            << QStringList{"zed go.desktop"} << false;
    }
    void programsAskFirst()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, executable);
        QFETCH(int, answer);
        QFETCH(QString, asked);
        QFETCH(QStringList, calls);
        QFETCH(bool, ran);
        QFile::remove(dir_.filePath("ran-marker"));
        const QByteArray path = file(name, bytes);
        QVERIFY(QFile::setPermissions(QFile::decodeName(path),
                                      QFile::ReadOwner | QFile::WriteOwner |
                                          (executable ? QFile::ExeOwner : QFile::Permissions())));
        asker_.run = OpenAsker::RunAnswer(answer);
        QVERIFY(settle([&](FileOpener *o) { o->open({path}); }));
        if (asked.isEmpty()) {
            QCOMPARE(asker_.runQuestions, QStringList());
        } else {
            QCOMPARE(asker_.runQuestions.size(), 1);
            QVERIFY2(asker_.runQuestions.first().startsWith("Run “" + name + "”?|") &&
                         asker_.runQuestions.first().contains(asked),
                     qPrintable(asker_.runQuestions.first()));
        }
        if (ran)
            QTRY_VERIFY(QFile::exists(dir_.filePath("ran-marker")));
        else
            QVERIFY(!QFile::exists(dir_.filePath("ran-marker")));
        QTRY_COMPARE(::calls(), calls);
        QCOMPARE(launcher_.launches.size() + launcher_.startedIn.size(),
                 calls.size() + (ran ? 1 : 0));
        QCOMPARE(messages_.errors, QStringList());
    }

    void chooserFiltersAsTyped()
    {
        OpenWithDialog dialog("text/plain", "Choose");
        QListWidget *list = dialog.applications();
        const auto shown = [&] {
            QStringList names;
            for (int i = 0; i < list->count(); ++i) {
                if (!list->item(i)->isHidden())
                    names << list->item(i)->text();
            }
            return names;
        };
        QCOMPARE(shown(),
                 (QStringList{"Beta", "Broken", "Chooser", "Gamma", "Single", "Zed Editor"}));
        QTest::keyClicks(dialog.searchBox(), "e");
        QCOMPARE(shown(), (QStringList{"Beta", "Broken", "Chooser", "Single", "Zed Editor"}));
        QTest::keyClicks(dialog.searchBox(), "d");
        QCOMPARE(shown(), QStringList{"Zed Editor"});
        QCOMPARE(dialog.chosenId(), QString("zed.desktop"));
        QTest::keyClicks(dialog.searchBox(), "x");
        QCOMPARE(dialog.chosenId(), QString());
        QVERIFY(!dialog.always());
        dialog.alwaysBox()->setChecked(true);
        QVERIFY(dialog.always());
    }

    void terminalsAreFoundInOrder_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QString>("desktopSetting");
        QTest::addColumn<QStringList>("expected"); // names; the first on PATH
        QTest::addRow("TERMINAL first")
            << QStringList{"myterm", "xdg-terminal-exec"} << QByteArray("myterm") << QString()
            << QStringList{"myterm"};
        QTest::addRow("TERMINAL with arguments")
            << QStringList{"myterm"} << QByteArray("myterm --hold") << QString()
            << QStringList{"myterm", "--hold"};
        QTest::addRow("TERMINAL not installed")
            << QStringList{"x-terminal-emulator", "xterm"} << QByteArray("gone") << QString()
            << QStringList{"x-terminal-emulator"};
        QTest::addRow("xdg-terminal-exec before Debian's")
            << QStringList{"x-terminal-emulator", "xdg-terminal-exec"} << QByteArray() << QString()
            << QStringList{"xdg-terminal-exec"};
        QTest::addRow("the desktop's setting before the common ones")
            << QStringList{"gnome-terminal", "tilix"} << QByteArray() << "tilix"
            << QStringList{"tilix"};
        QTest::addRow("the common ones in order")
            << QStringList{"xterm", "foot", "konsole"} << QByteArray() << QString()
            << QStringList{"konsole"};
        QTest::addRow("none") << QStringList() << QByteArray() << QString() << QStringList();
    }
    void terminalsAreFoundInOrder()
    {
        QFETCH(QStringList, installed);
        QFETCH(QByteArray, variable);
        QFETCH(QString, desktopSetting);
        QFETCH(QStringList, expected);
        QTemporaryDir bin;
        for (const QString &name : installed)
            QVERIFY(makeExecutable(bin.filePath(name), "#!/bin/sh\n"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        qputenv("TERMINAL", variable);
        GSettings *settings = nullptr;
        if (!desktopSetting.isEmpty()) {
            GSettingsSchemaSource *source = g_settings_schema_source_get_default();
            GSettingsSchema *schema =
                source ? g_settings_schema_source_lookup(
                             source, "org.gnome.desktop.default-applications.terminal", TRUE)
                       : nullptr;
            if (!schema) {
                qputenv("PATH", path);
                QSKIP("the desktop's terminal setting is not installed");
            }
            settings = g_settings_new_full(schema, nullptr, nullptr);
            g_settings_schema_unref(schema);
            g_settings_set_string(settings, "exec", desktopSetting.toUtf8().constData());
        }
        const QList<QByteArray> found = Terminal::find();
        qputenv("PATH", path);
        qunsetenv("TERMINAL");
        if (settings) {
            g_settings_reset(settings, "exec");
            g_object_unref(settings);
        }
        QStringList names;
        for (const QByteArray &word : found)
            names << QFile::decodeName(word);
        if (!names.isEmpty()) {
            QCOMPARE(QFileInfo(names.first()).path(), bin.path());
            names.first() = QFileInfo(names.first()).fileName();
        }
        QCOMPARE(names, expected);
    }

    // The terminal starts in the folder itself, whatever bytes name it;
    // with none, the user is told what to do.
    void terminalStartsInTheFolder()
    {
        const QByteArray folder = QFile::encodeName(dir_.path()) + "/odd \xff\x01 folder";
        QVERIFY(rawpath::makeFolders(folder));
        const QString log = dir_.filePath("terminal.log");
        QVERIFY(makeExecutable(dir_.filePath("fake-terminal"),
                               "#!/bin/sh\n/bin/pwd > '" + QFile::encodeName(log) + "'\n"));
        qputenv("TERMINAL", QFile::encodeName(dir_.filePath("fake-terminal")));
        QVERIFY(settle([&](FileOpener *o) { o->openTerminalIn(folder); }));
        QTRY_VERIFY(QFileInfo(log).size() > 0);
        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), rawpath::canonical(folder) + "\n");
        QCOMPARE(messages_.errors, QStringList());

        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir_.filePath("empty")));
        qunsetenv("TERMINAL");
        QVERIFY(settle([&](FileOpener *o) { o->openTerminalIn(folder); }));
        qputenv("PATH", path);
        QCOMPARE(messages_.errors, QStringList{OpenTexts::noTerminal()});
    }

    // The panes' menus offer a terminal in the folder they stand for.
    void openTerminalHereInTheMenus_data()
    {
        QTest::addColumn<bool>("inTree");
        QTest::addColumn<QString>("item"); // in the list; empty: its background
        QTest::addColumn<QString>("expected");
        QTest::addRow("list, a folder") << false << "sub"
                                        << "/sub";
        QTest::addRow("list, background") << false << QString() << "";
        QTest::addRow("tree, its folder") << true << QString() << "";
    }
    void openTerminalHereInTheMenus()
    {
        QFETCH(bool, inTree);
        QFETCH(QString, item);
        QFETCH(QString, expected);
        QTemporaryDir where;
        QDir(where.path()).mkdir("sub");
        qputenv("TERMINAL", QFile::encodeName(dir_.filePath("fake-terminal")));
        test::ExploreHarness h;
        frmExplore &f = h.openOn(where.path(), true);
        ExplorerListView *list = f.CcXploreListView1.get();
        QAbstractItemView *view =
            inTree ? static_cast<QAbstractItemView *>(f.CcXploreTreeView1->view())
                   : list->currentView();
        view->setFocus();
        if (!item.isEmpty())
            view->setCurrentIndex(list->model()->index(list->model()->rowOfName(item), 0));
        else if (!inTree)
            view->setCurrentIndex({});
        bool found = false;
        QSet<QChar> keys;
        QStringList clashes; // two entries of one menu on the same key
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (QAction *a : menu ? menu->actions() : QList<QAction *>()) {
                if (const qsizetype amp = a->text().indexOf('&'); amp >= 0) {
                    const QChar key = a->text().at(amp + 1).toLower();
                    if (keys.contains(key))
                        clashes << a->text();
                    keys.insert(key);
                }
                if (a->text() == "Open Terminal &Here") {
                    found = true;
                    a->trigger();
                }
            }
            if (menu)
                menu->close();
        });
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(found);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(", ")));
        QTRY_COMPARE(h.launcher.startedIn.size(), 1);
        QCOMPARE(h.launcher.startedIn.first().second, QFile::encodeName(where.path() + expected));
        qunsetenv("TERMINAL");
    }
};

// The desktop's applications, settings and types are read once per
// process, so the test's own are in place before anything asks.
int main(int argc, char *argv[])
{
    tarnwick::test::IsolatedHome home;
    // The machine's applications stay out; its type database and settings
    // schemas come in.
    const QString system = home.path() + QStringLiteral("/system");
    QDir().mkpath(system);
    QFile::link(QStringLiteral("/usr/share/mime"), system + QStringLiteral("/mime"));
    QFile::link(QStringLiteral("/usr/share/glib-2.0"), system + QStringLiteral("/glib-2.0"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(system));
    qputenv("GSETTINGS_BACKEND", "memory");
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("TERMINAL");
    QApplication app(argc, argv);
    TestLaunching tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "test_launching.moc"
