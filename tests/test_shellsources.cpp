#include "desktopentries.h"
#include "mounts.h"
#include "testenv.h"

#include <QProcess>

using namespace tarnwick;

class TestShellSources : public QObject
{
    Q_OBJECT

    QString work() const { return QDir::homePath() + QStringLiteral("/work"); }
    QString dataHome() const { return qEnvironmentVariable("XDG_DATA_HOME"); }

private slots:
    void initTestCase()
    {
        const QString home = QDir::homePath();
        qputenv("XDG_DATA_DIRS", QFile::encodeName(home + "/sys1:relative:" + home + "/sys2"));
        qputenv("XDG_CURRENT_DESKTOP", "TestDesk:Other");
    }
    void init()
    {
        const QString home = QDir::homePath();
        for (const QString &d : {work(), dataHome() + "/applications", home + "/sys1",
                                 home + "/sys2", home + "/relative"})
            QVERIFY(test::removeTree(d));
        QVERIFY(QDir().mkpath(work()));
        QLocale::setDefault(QLocale::c());
    }

    // ---- desktop entries ----

    void settingsFilter_data()
    {
        QTest::addColumn<QByteArray>("keys"); // these come first, so they win
        QTest::addColumn<bool>("listed");
        QTest::newRow("settings application") << QByteArray() << true;
        QTest::newRow("among other categories") << QByteArray("Categories=GTK;Settings;") << true;
        QTest::newRow("other category") << QByteArray("Categories=Utility;") << false;
        QTest::newRow("similar category") << QByteArray("Categories=X-Settings;SettingsX") << false;
        QTest::newRow("NoDisplay") << QByteArray("NoDisplay=true") << false;
        QTest::newRow("NoDisplay false") << QByteArray("NoDisplay=false") << true;
        QTest::newRow("Hidden") << QByteArray("Hidden=true") << false;
        QTest::newRow("a link") << QByteArray("Type=Link") << false;
        QTest::newRow("TryExec missing") << QByteArray("TryExec=/nonexistent/tool") << false;
        QTest::newRow("TryExec absolute") << QByteArray("TryExec=/bin/sh") << true;
        QTest::newRow("TryExec on PATH") << QByteArray("TryExec=sh") << true;
        QTest::newRow("TryExec not on PATH") << QByteArray("TryExec=no-such-tool-here") << false;
        QTest::newRow("unusable Exec") << QByteArray("Exec=\"open quote") << false;
        QTest::newRow("only on another desktop") << QByteArray("OnlyShowIn=KDE;") << false;
        QTest::newRow("only on this desktop") << QByteArray("OnlyShowIn=KDE;Other;") << true;
        QTest::newRow("not on this desktop") << QByteArray("NotShowIn=TestDesk;") << false;
        QTest::newRow("no name") << QByteArray("Name=") << false;
        QTest::newRow("garbage") << QByteArray("\x01\x02\xff\n=\n[[[") << false;
    }
    void settingsFilter()
    {
        QFETCH(QByteArray, keys);
        QFETCH(bool, listed);
        const QString apps = dataHome() + "/applications/";
        QVERIFY(test::writeFile(apps + "display.desktop",
                                keys.startsWith('\x01')
                                    ? keys
                                    : "[Desktop Entry]\n" + keys +
                                          "\nType=Application\nName=Display\nExec=display --x\n"
                                          "Categories=Settings;\n[Desktop Action a]\nName=No\n"));
        // Keys of other groups count for nothing.
        QVERIFY(test::writeFile(apps + "plain.desktop",
                                "[Desktop Entry]\nType=Application\nName=Plain\nExec=plain\n"
                                "[Desktop Action s]\nCategories=Settings;\n"));
        const QList<DesktopApp> found = settingsApplications();
        QCOMPARE(found.size(), listed ? 1 : 0);
        if (listed) {
            QCOMPARE(found.first().id, "display.desktop");
            QCOMPARE(found.first().name, "Display");
            QCOMPARE(tarnwick::execArguments(found.first().exec), (QStringList{"display", "--x"}));
        }
    }

    void shadowingAndOrder()
    {
        const QString home = dataHome() + "/applications/",
                      sys1 = QDir::homePath() + "/sys1/applications/",
                      sys2 = QDir::homePath() + "/sys2/applications/";
        const auto entry = [](const char *name) {
            return "[Desktop Entry]\nType=Application\nExec=x\nCategories=Settings;\nName=" +
                   QByteArray(name);
        };
        QVERIFY(test::writeFile(home + "foo.desktop", entry("gamma (home)")));
        QVERIFY(test::writeFile(sys1 + "foo.desktop", entry("gamma (system)")));
        QVERIFY(test::writeFile(sys1 + "kde/bar.desktop", entry("Beta")));
        QVERIFY(test::writeFile(sys2 + "kde-bar.desktop", entry("Beta (shadowed)")));
        QVERIFY(test::writeFile(home + "gone.desktop", "[Desktop Entry]\nHidden=true\n"));
        QVERIFY(test::writeFile(sys2 + "gone.desktop", entry("Removed by the user")));
        QVERIFY(test::writeFile(home + "broken.desktop", "not a desktop file at all"));
        QVERIFY(test::writeFile(sys2 + "broken.desktop", entry("alpha")));
        // Relative entries of XDG_DATA_DIRS are ignored, wherever we are.
        QDir::setCurrent(QDir::homePath());
        QVERIFY(test::writeFile(QDir::homePath() + "/relative/applications/r.desktop", entry("R")));
        QStringList seen;
        for (const DesktopApp &a : settingsApplications())
            seen << a.id + ':' + a.name;
        QCOMPARE(seen, (QStringList{"broken.desktop:alpha", "kde-bar.desktop:Beta",
                                    "foo.desktop:gamma (home)"}));
    }

    void readDesktopFile_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("name"); // null: not a desktop file
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QStringList>("command");
        const QByteArray local = "[Desktop Entry]\nName=Display\nName[de]=Anzeige\n"
                                 "Name[de_CH]=Bildschirm\nComment=Screens\nComment[de]=Monitore\n"
                                 "Name[fr]=\nExec=d\n";
        QTest::newRow("C") << "C" << local << "Display"
                           << "Screens" << QStringList{"d"};
        QTest::newRow("language") << "de_DE" << local << "Anzeige"
                                  << "Monitore" << QStringList{"d"};
        QTest::newRow("language and country") << "de_CH" << local << "Bildschirm"
                                              << "Monitore" << QStringList{"d"};
        QTest::newRow("empty translation") << "fr_FR" << local << "Display"
                                           << "Screens" << QStringList{"d"};
        // File escapes first, then the quoting of Exec.
        QTest::newRow("escapes") << "C"
                                 << QByteArray("[Desktop Entry]\nName=A\\sB\\\\C\\tD\\q\n"
                                               "Exec=sh -c \"echo \\\\\\\\$HOME \\\\\"x\\\\\"\"\n")
                                 << "A B\\C\tD\\q"
                                 << "" << QStringList{"sh", "-c", "echo \\$HOME \"x\""};
        QTest::newRow("spaces around =, first key wins")
            << "C" << QByteArray("[Desktop Entry]\nName = First \nName=Second\nExec = a  b\n")
            << "First"
            << "" << QStringList{"a", "b"};
        QTest::newRow("keys outside the group")
            << "C" << QByteArray("Name=Before\n[Desktop Entry]\n[Other]\nName=After\n") << ""
            << "" << QStringList{};
        QTest::newRow("no group") << "C" << QByteArray("Name=Loose\nExec=x\n") << QString() << ""
                                  << QStringList{};
        QTest::newRow("binary") << "C" << QByteArray("\0\xff\xfe[Desk\0top Entry]", 19) << QString()
                                << "" << QStringList{};
    }
    void readDesktopFile()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, text);
        QFETCH(QString, name);
        QLocale::setDefault(QLocale(locale));
        QVERIFY(test::writeFile(work() + "/x.desktop", text));
        bool ok = name.isNull();
        const DesktopApp app = tarnwick::readDesktopFile(work() + "/x.desktop", &ok);
        QCOMPARE(ok, !name.isNull());
        QCOMPARE(app.name, name.isNull() ? QString() : name);
        QTEST(app.comment, "comment");
        QTEST(tarnwick::execArguments(app.exec), "command");
    }

    void execArguments_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("args"); // empty: refused
        QTest::newRow("plain") << "tool --a b" << QStringList{"tool", "--a", "b"};
        QTest::newRow("repeated spaces") << "  tool   b  " << QStringList{"tool", "b"};
        QTest::newRow("quoted spaces")
            << "\"/opt/my tool\" \"a b\"" << QStringList{"/opt/my tool", "a b"};
        QTest::newRow("quote inside a word") << "--name=\"a b\"c" << QStringList{"--name=a bc"};
        QTest::newRow("escapes in quotes")
            << "t \"\\\" \\` \\$ \\\\\"" << QStringList{"t", "\" ` $ \\"};
        QTest::newRow("other backslash kept") << "t \"a\\nb\"" << QStringList{"t", "a\\nb"};
        QTest::newRow("empty quoted argument") << "t \"\" x" << QStringList{"t", "", "x"};
        QTest::newRow("file codes") << "t %f %F %u %U --x" << QStringList{"t", "--x"};
        QTest::newRow("other codes") << "t %i %c %k %d %D %n %N %v %m" << QStringList{"t"};
        QTest::newRow("code inside a word") << "t --file=%f" << QStringList{"t", "--file="};
        QTest::newRow("percent") << "printf 100%% \"%%s\"" << QStringList{"printf", "100%", "%s"};
        QTest::newRow("unknown code") << "t %x" << QStringList{};
        QTest::newRow("lone percent") << "t 5%" << QStringList{};
        QTest::newRow("open quote") << "t \"abc" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("codes only") << "%U" << QStringList{};
        QTest::newRow("empty program") << "\"\" x" << QStringList{};
    }
    void execArguments()
    {
        QFETCH(QString, exec);
        QTEST(tarnwick::execArguments(exec), "args");
    }

    // ---- mounts ----

    void parseMountInfo_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("expected"); // mount point|name|device|type|flags; empty: skipped
        QTest::newRow("overlay root")
            << QByteArray("612 500 0:52 / / rw,relatime master:3 - overlay overlay rw,lowerdir=/l")
            << "/|/|overlay|overlay|";
        QTest::newRow("proc") << QByteArray("22 26 0:21 / /proc rw,nosuid - proc proc rw")
                              << "/proc|proc|proc|proc|";
        QTest::newRow("escaped space")
            << QByteArray("98 26 8:17 / /media/anna/USB\\040STICK rw,nosuid shared:45 - vfat "
                          "/dev/sdb1 rw,fmask=0022")
            << "/media/anna/USB STICK|USB STICK|/dev/sdb1|vfat|";
        QTest::newRow("backslash, tab, newline")
            << QByteArray("99 26 8:18 / /mnt/a\\134b\\011c\\012d rw - ext4 /dev/sdc1 rw")
            << "/mnt/a\\b\tc\nd|a\\b\tc\nd|/dev/sdc1|ext4|";
        QTest::newRow("cifs share") << QByteArray("120 26 0:55 / /mnt/share rw shared:60 - cifs "
                                                  "//nas/Public\\040Files rw,vers=3.1.1")
                                    << "/mnt/share|share|//nas/Public Files|cifs|network";
        QTest::newRow("read-only nfs, several tags")
            << QByteArray("130 26 0:60 / /srv/data ro,relatime shared:1 master:2 "
                          "propagate_from:3 - nfs4 server:/export rw")
            << "/srv/data|data|server:/export|nfs4|network,ro";
        QTest::newRow("read-only superblock")
            << QByteArray("131 26 7:0 / /media/cd rw - iso9660 /dev/sr0 ro,nojoliet")
            << "/media/cd|cd|/dev/sr0|iso9660|ro";
        QTest::newRow("sshfs") << QByteArray("140 30 0:70 / /home/a/remote rw - fuse.sshfs "
                                             "a@host:/srv rw")
                               << "/home/a/remote|remote|a@host:/srv|fuse.sshfs|network";
        QTest::newRow("bound file") << QByteArray("650 612 254:1 /docker/c1/hosts /etc/hosts rw "
                                                  "- ext4 /dev/vda1 rw")
                                    << "/etc/hosts|hosts|/dev/vda1|ext4|";
        for (const char *junk : {"", "garbage", "1 2 3:4 / /x rw ext4 /dev/sda1 rw",
                                 "1 2 3:4 / /x rw -", "1 2 3:4 / relative rw - ext4 /dev/sda rw"})
            QTest::newRow(qPrintable(QStringLiteral("junk: ") + junk)) << QByteArray(junk) << "";
    }
    void parseMountInfo()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, expected);
        QStringList got;
        for (const Volume &v : tarnwick::parseMountInfo(line + '\n')) {
            QStringList flags;
            if (v.network)
                flags << "network";
            if (v.readOnly)
                flags << "ro";
            got << QStringList{v.mountPoint, v.name, v.device, v.fileSystem, flags.join(',')}.join(
                '|');
        }
        QCOMPARE(got, expected.isEmpty() ? QStringList() : QStringList{expected});
    }

    void filterVolumes_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QStringList>("files"); // mount points that are not folders
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("desktop")
            << QByteArray("21 26 0:20 / /proc rw - proc proc rw\n"
                          "23 26 0:6 / /dev rw - devtmpfs udev rw\n"
                          "26 1 8:2 / / rw shared:1 - ext4 /dev/sda2 rw\n"
                          "27 22 0:25 / /sys/fs/cgroup rw - cgroup2 c rw\n"
                          "29 28 0:27 / /run/user/1000 rw - tmpfs tmpfs rw\n"
                          "31 26 8:1 / /boot/efi rw - vfat /dev/sda1 rw\n"
                          "32 26 8:3 / /home rw - ext4 /dev/sda3 rw\n"
                          "33 26 7:1 / /snap/core/1 ro - squashfs /dev/loop1 ro\n"
                          "34 26 0:30 / /mnt/nas rw - autofs systemd-1 rw\n"
                          "35 26 8:17 / /media/a/USB\\040STICK rw - vfat /dev/sdb1 rw\n"
                          "36 28 8:33 / /run/media/a/DISK rw - exfat /dev/sdc1 rw\n"
                          "37 26 0:31 / /mnt/scratch rw - tmpfs tmpfs rw\n"
                          "38 32 0:32 / /home/a/remote rw - fuse.sshfs a@h: rw\n"
                          "39 34 0:33 / /mnt/nas rw - cifs //nas/share rw\n"
                          "40 26 0:34 / /srv/data rw - nfs server:/data rw\n"
                          "41 26 8:2 /etc/hostname /etc/hostname rw - ext4 /dev/sda2 rw\n"
                          "42 26 0:35 / /srv/pool rw - zfs tank/pool rw\n"
                          "43 26 0:36 / /opt/odd rw - fuse portal rw\n"
                          "44 26 8:3 / /home rw - ext4 /dev/sda3 rw\n")
            << QStringList{"/etc/hostname"}
            << QStringList{"/",        "/media/a/USB STICK", "/run/media/a/DISK", "/home/a/remote",
                           "/mnt/nas", "/srv/data",          "/srv/pool",         "/home"};
        QTest::newRow("container") << QByteArray("600 500 0:50 / / rw - overlay overlay rw\n"
                                                 "601 600 0:51 / /proc rw - proc proc rw\n"
                                                 "603 600 254:1 /c/resolv.conf /etc/resolv.conf rw "
                                                 "- ext4 /dev/vda1 rw\n")
                                   << QStringList{"/etc/resolv.conf"} << QStringList{"/"};
        QTest::newRow("root listed late") << QByteArray("32 26 8:3 / /data rw - ext4 /dev/sda3 rw\n"
                                                        "26 1 8:2 / / rw - ext4 /dev/sda2 rw\n")
                                          << QStringList{} << QStringList{"/", "/data"};
        QTest::newRow("no root in the table") << QByteArray("32 26 8:3 / /d rw - xfs /dev/sdb rw\n")
                                              << QStringList{} << QStringList{"/", "/d"};
    }
    void filterVolumes()
    {
        QFETCH(QByteArray, table);
        QFETCH(QStringList, files);
        QFETCH(QStringList, expected);
        const QList<Volume> parsed = tarnwick::parseMountInfo(table);
        QStringList asked;
        const auto points = [&](const std::function<bool(const QString &)> &isDir) {
            QStringList shown;
            for (const Volume &v : tarnwick::filterVolumes(parsed, isDir))
                shown << v.mountPoint;
            return shown;
        };
        QCOMPARE(points([&](const QString &p) { return asked << p, !files.contains(p); }),
                 expected);
        // A network mount is never probed: its server may be gone.
        for (const Volume &v : parsed)
            QVERIFY2(!v.network || !asked.contains(v.mountPoint), qPrintable(v.mountPoint));
        // Bound files are left out by the folder check alone.
        QStringList all = points([](const QString &) { return true; });
        all.sort();
        expected += files;
        expected.sort();
        QCOMPARE(all, expected);
    }

    void trashTops_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::newRow("desktop")
            << QByteArray("21 26 0:20 / /proc rw - proc proc rw\n"
                          "22 26 0:21 / /sys rw - sysfs sysfs rw\n"
                          "23 26 0:6 / /dev rw - devtmpfs udev rw\n"
                          "24 23 0:22 / /dev/shm rw - tmpfs tmpfs rw\n"
                          "25 23 0:23 / /dev/pts rw - devpts devpts rw\n"
                          "26 1 8:2 / / rw shared:1 - ext4 /dev/sda2 rw\n"
                          "27 22 0:25 / /sys/fs/cgroup rw - tmpfs tmpfs rw\n"
                          "28 26 0:26 / /tmp rw - tmpfs tmpfs rw\n"
                          "29 28 0:27 / /run/user/1000 rw - tmpfs tmpfs rw\n"
                          "33 26 7:1 / /snap/core/1 ro - squashfs /dev/loop1 ro\n"
                          "34 26 0:30 / /mnt/nas rw - autofs systemd-1 rw\n"
                          "35 26 8:17 / /media/a/USB\\040STICK rw - vfat /dev/sdb1 rw\n"
                          "36 26 8:18 / /media/a/\\377 rw - ext4 /dev/sdb2 rw\n"
                          "39 34 0:33 / /mnt/nas rw - cifs //nas/share rw\n")
            << QList<QByteArray>{"/",
                                 "/dev/shm",
                                 "/tmp",
                                 "/run/user/1000",
                                 "/media/a/USB STICK",
                                 "/media/a/\xff",
                                 "/mnt/nas"};
        QTest::newRow("root listed late, mounted over")
            << QByteArray("32 26 8:3 / /data rw - ext4 /dev/sda3 rw\n"
                          "26 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
                          "40 32 0:40 / /data rw - proc proc rw\n")
            << QList<QByteArray>{"/"};
        QTest::newRow("empty table") << QByteArray() << QList<QByteArray>{"/"};
    }
    void trashTops()
    {
        QFETCH(QByteArray, table);
        QFETCH(QList<QByteArray>, expected);
        QCOMPARE(trashTopsOf(table), expected);
    }
    void realMountsAndSpace()
    {
        const QList<Volume> volumes = mountedVolumes();
        QVERIFY(!volumes.isEmpty());
        QCOMPARE(volumes.first().mountPoint, "/");
        QSet<QString> points;
        for (const Volume &v : volumes) {
            QVERIFY2(!points.contains(v.mountPoint), qPrintable(v.mountPoint));
            points.insert(v.mountPoint);
            QVERIFY(!v.mountPoint.startsWith("/proc") && !v.mountPoint.startsWith("/sys/"));
        }
        qint64 total = -1, available = -1;
        QVERIFY(volumeSpace(QDir::homePath(), &total, &available));
        QVERIFY(total > 0 && available >= 0 && available <= total);
        QVERIFY(!volumeSpace("/no/such/mount", &total, &available));
    }

    // Mounts made by a child in a mount namespace of its own, watched through
    // its mount table.
    void mountMonitor()
    {
        QVERIFY(!MountMonitor("/no/such/mountinfo").isWatching());
        for (const char *d : {"/a", "/b", "/c"})
            QVERIFY(QDir().mkpath(work() + d));
        QProcess child;
        child.setWorkingDirectory(work());
        child.start("unshare",
                    {"-Urm", "sh", "-c",
                     "echo ready; read x; mount -t tmpfs none a && mount -t tmpfs none b;"
                     "echo; read x; mount -t tmpfs none c && umount c; echo; read x;"
                     "umount a; echo; read x"});
        if (!child.waitForReadyRead(5000) || !child.readLine().startsWith("ready")) {
            child.kill();
            child.waitForFinished();
            QSKIP("no mount namespaces here");
        }
        MountMonitor monitor(QStringLiteral("/proc/%1/mountinfo").arg(child.processId()));
        QVERIFY(monitor.isWatching());
        QSignalSpy changed(&monitor, &MountMonitor::changed);
        // The child's line after each step says the step is done.
        const auto stepDone = [&child] {
            if (!child.canReadLine() && !child.waitForReadyRead(3000))
                return false;
            child.readLine();
            return true;
        };
        child.write("\n");
        QVERIFY(changed.wait(3000));
        QVERIFY(stepDone());
        child.write("\n"); // c mounted and gone again: nothing to report
        QVERIFY(stepDone());
        // One more change, and its report, mark the end of what came before:
        // two mounts made one report, a mount and unmount none.
        child.write("\n");
        QVERIFY(changed.wait(3000));
        QCOMPARE(changed.count(), 2);
        child.write("\n");
        QVERIFY(child.waitForFinished(3000));
    }
};

TARNWICK_TEST_MAIN(TestShellSources)
#include "test_shellsources.moc"
