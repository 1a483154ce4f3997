#include "desktopentries.h"
#include "mounts.h"
#include "testenv.h"
#include "trash.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QUrl>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

bool present(const QByteArray &path)
{
    struct stat st;
    return lstat(path.constData(), &st) == 0;
}

// Byte for byte, so names that are not valid UTF-8 are exact.
QByteArray readBytes(const QByteArray &path)
{
    QByteArray bytes;
    const int fd = open(path.constData(), O_RDONLY);
    char buffer[4096];
    for (ssize_t n; fd >= 0 && (n = read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    if (fd >= 0)
        close(fd);
    return bytes;
}
QByteArray readBytes(const QString &path)
{
    return readBytes(QFile::encodeName(path));
}

bool makeRawFile(const QByteArray &path, const QByteArray &content)
{
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    const bool ok = fd >= 0 && write(fd, content.constData(), size_t(content.size())) ==
                                   ssize_t(content.size());
    return fd >= 0 && close(fd) == 0 && ok;
}

int groupAndOtherBits(const QString &path)
{
    struct stat st;
    return stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 077) : -1;
}

QStringList dirNames(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                QDir::System);
}

const QByteArray ValidDate = "DeletionDate=2024-03-05T14:07:09\n";

} // namespace

class TestShellSources : public QObject
{
    Q_OBJECT

    QString work() const { return QDir::homePath() + QStringLiteral("/work"); }
    QString dataHome() const { return qEnvironmentVariable("XDG_DATA_HOME"); }
    QString homeTrash() const { return dataHome() + QStringLiteral("/Trash"); }
    QString uid() const { return QString::number(geteuid()); }
    QString placed(QString path) const
    {
        return path.replace("$WORK", work())
            .replace("$TRASH", homeTrash())
            .replace("$DATA", dataHome());
    }

private slots:
    void initTestCase()
    {
        const QString home = QDir::homePath();
        qputenv("XDG_DATA_DIRS", QFile::encodeName(home + "/sys1:relative:" + home + "/sys2"));
        qputenv("XDG_CURRENT_DESKTOP", "TestDesk:Other");
        // Far from UTC, so a date written in the wrong zone shows.
        qputenv("TZ", "Pacific/Chatham");
        tzset();
    }
    void init()
    {
        const QString home = QDir::homePath();
        for (const QString &d : {work(), homeTrash(), dataHome() + "/applications", home + "/sys1",
                                 home + "/sys2", home + "/relative"})
            QVERIFY(test::removeTree(d));
        QVERIFY(QDir().mkpath(work()));
        QLocale::setDefault(QLocale::c());
    }

    // ---- the trash ----

    void trashRestoreErase_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("folder");
        QTest::newRow("plain") << QByteArray("notes.txt") << false;
        QTest::newRow("spaces") << QByteArray("my notes 2.txt") << false;
        QTest::newRow("newline") << QByteArray("two\nlines") << false;
        QTest::newRow("invalid UTF-8") << QByteArray("bad\xff\xfe name") << false;
        QTest::newRow("URL characters") << QByteArray("100% #1?&=+.txt") << false;
        QTest::newRow("non-ASCII") << QByteArray("Grüße ✓") << false;
        QTest::newRow("folder") << QByteArray("a folder") << true;
        // The info file's name would not fit; the entry's name is shortened.
        QTest::newRow("long") << QByteArray(250, 'x') << false;
        QTest::newRow("long, two-byte characters") << QString(125, QChar(0xE9)).toUtf8() << false;
    }
    void trashRestoreErase()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, folder);
        const QByteArray path = QFile::encodeName(work()) + '/' + name;
        const QByteArray content = "content of " + name;
        if (folder)
            QVERIFY(mkdir(path.constData(), 0755) == 0 && makeRawFile(path + "/inner", content));
        else
            QVERIFY(makeRawFile(path, content));

        TrashStore store;
        QString error;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY2(store.trashEncoded(path, &error), qPrintable(error));
        QVERIFY(!present(path));
        QCOMPARE(groupAndOtherBits(homeTrash() + "/files"), 0);
        QCOMPARE(groupAndOtherBits(homeTrash() + "/info"), 0);

        QList<TrashItem> items = store.items();
        QCOMPARE(items.size(), 1);
        const TrashItem item = items.first();
        QCOMPARE(item.encodedOriginalPath, path);
        QCOMPARE(item.name, QFile::decodeName(name));
        QCOMPARE(item.isDir, folder);
        QCOMPARE(item.size, folder ? 0 : content.size());
        QCOMPARE(item.trashDir, homeTrash());
        QVERIFY(item.deletedAt >= before && item.deletedAt <= QDateTime::currentDateTime());
        if (QFile::encodeName(QFile::decodeName(name)) == name) // not cut inside a character
            QCOMPARE(QFile::encodeName(item.infoPath), item.encodedInfoPath);

        // The info file as other desktop programs read it.
        const QByteArray info = readBytes(item.encodedInfoPath);
        const auto m =
            QRegularExpression("^\\[Trash Info\\]\nPath=([A-Za-z0-9%/._~-]+)\n"
                               "DeletionDate=(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)\n$")
                .match(QString::fromLatin1(info));
        QVERIFY2(m.hasMatch(), info.constData());
        QCOMPARE(QByteArray::fromPercentEncoding(m.captured(1).toLatin1()), path);
        QCOMPARE(m.captured(2), item.deletedAt.toString("yyyy-MM-dd'T'hh:mm:ss"));

        QVERIFY2(store.restore(item, {}, &error), qPrintable(error));
        QCOMPARE(readBytes(folder ? path + "/inner" : path), content);
        QVERIFY(!present(item.encodedInfoPath));
        QVERIFY(store.items().isEmpty());

        QVERIFY(store.trashEncoded(path));
        items = store.items();
        QCOMPARE(items.size(), 1);
        QVERIFY2(store.erase(items.first(), &error), qPrintable(error));
        QVERIFY(!present(items.first().encodedFilesPath) &&
                !present(items.first().encodedInfoPath));
        QVERIFY(!present(path));
        QVERIFY(store.items().isEmpty());
    }

    void entryNames_data()
    {
        QTest::addColumn<QStringList>("infos");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << QStringList{} << QStringList{} << "a";
        QTest::newRow("taken") << QStringList{"a"} << QStringList{"a"} << "a.2";
        QTest::newRow("taken twice") << QStringList{"a", "a.2"} << QStringList{"a", "a.2"} << "a.3";
        QTest::newRow("entry left without info") << QStringList{} << QStringList{"a"} << "a.2";
        QTest::newRow("info left without entry") << QStringList{"a"} << QStringList{} << "a.2";
    }
    void entryNames()
    {
        QFETCH(QStringList, infos);
        QFETCH(QStringList, entries);
        QFETCH(QString, expected);
        for (const QString &n : infos)
            QVERIFY(test::writeFile(homeTrash() + "/info/" + n + ".trashinfo", "old"));
        for (const QString &n : entries)
            QVERIFY(test::writeFile(homeTrash() + "/files/" + n, "old"));
        QVERIFY(test::writeFile(work() + "/a", "new"));
        QVERIFY(TrashStore().trash(work() + "/a"));
        QCOMPARE(readBytes(homeTrash() + "/files/" + expected), "new");
        QVERIFY(readBytes(homeTrash() + "/info/" + expected + ".trashinfo").contains("/work/a\n"));
        // Nothing that was there before is replaced.
        for (const QString &n : infos)
            QCOMPARE(readBytes(homeTrash() + "/info/" + n + ".trashinfo"), "old");
        for (const QString &n : entries)
            QCOMPARE(readBytes(homeTrash() + "/files/" + n), "old");
    }

    void occupiedTargets_data()
    {
        QTest::addColumn<QString>("occupant");
        QTest::newRow("file") << "file";
        QTest::newRow("folder") << "folder";
        QTest::newRow("dangling link") << "link";
    }
    void occupiedTargets()
    {
        QFETCH(QString, occupant);
        TrashStore store;
        QVERIFY(test::writeFile(work() + "/one/a", "first") && store.trash(work() + "/one/a"));
        QVERIFY(test::writeFile(work() + "/two/a", "second") && store.trash(work() + "/two/a"));
        QList<TrashItem> items = store.items();
        QCOMPARE(items.size(), 2);
        if (items[0].originalPath != work() + "/two/a")
            items.swapItemsAt(0, 1);
        QCOMPARE(QFileInfo(items[0].infoPath).fileName(), "a.2.trashinfo");

        const QString target = work() + "/two/a";
        if (occupant == "file")
            QVERIFY(test::writeFile(target, "in the way"));
        else if (occupant == "folder")
            QVERIFY(QDir().mkpath(target));
        else
            QVERIFY(QFile::link(work() + "/nowhere", target));
        QString error;
        QVERIFY(!store.restore(items[0], {}, &error));
        QVERIFY(error.contains(target));
        if (occupant == "file")
            QCOMPARE(readBytes(target), "in the way");
        QCOMPARE(store.items().size(), 2);
        // Somewhere else instead, with folders still to be made on the way.
        QVERIFY(store.restore(items[0], work() + "/elsewhere/deeper/a", &error));
        QCOMPARE(readBytes(work() + "/elsewhere/deeper/a"), "second");
        QVERIFY(store.restore(items[1]));
        QCOMPARE(readBytes(work() + "/one/a"), "first");
    }

    void garbledInfoFiles_data()
    {
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("dated");
        const QByteArray group = "[Trash Info]\n";
        QTest::newRow("valid") << group + "Path=/x/a%20b\n" + ValidDate << true << true;
        QTest::newRow("comments, CRLF, spaces")
            << "# c\r\n[Trash Info]\r\nPath = /x/ab\r\nOther=1\r\n" + ValidDate << true << true;
        QTest::newRow("no date") << group + "Path=/x/a\n" << true << false;
        QTest::newRow("bad date") << group + "Path=/x/a\nDeletionDate=yesterday" << true << false;
        QTest::newRow("no group") << "Path=/x/a\n" + ValidDate << false << false;
        QTest::newRow("other group first")
            << "[Desktop Entry]\nPath=/x/a\n" + ValidDate << false << false;
        QTest::newRow("path in another group") << group + ValidDate + "[Other]\nPath=/x/a\n"
                                               << false << false;
        QTest::newRow("empty path") << group + "Path=\n" + ValidDate << false << false;
        QTest::newRow("relative path in home trash") << group + "Path=x/a\n" << false << false;
        QTest::newRow("climbs with ..") << group + "Path=/x/../etc/a\n" << false << false;
        QTest::newRow("NUL byte") << group + "Path=/x/a%00b\n" << false << false;
        QTest::newRow("binary") << QByteArray("\x7f"
                                              "ELF\x02\x01\0\0[Trash Info]",
                                              19)
                                << false << false;
        QTest::newRow("huge") << group + "Path=/x/a\n" + QByteArray(100000, '#') << false << false;
    }
    void garbledInfoFiles()
    {
        QFETCH(QByteArray, info);
        QFETCH(bool, listed);
        QFETCH(bool, dated);
        QVERIFY(test::writeFile(homeTrash() + "/info/item.trashinfo", info));
        QVERIFY(test::writeFile(homeTrash() + "/files/item", "x"));
        // Never listed: an info file without its entry, and ones that are not
        // regular files (a pipe must not hang the listing).
        QVERIFY(test::writeFile(homeTrash() + "/info/orphan.trashinfo",
                                "[Trash Info]\nPath=/x/o\n" + ValidDate));
        QVERIFY(mkfifo(QFile::encodeName(homeTrash() + "/info/pipe.trashinfo").constData(), 0600) ==
                0);
        QVERIFY(QDir().mkpath(homeTrash() + "/info/dir.trashinfo"));
        QVERIFY(test::writeFile(homeTrash() + "/files/pipe") &&
                test::writeFile(homeTrash() + "/files/dir"));

        const QList<TrashItem> items = TrashStore().items();
        QCOMPARE(items.size(), listed ? 1 : 0);
        if (listed) {
            QVERIFY(items.first().originalPath.startsWith("/x/a"));
            QCOMPARE(items.first().deletedAt.isValid(), dated);
        }
    }

    void volumeTrashes_data()
    {
        QTest::addColumn<QString>("trash"); // under the volume's top
        QTest::addColumn<QByteArray>("recorded");
        QTest::addColumn<QString>("original"); // empty: not listed
        const QString own = ".Trash-" + uid(), shared = ".Trash/" + uid();
        QTest::newRow("own, relative") << own << QByteArray("docs/r%20t") << "$TOP/docs/r t";
        QTest::newRow("own, absolute") << own << QByteArray("/abs/r") << "/abs/r";
        QTest::newRow("shared, sticky") << shared << QByteArray("docs/r") << "$TOP/docs/r";
        QTest::newRow("shared, not sticky") << "unsticky" << QByteArray("docs/r") << "";
        QTest::newRow("own is a link") << "link" << QByteArray("docs/r") << "";
        QTest::newRow("climbs out") << own << QByteArray("../../etc/r") << "";
    }
    void volumeTrashes()
    {
        QFETCH(QString, trash);
        QFETCH(QByteArray, recorded);
        QFETCH(QString, original);
        const QString top = work() + "/volume";
        original.replace("$TOP", top);
        QString dir = top + '/' + trash;
        QVERIFY(QDir().mkpath(top));
        if (trash == "unsticky") {
            dir = top + "/.Trash/" + uid();
        } else if (trash == "link") {
            dir = work() + "/elsewhere";
            QVERIFY(QDir().mkpath(dir) && QFile::link(dir, top + "/.Trash-" + uid()));
        }
        QVERIFY(test::writeFile(dir + "/info/r.trashinfo",
                                "[Trash Info]\nPath=" + recorded + '\n' + ValidDate));
        QVERIFY(test::writeFile(dir + "/files/r", "volume"));
        if (trash.startsWith(".Trash/"))
            QVERIFY(chmod(QFile::encodeName(top + "/.Trash").constData(), 01777) == 0);

        TrashStore store({}, {top});
        const QList<TrashItem> items = store.items();
        QCOMPARE(items.size(), original.isEmpty() ? 0 : 1);
        if (original.startsWith(top)) {
            QCOMPARE(items.first().originalPath, original);
            QVERIFY(store.restore(items.first()));
            QCOMPARE(readBytes(original), "volume");
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << "$WORK/missing";
        QTest::newRow("empty") << "";
        QTest::newRow("dot") << "$WORK/.";
        QTest::newRow("the trash") << "$TRASH";
        QTest::newRow("folder holding the trash") << "$DATA";
        QTest::newRow("inside the trash") << "$TRASH/files/kept";
        QTest::newRow("mount point") << "/proc";
    }
    void refusals()
    {
        QFETCH(QString, path);
        path = placed(path);
        QVERIFY(test::writeFile(homeTrash() + "/files/kept", "kept"));
        QVERIFY(QDir().mkpath(homeTrash() + "/info"));
        const bool existed = QFileInfo::exists(path);
        const QString rootTrash = "/.Trash-" + uid();
        const bool hadRootTrash = QFileInfo::exists(rootTrash);
        QString error;
        QVERIFY(!TrashStore().trash(path, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QFileInfo::exists(path), existed);
        // Refused before anything was set up on another volume.
        QCOMPARE(QFileInfo::exists(rootTrash), hadRootTrash);
        QCOMPARE(dirNames(homeTrash() + "/info"), QStringList());
        QCOMPARE(dirNames(homeTrash() + "/files"), QStringList{"kept"});
    }

    // A TrashItem is plain data; one that does not name an entry of one of
    // the store's trashes must not lead to deleting or moving anything.
    void foreignItemsRefused_data()
    {
        QTest::addColumn<QString>("files");
        QTest::addColumn<QString>("info");
        QTest::newRow("outside any trash") << "$WORK/victim"
                                           << "$WORK/victim.trashinfo";
        QTest::newRow("climbing out") << "$TRASH/files/../../../../work/victim"
                                      << "$TRASH/info/victim.trashinfo";
        QTest::newRow("info of another entry") << "$TRASH/files/victim"
                                               << "$TRASH/info/other.trashinfo";
        QTest::newRow("the files folder") << "$TRASH/files"
                                          << "$TRASH/files.trashinfo";
    }
    void foreignItemsRefused()
    {
        QFETCH(QString, files);
        QFETCH(QString, info);
        QVERIFY(test::writeFile(work() + "/victim", "keep me"));
        QVERIFY(test::writeFile(homeTrash() + "/files/victim", "keep me"));
        QVERIFY(test::writeFile(homeTrash() + "/info/other.trashinfo"));
        TrashItem item;
        item.encodedFilesPath = QFile::encodeName(placed(files));
        item.encodedInfoPath = QFile::encodeName(placed(info));
        item.encodedOriginalPath = QFile::encodeName(work() + "/restored");
        TrashStore store;
        QString error;
        QVERIFY(!store.erase(item, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!store.restore(item, {}, &error));
        QCOMPARE(readBytes(work() + "/victim"), "keep me");
        QCOMPARE(readBytes(homeTrash() + "/files/victim"), "keep me");
        QVERIFY(!QFileInfo::exists(work() + "/restored"));
    }

    void otherVolume()
    {
        struct stat shm, home;
        if (stat("/dev/shm", &shm) != 0 ||
            stat(QFile::encodeName(work()).constData(), &home) != 0 || shm.st_dev == home.st_dev ||
            access("/dev/shm", W_OK) != 0)
            QSKIP("no second writable volume");
        const QString volume = "/dev/shm", trashDir = volume + "/.Trash-" + uid();
        const bool hadTrash = QFileInfo::exists(trashDir);
        const auto cleanup = qScopeGuard([&] {
            if (!hadTrash)
                test::removeTree(trashDir);
        });
        QTemporaryDir scratch(volume + "/tarnwick-test-XXXXXX");
        const QString path = scratch.path() + "/on volume.txt";
        QVERIFY(test::writeFile(path, "volume"));

        TrashStore store({}, {volume});
        QString error;
        if (!hadTrash) {
            // A trash someone else put there, as a link to their folder.
            QVERIFY(QDir().mkpath(scratch.path() + "/theirs"));
            QVERIFY(QFile::link(scratch.path() + "/theirs", trashDir));
            QVERIFY(!store.trash(path, &error));
            QCOMPARE(readBytes(path), "volume");
            QCOMPARE(dirNames(scratch.path() + "/theirs"), QStringList());
            QVERIFY(QFile::remove(trashDir));
        }
        QVERIFY2(store.trash(path, &error), qPrintable(error));
        QCOMPARE(groupAndOtherBits(trashDir), 0);
        const QList<TrashItem> items = store.items();
        const auto it = std::find_if(items.begin(), items.end(),
                                     [&](const TrashItem &t) { return t.originalPath == path; });
        QVERIFY(it != items.end());
        QCOMPARE(it->trashDir, trashDir);
        // Relative to the volume's top, so it survives another mount point.
        QVERIFY(readBytes(it->encodedInfoPath)
                    .contains("\nPath=" + QUrl::toPercentEncoding(path.mid(9), "/") + '\n'));
        QVERIFY(store.restore(*it));
        QCOMPARE(readBytes(path), "volume");

        // A home trash whose files/ lives on another volume: never a copy.
        QVERIFY(QDir().mkpath(homeTrash() + "/info"));
        QVERIFY(QFile::link(scratch.path(), homeTrash() + "/files"));
        QVERIFY(test::writeFile(work() + "/stays", "stays"));
        QVERIFY(!TrashStore().trash(work() + "/stays", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(work() + "/stays"), "stays");
        QCOMPARE(dirNames(homeTrash() + "/info"), QStringList());
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
                     "echo; read x; mount -t tmpfs none c && umount c; echo; read x"});
        if (!child.waitForReadyRead(5000) || !child.readLine().startsWith("ready")) {
            child.kill();
            child.waitForFinished();
            QSKIP("no mount namespaces here");
        }
        MountMonitor monitor(QStringLiteral("/proc/%1/mountinfo").arg(child.processId()));
        QVERIFY(monitor.isWatching());
        QSignalSpy changed(&monitor, &MountMonitor::changed);
        child.write("\n");
        QVERIFY(changed.wait(3000));
        QTest::qWait(600);
        QCOMPARE(changed.count(), 1); // two mounts, one report
        child.write("\n");
        QVERIFY(child.waitForReadyRead(3000));
        QTest::qWait(800);
        QCOMPARE(changed.count(), 1); // mounted and gone again: nothing to report
        child.write("\n");
        QVERIFY(child.waitForFinished(3000));
    }
};

TARNWICK_TEST_MAIN(TestShellSources)
#include "test_shellsources.moc"
