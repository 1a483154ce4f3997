// The trash store: trashing, listing, restoring and erasing in the home
// trash and in the trashes of other volumes, and the info files it reads.
#include "rawpaths.h"
#include "testenv.h"
#include "trash.h"

#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;
using rawpath::baseName;

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

int groupAndOtherBits(const QString &path)
{
    struct stat st;
    return stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 077) : -1;
}

// The names in a folder, as bytes.
QList<QByteArray> rawNames(const QByteArray &folder)
{
    QList<QByteArray> names;
    if (DIR *d = opendir(folder.constData())) {
        while (const dirent *e = readdir(d)) {
            const QByteArray n(e->d_name);
            if (n != "." && n != "..")
                names.append(n);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

QStringList dirNames(const QString &path)
{
    QStringList names;
    for (const QByteArray &n : rawNames(QFile::encodeName(path)))
        names.append(QFile::decodeName(n));
    return names;
}

const QByteArray ValidDate = "DeletionDate=2024-03-05T14:07:09\n";

} // namespace

class TestTrash : public QObject
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
        // Far from UTC, so a date written in the wrong zone shows.
        qputenv("TZ", "Pacific/Chatham");
        tzset();
    }
    void init()
    {
        for (const QString &d : {work(), homeTrash()})
            QVERIFY(test::removeTree(d));
        QVERIFY(QDir().mkpath(work()));
    }

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
            QVERIFY(mkdir(path.constData(), 0755) == 0 &&
                    test::makeRawFile(path + "/inner", content));
        else
            QVERIFY(test::makeRawFile(path, content));

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
        QVERIFY(store.restore(items[0], QFile::encodeName(work() + "/elsewhere/deeper/a"), &error));
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
        QTest::addColumn<bool>("restorable");
        const QString own = ".Trash-" + uid(), shared = ".Trash/" + uid();
        QTest::newRow("own, relative")
            << own << QByteArray("docs/r%20t") << "$TOP/docs/r t" << true;
        QTest::newRow("own, absolute") << own << QByteArray("$TOP/docs/r") << "$TOP/docs/r" << true;
        QTest::newRow("shared, sticky") << shared << QByteArray("docs/r") << "$TOP/docs/r" << true;
        QTest::newRow("shared, not sticky") << "unsticky" << QByteArray("docs/r") << "" << false;
        QTest::newRow("own is a link") << "link" << QByteArray("docs/r") << "" << false;
        QTest::newRow("climbs out") << own << QByteArray("../../etc/r") << "" << false;
        QTest::newRow("climbs out, escaped")
            << own << QByteArray("docs/%2E%2E/%2E%2E/r") << "" << false;
        // Shown, so that it can be deleted, but never put back off the volume.
        QTest::newRow("absolute, off the volume")
            << own << QByteArray("$WORK/outside/r") << "$WORK/outside/r" << false;
        QTest::newRow("through a link off the volume")
            << own << QByteArray("out/deeper/r") << "$TOP/out/deeper/r" << false;
    }
    void volumeTrashes()
    {
        QFETCH(QString, trash);
        QFETCH(QByteArray, recorded);
        QFETCH(QString, original);
        QFETCH(bool, restorable);
        const QString top = work() + "/volume";
        original.replace("$TOP", top).replace("$WORK", work());
        recorded.replace("$TOP", QFile::encodeName(top))
            .replace("$WORK", QFile::encodeName(work()));
        QString dir = top + '/' + trash;
        QVERIFY(QDir().mkpath(top) && QDir().mkpath(work() + "/outside"));
        QVERIFY(QFile::link(work() + "/outside", top + "/out"));
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

        TrashStore store({}, {QFile::encodeName(top)});
        const QList<TrashItem> items = store.items();
        QCOMPARE(items.size(), original.isEmpty() ? 0 : 1);
        if (original.isEmpty())
            return;
        QCOMPARE(items.first().originalPath, original);
        QString error;
        QCOMPARE(store.restore(items.first(), {}, &error), restorable);
        if (restorable) {
            QCOMPARE(readBytes(original), "volume");
        } else {
            QVERIFY(error.contains("outside the volume"));
            QCOMPARE(dirNames(work() + "/outside"), QStringList());
            QCOMPARE(readBytes(dir + "/files/r"), "volume");
        }
    }

    // The place to restore to is what the info file says, whatever a caller
    // put into the item.
    void restoreGoesByTheInfoFile()
    {
        const QString top = work() + "/volume", dir = top + "/.Trash-" + uid();
        QVERIFY(test::writeFile(dir + "/info/r.trashinfo",
                                "[Trash Info]\nPath=../../outside/r\n" + ValidDate));
        QVERIFY(test::writeFile(dir + "/files/r", "volume"));
        TrashStore store({}, {QFile::encodeName(top)});
        QVERIFY(store.items().isEmpty());
        QVERIFY(!store.item(QFile::encodeName(dir + "/files/r")));
        TrashItem item;
        item.encodedFilesPath = QFile::encodeName(dir + "/files/r");
        item.encodedInfoPath = QFile::encodeName(dir + "/info/r.trashinfo");
        item.encodedOriginalPath = QFile::encodeName(top + "/r");
        QString error;
        QVERIFY(!store.restore(item, {}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(work() + "/outside"));
        QVERIFY(!QFileInfo::exists(top + "/r"));
        QCOMPARE(readBytes(dir + "/files/r"), "volume");
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

    // A second volume of the test's own: trashing goes to the trash at its
    // top, which the listing, restoring and erasing all find.
    void otherVolume_data()
    {
        QTest::addColumn<QByteArray>("folder"); // under the volume's top
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("plain") << QByteArray("docs") << QByteArray("on volume.txt");
        QTest::newRow("invalid UTF-8 and newline")
            << QByteArray("d\xff\nir") << QByteArray("bad\xffname\n2");
        QTest::newRow("longest name") << QByteArray("docs") << QByteArray(255, 'v');
    }
    void otherVolume()
    {
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, name);
        test::ScratchVolume volume(work());
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.whyNot()));
        const QByteArray top = volume.encodedPath(), trashDir = top + "/.Trash-" + uid().toLatin1();
        const QByteArray path = top + '/' + folder + '/' + name;
        QVERIFY(mkdir((top + '/' + folder).constData(), 0755) == 0);
        QVERIFY(test::makeRawFile(path, "volume"));
        TrashStore store({}, {top});
        QString error;

        // A trash someone else put there, as a link to their folder.
        QVERIFY(QDir().mkpath(work() + "/theirs"));
        QVERIFY(symlink(QFile::encodeName(work() + "/theirs").constData(), trashDir.constData()) ==
                0);
        QVERIFY(!store.trashEncoded(path, &error));
        QCOMPARE(readBytes(path), "volume");
        QCOMPARE(dirNames(work() + "/theirs"), QStringList());
        QVERIFY(unlink(trashDir.constData()) == 0);

        // Twice, so that the second needs a numbered name that still fits.
        QVERIFY2(store.trashEncoded(path, &error), qPrintable(error));
        QVERIFY(test::makeRawFile(path, "second"));
        QVERIFY2(store.trashEncoded(path, &error), qPrintable(error));
        QCOMPARE(groupAndOtherBits(QFile::decodeName(trashDir)), 0);
        QList<TrashItem> items = store.items();
        QCOMPARE(items.size(), 2);
        for (const TrashItem &t : items) {
            QCOMPARE(t.encodedOriginalPath, path);
            QVERIFY(t.encodedFilesPath.startsWith(trashDir + "/files/"));
            QVERIFY(baseName(t.encodedInfoPath).size() <= 255);
            // Relative to the volume's top, so it survives another mount point.
            QVERIFY(readBytes(t.encodedInfoPath)
                        .contains("\nPath=" + (folder + '/' + name).toPercentEncoding("/") + '\n'));
        }
        QVERIFY(!present(top + "/.Trash"));

        // The folder it was in is gone; restoring makes it again, byte for byte.
        QVERIFY(test::removeTree(QFile::decodeName(top + '/' + folder)));
        const TrashItem first =
            readBytes(items[0].encodedFilesPath) == "volume" ? items[0] : items[1];
        const TrashItem second =
            first.encodedFilesPath == items[0].encodedFilesPath ? items[1] : items[0];
        QVERIFY2(store.restore(first, {}, &error), qPrintable(error));
        QCOMPARE(readBytes(path), "volume");
        QCOMPARE(rawNames(top).size(), 2); // the folder and the trash
        QVERIFY2(store.erase(second, &error), qPrintable(error));
        QVERIFY(!present(second.encodedFilesPath) && !present(second.encodedInfoPath));
        QVERIFY(store.items().isEmpty());

        // A home trash whose files/ lives on another volume: never a copy.
        QVERIFY(QDir().mkpath(homeTrash() + "/info"));
        QVERIFY(QFile::link(volume.path(), homeTrash() + "/files"));
        QVERIFY(test::writeFile(work() + "/stays", "stays"));
        QVERIFY(!TrashStore().trash(work() + "/stays", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(work() + "/stays"), "stays");
        QCOMPARE(dirNames(homeTrash() + "/info"), QStringList());
    }

    // Erasing removes what is in files/, never what a link there points to.
    void eraseKeepsLinkTargets_data()
    {
        QTest::addColumn<bool>("filesIsLink"); // else the entry is
        QTest::newRow("entry is a link") << false;
        QTest::newRow("files/ is a link") << true;
    }
    void eraseKeepsLinkTargets()
    {
        QFETCH(bool, filesIsLink);
        const QString top = work() + "/volume", dir = top + "/.Trash-" + uid();
        const QString entry = filesIsLink ? "file" : "l";
        QVERIFY(test::writeFile(work() + "/precious/file", "keep"));
        QVERIFY(test::writeFile(dir + "/info/" + entry + ".trashinfo",
                                "[Trash Info]\nPath=x\n" + ValidDate));
        if (filesIsLink) {
            QVERIFY(QFile::link(work() + "/precious", dir + "/files"));
        } else {
            QVERIFY(QDir().mkpath(dir + "/files"));
            QVERIFY(QFile::link(work() + "/precious", dir + "/files/l"));
        }
        QVERIFY(chmod(QFile::encodeName(dir).constData(), 0700) == 0);
        TrashStore store({}, {QFile::encodeName(top)});
        const auto item = store.item(QFile::encodeName(dir + "/files/" + entry));
        QVERIFY(item);
        QString error;
        QCOMPARE(store.erase(*item, &error), !filesIsLink);
        QCOMPARE(present(QFile::encodeName(dir + "/files/l")), false);
        QCOMPARE(readBytes(work() + "/precious/file"), "keep");
    }

    // Trashing on a volume the store does not know would put the item where
    // the Recycle Bin never looks.
    void unknownVolumeRefused()
    {
        test::ScratchVolume volume(work());
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.whyNot()));
        const QByteArray path = volume.encodedPath() + "/f";
        QVERIFY(test::makeRawFile(path, "f"));
        QString error;
        QVERIFY(!TrashStore().trashEncoded(path, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(path), "f");
        QCOMPARE(dirNames(volume.path()), QStringList{"f"});
    }
};

TARNWICK_TEST_MAIN(TestTrash)
#include "test_trash.moc"
