// The Recycle Bin's verbs in the file list: restoring and deleting for good
// what it shows, from the home trash and from another volume's.
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "foldermodel.h"
#include "harness.h"
#include "mounts.h"
#include "shellitems.h"
#include "trash.h"

#include <QItemSelectionModel>
#include <QMenu>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

QString trashFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Trash");
}

QByteArray readRaw(const QByteArray &path)
{
    QFile f;
    const int fd = open(path.constData(), O_RDONLY);
    if (fd < 0 || !f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return "(missing)";
    return f.readAll();
}

// The names in `folder`, as bytes.
QList<QByteArray> namesIn(const QByteArray &folder)
{
    QList<QByteArray> names;
    if (DIR *d = opendir(folder.constData())) {
        while (const dirent *e = readdir(d)) {
            if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
                names.append(e->d_name);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The Recycle Bin's row whose entry in files/ is `entry`.
int trashRow(ExplorerListView &list, const QByteArray &entry)
{
    for (int r = 0; r < list.shellModel()->rowCount(); ++r) {
        if (list.shellModel()->itemAt(r).encodedPath == entry)
            return r;
    }
    return -1;
}

} // namespace

class TestRecycleBin : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString root() const { return dir_.path(); }
    QByteArray rootBytes() const { return QFile::encodeName(root()); }

private slots:
    void init()
    {
        QVERIFY(test::removeTree(root()));
        QDir().mkpath(root());
        QVERIFY(test::removeTree(trashFolder()));
    }

    void recycleBinDeletesForGoodAndRestores()
    {
        test::writeFile(root() + "/keep.txt", "1");
        test::writeFile(root() + "/gone.txt", "2");
        TrashStore trash;
        QVERIFY(trash.trash(root() + "/keep.txt"));
        QVERIFY(trash.trash(root() + "/gone.txt"));
        test::writeFile(root() + "/keep.txt", "taken"); // the place is taken again
        ExplorerListView list;
        test::RecordingMessages messages;
        list.setMessages(&messages);
        list.setVolumeSource([] { return QList<Volume>{}; });
        list.setTrashTopSource([] { return QList<QByteArray>{}; });
        list.setLocation(Location::special(RecycleBinSpace));
        QVERIFY(test::waitListed(&list));
        const auto rowOf = [&](const QString &name) {
            for (int r = 0; r < list.shellModel()->rowCount(); ++r)
                if (list.shellModel()->itemAt(r).name == name)
                    return r;
            return -1;
        };
        list.setSelected(rowOf("gone.txt"), true);
        messages.confirmAnswers = {true};
        list.InvokeVerb(Verb::Delete);
        QVERIFY(messages.confirmations.last().contains("for good"));
        QVERIFY(messages.confirmations.last().endsWith("This cannot be undone."));
        QVERIFY(!QFile::exists(trashFolder() + "/files/gone.txt"));
        QVERIFY(!QFile::exists(trashFolder() + "/info/gone.txt.trashinfo"));
        QVERIFY(test::waitListed(&list));
        list.selectionModel()->clear();
        list.setSelected(rowOf("keep.txt"), true);
        messages.confirmAnswers = {true};
        list.InvokeVerb(Verb::Restore);
        QVERIFY(messages.confirmations.last().contains("keep (2).txt"));
        QFile restored(root() + "/keep (2).txt");
        QVERIFY(restored.open(QIODevice::ReadOnly));
        QCOMPARE(restored.readAll(), QByteArray("1"));
        QFile untouched(root() + "/keep.txt");
        QVERIFY(untouched.open(QIODevice::ReadOnly));
        QCOMPARE(untouched.readAll(), QByteArray("taken"));
        QVERIFY(messages.errors.isEmpty());
    }

    // Every item the Recycle Bin shows can be restored and deleted, whatever
    // its name's bytes and whichever volume's trash holds it.
    void recycleBinRoundTrip_data()
    {
        QTest::addColumn<bool>("onVolume"); // else in the home trash
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("home, invalid UTF-8 and newline")
            << false << QByteArray("d\xff\nir") << QByteArray("bad\xffname\n2");
        QTest::newRow("volume, plain") << true << QByteArray("docs") << QByteArray("v.txt");
        QTest::newRow("volume, invalid UTF-8")
            << true << QByteArray("d\xffir") << QByteArray("bad\xffname");
    }
    void recycleBinRoundTrip()
    {
        QFETCH(bool, onVolume);
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, name);
        std::optional<test::ScratchVolume> volume;
        if (onVolume && !volume.emplace(root()).isMounted())
            QSKIP(qPrintable(volume->whyNot()));
        const QByteArray top = onVolume ? volume->encodedPath() : rootBytes();
        const QList<QByteArray> tops = onVolume ? QList<QByteArray>{top} : QList<QByteArray>{};
        const QByteArray path = top + '/' + folder + '/' + name;
        const QByteArray trash = onVolume ? top + "/.Trash-" + QByteArray::number(geteuid())
                                          : QFile::encodeName(trashFolder());
        QVERIFY(mkdir((top + '/' + folder).constData(), 0755) == 0 &&
                test::makeRawFile(path, "odd"));
        ExplorerListView list;
        test::RecordingMessages messages;
        list.setMessages(&messages);
        list.setVolumeSource([] { return QList<Volume>{}; });
        list.setTrashTopSource([tops] { return tops; });
        QVERIFY(TrashStore({}, tops).trashEncoded(path));
        QVERIFY(test::removeTree(QFile::decodeName(top + '/' + folder)));

        list.setLocation(Location::special(RecycleBinSpace));
        QVERIFY(test::waitListed(&list));
        const int row = trashRow(list, trash + "/files/" + name);
        QVERIFY(row >= 0);
        list.setSelected(row, true);
        list.InvokeVerb(Verb::Restore);
        QCOMPARE(messages.errors, QStringList());
        QCOMPARE(readRaw(path), "odd");
        // The folder is made again under its own bytes, not a look-alike.
        QCOMPARE(namesIn(top).contains(folder), true);
        QCOMPARE(namesIn(top).size(), onVolume ? 2 : 1);

        QVERIFY(TrashStore({}, tops).trashEncoded(path));
        list.shellModel()->reload();
        QVERIFY(test::waitListed(&list));
        list.selectionModel()->clear();
        const int again = trashRow(list, trash + "/files/" + name);
        QVERIFY(again >= 0);
        list.setSelected(again, true);
        messages.confirmAnswers = {true};
        list.InvokeVerb(Verb::Delete);
        QCOMPARE(messages.errors, QStringList());
        QCOMPARE(namesIn(trash + "/files"), QList<QByteArray>());
        QCOMPARE(namesIn(trash + "/info"), QList<QByteArray>());
        QCOMPARE(namesIn(top + '/' + folder), QList<QByteArray>());
    }

    // Trashing from a folder on a volume uses the trash the Recycle Bin shows.
    void deleteOnAnotherVolume()
    {
        test::ScratchVolume volume(root());
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.whyNot()));
        const QByteArray top = volume.encodedPath();
        QVERIFY(test::writeFile(volume.path() + "/v.txt", "v"));
        ExplorerListView list;
        test::RecordingMessages messages;
        list.setMessages(&messages);
        list.setTrashTopSource([top] { return QList<QByteArray>{top}; });
        list.setLocation(Location::folder(volume.path()));
        QVERIFY(test::waitListed(&list));
        list.setSelected(list.model()->rowOfName("v.txt"), true);
        messages.confirmAnswers = {true};
        list.InvokeVerb(Verb::Delete);
        QCOMPARE(messages.confirmations.size(), 1); // no offer to delete for good
        QCOMPARE(readRaw(top + "/.Trash-" + QByteArray::number(geteuid()) + "/files/v.txt"), "v");
        list.setLocation(Location::special(RecycleBinSpace));
        QVERIFY(test::waitListed(&list));
        QCOMPARE(list.shellModel()->rowCount(), 1);
        QCOMPARE(list.shellModel()->itemAt(0).columns.value(0), volume.path());
    }

    // A name as long as names go, trashed twice and restored twice beside a
    // third: the numbered names are shortened to fit.
    void restoreLongNamesBesideTakenOnes()
    {
        const QByteArray name = QByteArray(251, 'n') + ".txt", path = rootBytes() + '/' + name;
        for (const QByteArray content : {"1", "2"})
            QVERIFY(test::makeRawFile(path, content) && TrashStore().trashEncoded(path));
        QVERIFY(test::makeRawFile(path, "taken"));
        ExplorerListView list;
        test::RecordingMessages messages;
        list.setMessages(&messages);
        list.setTrashTopSource([] { return QList<QByteArray>{}; });
        list.setLocation(Location::special(RecycleBinSpace));
        QVERIFY(test::waitListed(&list));
        QCOMPARE(list.shellModel()->rowCount(), 2);
        list.setSelected(0, true);
        list.setSelected(1, true);
        messages.confirmAnswers = {true, true};
        list.InvokeVerb(Verb::Restore);
        QCOMPARE(messages.errors, QStringList());
        const QList<QByteArray> names = namesIn(rootBytes());
        QCOMPARE(names.size(), 3);
        QByteArray contents;
        for (const QByteArray &n : names) {
            QVERIFY(n.size() <= 255 && n.endsWith(".txt"));
            contents += readRaw(rootBytes() + '/' + n);
        }
        QCOMPARE(readRaw(path), "taken");
        QCOMPARE(contents.size(), 7);
    }

    // "Empty Recycle Bin" on the Recycle Bin's background, its item on the
    // Desktop and its node in the tree: a question, then every trash the
    // Recycle Bin shows emptied. Greyed where the Recycle Bin is seen empty.
    void emptyRecycleBin_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("answer");
        QTest::newRow("background, yes") << "background" << true;
        QTest::newRow("background, no") << "background" << false;
        QTest::newRow("desktop item") << "desktop" << true;
        QTest::newRow("tree node") << "tree" << true;
    }
    void emptyRecycleBin()
    {
        QFETCH(QString, from);
        QFETCH(bool, answer);
        std::optional<test::ScratchVolume> volume;
        QList<QByteArray> tops;
        QList<QByteArray> trashes{QFile::encodeName(trashFolder())};
        if (volume.emplace(root()).isMounted()) {
            tops << volume->encodedPath();
            trashes << volume->encodedPath() + "/.Trash-" + QByteArray::number(geteuid());
            QVERIFY(test::writeFile(volume->path() + "/v.txt", "v"));
            QVERIFY(TrashStore({}, tops).trash(volume->path() + "/v.txt"));
        }
        for (const QString name : {"a.txt", "b"})
            QVERIFY(test::writeFile(root() + "/" + name) &&
                    TrashStore().trash(root() + "/" + name));
        test::RecordingMessages messages;
        messages.confirmAnswers = {answer};
        ExplorerListView list;
        list.setMessages(&messages);
        list.setVolumeSource([] { return QList<Volume>{}; });
        list.setTrashTopSource([tops] { return tops; });
        ExplorerTreeView tree;
        tree.setMessages(&messages);
        tree.setLinkedListView(&list);
        QAbstractItemView *view = list.currentView();
        if (from == "tree") {
            view = tree.view();
            QVERIFY(tree.navigateTo(Location::special(RecycleBinSpace)));
        } else {
            list.setLocation(Location::special(from == "desktop" ? DesktopSpace : RecycleBinSpace));
        }
        QVERIFY(test::waitListed(&list));
        if (from == "desktop") {
            for (int r = 0; r < list.shellModel()->rowCount(); ++r)
                if (list.shellModel()->itemAt(r).target == Location::special(RecycleBinSpace))
                    view->setCurrentIndex(list.shellModel()->index(r, 0));
        } else if (from == "background") {
            view->setCurrentIndex({});
        }
        const auto emptyEntry = [&](bool trigger) {
            std::optional<bool> enabled;
            QTimer::singleShot(0, [&] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                for (QAction *a : menu ? menu->actions() : QList<QAction *>{}) {
                    if (a->text() == "Empty Recycle &Bin") {
                        enabled = a->isEnabled();
                        if (trigger)
                            a->trigger();
                    }
                }
                if (menu)
                    menu->close();
            });
            QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
            return enabled;
        };
        QCOMPARE(emptyEntry(true), std::optional(true));
        QCOMPARE(messages.confirmations,
                 QStringList{"Permanently delete everything in the Recycle Bin? This cannot be "
                             "undone."});
        for (const QByteArray &trash : trashes) {
            QCOMPARE(namesIn(trash + "/files").isEmpty(), answer);
            QCOMPARE(namesIn(trash + "/info").isEmpty(), answer);
        }
        QCOMPARE(messages.errors, QStringList());
        if (from == "background" && answer) {
            QTRY_COMPARE(list.shellModel()->rowCount(), 0);
            QCOMPARE(emptyEntry(false), std::optional(false));
        }
    }

    // Restore and Delete on items gone from the trash meanwhile say so.
    void trashVerbsSayWhy_data()
    {
        QTest::addColumn<int>("verb");
        QTest::newRow("restore") << int(Verb::Restore);
        QTest::newRow("delete") << int(Verb::Delete);
    }
    void trashVerbsSayWhy()
    {
        QFETCH(int, verb);
        QVERIFY(test::writeFile(root() + "/a.txt", "a") && TrashStore().trash(root() + "/a.txt"));
        ExplorerListView list;
        test::RecordingMessages messages;
        list.setMessages(&messages);
        list.setTrashTopSource([] { return QList<QByteArray>{}; });
        list.setLocation(Location::special(RecycleBinSpace));
        QVERIFY(test::waitListed(&list));
        list.setSelected(0, true);
        QVERIFY(QFile::remove(trashFolder() + "/files/a.txt"));
        messages.confirmAnswers = {true};
        list.InvokeVerb(Verb(verb));
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY2(messages.errors.first().contains("a.txt"), qPrintable(messages.errors.first()));
        QVERIFY(!QFile::exists(root() + "/a.txt"));
    }
};

TARNWICK_TEST_MAIN(TestRecycleBin)
#include "test_recyclebin.moc"
