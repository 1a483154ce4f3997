// The About box, the registry stand-in it reads the system-information tool
// from, and the start-up splash.
#include "frmabout.h"
#include "frmsplash2.h"
#include "harness.h"
#include "launcher.h"
#include "registry.h"
#include "version.h"

#include <QMouseEvent>
#include <QScreen>

using namespace tarnwick;

namespace {

const QString MsInfo = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString MsInfoLocation = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

// Sends a mouse move with no button held, as the pointer passing over.
void hover(QWidget *w, QPoint at = QPoint(2, 2))
{
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    QString registryFile(const QByteArray &text)
    {
        static int n = 0;
        const QString path = dir_.filePath(QStringLiteral("registry-%1.ini").arg(++n));
        if (!test::writeFile(path, text))
            qWarning("registry file not written");
        return path;
    }

private slots:
    void initTestCase()
    {
        test::quietPlatformNotes();
        QVERIFY(dir_.isValid());
        // No system-information program of the machine's may answer.
        qputenv("PATH", QFile::encodeName(dir_.filePath("bin")));
    }

    void getKeyValue_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("before"); // what KeyVal holds on entry
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("value");

        const QByteArray head = "[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n";
        QTest::newRow("text, kept with its NUL") << head + "PATH=text:/opt/info/tool\n"
                                                 << MsInfo << "PATH"
                                                 << "" << true << "/opt/info/tool";
        QTest::newRow("text without a NUL keeps every character")
            << head + "PATH=bytes(1):2f 61 62\n"
            << MsInfo << "PATH"
            << "" << true << "/ab";
        QTest::newRow("text with its NUL loses only the NUL")
            << head + "PATH=bytes(1):2f 61 62 00\n"
            << MsInfo << "PATH"
            << "" << true << "/ab";
        QTest::newRow("names compare without case") << head + "path=text:x\n"
                                                    << MsInfo.toLower() << "Path"
                                                    << "" << true << "x";
        QTest::newRow("number 256") << head + "Count=number:256\n"
                                    << MsInfo << "Count"
                                    << "left over" << true << "256";
        QTest::newRow("number 0") << head + "Count=number:0\n"
                                  << MsInfo << "Count"
                                  << "" << true << "0";
        QTest::newRow("number, all bits") << head + "Count=number:0xffffffff\n"
                                          << MsInfo << "Count"
                                          << "" << true << "-1";
        QTest::newRow("expandable text: found, value unchanged")
            << head + "PATH=expandable:$HOME/tool\n"
            << MsInfo << "PATH"
            << "" << true << "";
        QTest::newRow("binary: found, value unchanged") << head + "Blob=binary:01 02 ff\n"
                                                        << MsInfo << "Blob"
                                                        << "kept" << true << "kept";
        QTest::newRow("zero length: the empty text") << head + "PATH=bytes(1):\n"
                                                     << MsInfo << "PATH"
                                                     << "x" << true << "";
        QTest::newRow("too big for the buffer")
            << head + "PATH=text:" + QByteArray(1024, 'a') + "\n"
            << MsInfo << "PATH"
            << "x" << false << "";
        QTest::newRow("no such value") << head + "Other=text:x\n"
                                       << MsInfo << "PATH"
                                       << "x" << false << "";
        QTest::newRow("no such key") << head << MsInfoLocation << "MSINFO"
                                     << "x" << false << "";
        QTest::newRow("garbage file") << QByteArray("\x01\x02 not a registry\n") << MsInfo << "PATH"
                                      << "x" << false << "";
        QTest::newRow("a line out of form spoils the file") << head + "PATH=text:/x\nnonsense\n"
                                                            << MsInfo << "PATH"
                                                            << "x" << false << "";
        QTest::newRow("unknown type spoils the file") << head + "PATH=colour:red\n"
                                                      << MsInfo << "PATH"
                                                      << "x" << false << "";
    }

    void getKeyValue()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(QString, before);
        QFETCH(bool, found);
        QFETCH(QString, value);
        const Registry registry(registryFile(file));
        QString keyValue = before;
        QCOMPARE(GetKeyValue(registry, Registry::LocalMachine, key, name, keyValue), found);
        QCOMPARE(keyValue, value);
        // Only the local machine's root holds anything.
        QVERIFY(!GetKeyValue(registry, 0x80000001u, key, name, keyValue));
    }

    void missingOrOddRegistryFiles()
    {
        for (const QString &path :
             {dir_.filePath("none.ini"), dir_.path(), QStringLiteral("/dev/zero")}) {
            const Registry registry(path);
            QString v = "x";
            QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, MsInfoLocation, "MSINFO", v));
            QCOMPARE(v, QString());
        }
        qputenv("TARNWICK_REGISTRY", "/somewhere/registry.ini");
        QCOMPARE(Registry::defaultFile(), QStringLiteral("/somewhere/registry.ini"));
        qunsetenv("TARNWICK_REGISTRY");
        QCOMPARE(Registry::defaultFile(), QStringLiteral("/etc/xdg/tarnwick/registry.ini"));
    }

    // With no "PATH" in the file, the first system-information program on
    // the search path answers.
    void installedToolStandsIn()
    {
        const Registry registry(registryFile("[Other]\nx=text:y\n"));
        QString v;
        QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, MsInfo, "PATH", v));
        const QString bin = dir_.filePath("bin");
        const QString later = bin + "/" + Registry::systemInfoPrograms().last();
        const QString first = bin + "/" + Registry::systemInfoPrograms().at(1);
        for (const QString &tool : {later, first}) {
            QVERIFY(test::writeFile(tool, "#!/bin/sh\n"));
            QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner));
        }
        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, MsInfo, "PATH", v));
        QCOMPARE(v, first);
        // The file's own value wins.
        const Registry named(registryFile("[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
                                          "PATH=text:/opt/mine\n"));
        QVERIFY(GetKeyValue(named, Registry::LocalMachine, MsInfo, "PATH", v));
        QCOMPARE(v, QStringLiteral("/opt/mine"));
        QFile::remove(later);
        QFile::remove(first);
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("starts"); // else the message
        const QString tool = dir_.filePath("tools/sysinfo-tool");
        const QString folder = dir_.filePath("tools");
        QTest::newRow("PATH names the tool")
            << "[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=text:" + tool.toUtf8() + "\n"
            << true;
        QTest::newRow("PATH names a missing file")
            << "[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=text:" + folder.toUtf8() +
                   "/missing\n"
            << false;
        QTest::newRow("PATH of another type: found, empty")
            << "[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=expandable:" + tool.toUtf8() +
                   "\n"
            << false;
        QTest::newRow("PATH empty") << QByteArray("[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
                                                  "PATH=bytes(1):\n")
                                    << false;
        QTest::newRow("folder with the tool")
            << "[SOFTWARE\\Microsoft\\Shared Tools Location]\nMSINFO=text:" + folder.toUtf8() + "\n"
            << true;
        QTest::newRow("folder without the tool")
            << "[SOFTWARE\\Microsoft\\Shared Tools Location]\nMSINFO=text:" + dir_.path().toUtf8() +
                   "\n"
            << false;
        QTest::newRow("nothing at all") << QByteArray() << false;
    }

    // The real launcher starts a real program, detached; the box stays.
    void startSysInfo()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, starts);
        const QString tool = dir_.filePath("tools/sysinfo-tool");
        const QString marker = dir_.filePath("started");
        QFile::remove(marker);
        QVERIFY(test::writeFile(tool, "#!/bin/sh\n: > '" + marker.toUtf8() + "'\n"));
        QVERIFY(QFile::copy(tool, dir_.filePath("tools/MSINFO32.EXE")) ||
                QFileInfo::exists(dir_.filePath("tools/MSINFO32.EXE")));
        for (const QString &t : {tool, dir_.filePath("tools/MSINFO32.EXE")})
            QVERIFY(
                QFile::setPermissions(t, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        test::RecordingMessages messages;
        const Registry registry(registryFile(file));
        frmAbout about(frmAbout::Services{&messages, &Launcher::system(), &registry});
        about.load();
        about.dialog()->show();
        QTest::mouseClick(about.cmdSysInfo.get(), Qt::LeftButton);
        if (starts) {
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(marker), 20000);
            QVERIFY(messages.notices.isEmpty());
        } else {
            QCOMPARE(messages.notices,
                     QStringList{"System Information Is Unavailable At This Time"});
            QVERIFY(!QFileInfo::exists(marker));
        }
        QVERIFY(about.dialog() && about.dialog()->isVisible());
        QVERIFY(messages.errors.isEmpty());
    }

    void aboutBoxAsDesigned()
    {
        test::ExploreHarness h;
        frmExplore &f = h.open();
        QString caption, versionLine;
        QRect geometry;
        QSize client;
        bool centred = false, defaultAndCancel = false;
        QList<TwipsRect> rects;
        int opened = 0;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<AboutWindow *>(QApplication::activeModalWidget());
            if (!d)
                return;
            ++opened;
            auto &a = h.windows.get<frmAbout>(QString::fromLatin1(frmAbout::Name));
            caption = d->windowTitle();
            versionLine = a.lblVersion->text();
            client = d->size();
            const QRect screen = d->screen()->availableGeometry();
            centred = (d->geometry().center() - screen.center()).manhattanLength() <= 2;
            defaultAndCancel = a.cmdOK->isDefault();
            const QList<const TwipsControlBase *> controls{
                &a.lblTitle, &a.lblVersion, &a.txtHomePage, &a.Image1,
                &a.Label1,   &a.Label2,     &a.cmdOK,       &a.cmdSysInfo};
            for (const TwipsControlBase *c : controls)
                rects << c->rect();
            QCOMPARE(a.cmdSysInfo->text(), QStringLiteral("&System Info..."));
            QCOMPARE(a.cmdOK->text(), QStringLiteral("OK"));
            QCOMPARE(a.lblTitle->text(), QStringLiteral("Tarnwick"));
            QVERIFY(!(d->windowFlags() & Qt::WindowMinMaxButtonsHint));
            QVERIFY(!a.Image1->pixmap().isNull());
            // Escape presses OK: the box closes.
            QTest::keyClick(d, Qt::Key_Escape);
        });
        f.menuEntry(QStringLiteral("mnuHelpAbout"))->trigger();
        QCOMPARE(opened, 1);
        QCOMPARE(caption, QStringLiteral("About Tarnwick"));
        QCOMPARE(versionLine, QStringLiteral("Version %1.%2.%3")
                                  .arg(version::Major)
                                  .arg(version::Minor)
                                  .arg(version::Revision));
        QCOMPARE(versionLine, QStringLiteral("Version ") + QString::fromLatin1(version::Text));
        const TwipsScale scale;
        QCOMPARE(client, QSize(scale.toPixels(6135), scale.toPixels(3555)));
        QVERIFY(centred);
        QVERIFY(defaultAndCancel);
        QCOMPARE(rects, (QList<TwipsRect>{{1080, 0, 4845, 1200},
                                          {1080, 1560, 3885, 225},
                                          {120, 2880, 1815, 345},
                                          {240, 360, 480, 480},
                                          {3960, 720, 2205, 825},
                                          {1080, 75, 1335, 1980},
                                          {4680, 2625, 1260, 345},
                                          {2760, 3075, 1245, 345}}));
        QVERIFY(!h.windows.get<frmAbout>(QString::fromLatin1(frmAbout::Name)).isLoaded());

        // Enter presses OK as well; each showing loads afresh.
        QTimer::singleShot(0, [&] {
            if (auto *d = qobject_cast<AboutWindow *>(QApplication::activeModalWidget())) {
                ++opened;
                QTest::keyClick(d, Qt::Key_Return);
            }
        });
        f.menuEntry(QStringLiteral("mnuHelpAbout"))->trigger();
        QCOMPARE(opened, 2);
    }

    // Blue over the link; black again only over the box's own surface, not
    // over a button. A release of any button opens the page; a press alone
    // does not.
    void homePageLink()
    {
        test::RecordingMessages messages;
        test::RecordingLauncher launcher;
        frmAbout about(frmAbout::Services{&messages, &launcher, nullptr,
                                          QStringLiteral("file:///usr/share/doc/index.html")});
        about.load();
        about.dialog()->show();
        QVERIFY(QTest::qWaitForWindowExposed(about.dialog()));
        QLabel *link = about.txtHomePage.get();
        const auto colour = [&] {
            return link->palette().color(QPalette::WindowText).rgb() & 0xffffff;
        };
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link->toolTip(), QStringLiteral("file:///usr/share/doc/index.html"));
        QCOMPARE(colour(), frmAbout::LinkRest);

        hover(link);
        QCOMPARE(colour(), frmAbout::LinkHover);
        hover(about.cmdOK.get());
        QCOMPARE(colour(), frmAbout::LinkHover);
        hover(about.lblVersion.get());
        QCOMPARE(colour(), frmAbout::LinkHover);
        hover(about.dialog(), QPoint(about.dialog()->width() - 3, 3));
        QCOMPARE(colour(), frmAbout::LinkRest);

        QTest::mousePress(link, Qt::LeftButton);
        QVERIFY(launcher.urls.isEmpty());
        QTest::mouseRelease(link, Qt::LeftButton);
        QCOMPARE(launcher.urls, QList<QUrl>{QUrl("file:///usr/share/doc/index.html")});
        QTest::mouseClick(link, Qt::RightButton);
        QTest::mouseClick(link, Qt::MiddleButton);
        QCOMPARE(launcher.urls.size(), 3);
        QVERIFY(about.dialog()->isVisible());
        QVERIFY(messages.errors.isEmpty());
    }

    void homePageThatCannotOpen()
    {
        struct Refusing : test::RecordingLauncher
        {
            bool openUrl(const QUrl &) override { return false; }
        } launcher;
        test::RecordingMessages messages;
        frmAbout about(frmAbout::Services{&messages, &launcher});
        about.load();
        about.dialog()->show();
        QTest::mouseClick(about.txtHomePage.get(), Qt::LeftButton);
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY(messages.errors[0].contains(about.homePage()));
        // The page installed with the program, by default.
        QVERIFY(about.homePage().endsWith("/share/tarnwick/homepage/index.html"));
    }

    void installedHomePageExists()
    {
        frmAbout about;
        if (*version::HomePage)
            QSKIP("built with another home page");
        // The build tree mirrors the installed layout beside the executable.
        const QString page =
            QCoreApplication::applicationDirPath() + "/../share/tarnwick/homepage/index.html";
        QVERIFY2(QFileInfo::exists(page), qPrintable(page));
        QVERIFY(QUrl(about.homePage()).isLocalFile());
    }

    void splash()
    {
        test::ExploreHarness h;
        auto &s = h.windows.get<frmSplash2>(QString::fromLatin1(frmSplash2::Name));
        QVERIFY(!QGuiApplication::overrideCursor());
        QElapsedTimer clock;
        clock.start();
        s.show();
        QWidget *w = s.window();
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(w->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(w->size(), QSize(s.scale().toPixels(4170), s.scale().toPixels(2625)));
        const QRect screen = w->screen()->availableGeometry();
        QVERIFY((w->geometry().center() - screen.center()).manhattanLength() <= 2);
        QCOMPARE(s.Timer1.interval(), 1000);
        QCOMPARE(s.Timer2.interval(), 3000);
        QVERIFY(s.Timer1.isActive() && s.Timer2.isActive());
        // The main window is up behind it, and the wait cursor shows.
        QVERIFY(h.form().isLoaded() && h.form().window()->isVisible());
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        // Hidden meanwhile, the main window comes back with the next tick.
        h.form().window()->hide();
        QVERIFY(QTest::qWaitFor([&] { return h.form().window()->isVisible(); }, 1500));
        QVERIFY(s.isLoaded());
        QVERIFY(QTest::qWaitFor([&] { return !s.isLoaded(); }, 5000));
        QVERIFY(clock.elapsed() >= 2900);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(h.form().window()->isVisible());
    }
};

TARNWICK_TEST_MAIN(TestAbout)
#include "test_about.moc"
