// Names that are not valid UTF-8 or hold a newline reach the right folder
// whichever way the user goes there, names that look like markup show as
// they are, and the tree and the list follow folders made, removed or
// unmounted from outside.
#include "clipboardfiles.h"
#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "fileoperationdialogs.h"
#include "findwindow.h"
#include "foldermodel.h"
#include "harness.h"
#include "mounts.h"
#include "namespacemodel.h"
#include "propertiesdialog.h"
#include "rawpaths.h"
#include "shellitems.h"
#include "shellverbs.h"
#include "trash.h"
#include "usermessages.h"

#include <QImage>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>
#include <QTreeView>
#include <QWindow>
#include <fcntl.h>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

// A document that notes the pictures its text asks for instead of reading
// them.
class NotingDocument : public QTextDocument
{
public:
    explicit NotingDocument(QStringList &fetched) : fetched_(fetched) {}

protected:
    QVariant loadResource(int, const QUrl &name) override
    {
        fetched_ << name.toString();
        QImage blank(1, 1, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        return blank;
    }

private:
    QStringList &fetched_;
};

// What the user reads of `text` in a label or a tool tip of `format`: drawn
// as rich text where Qt would take it for that, with the pictures it asks
// for noted in `fetched` instead of read.
QString rendered(const QString &text, Qt::TextFormat format, QStringList &fetched)
{
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    NotingDocument doc(fetched);
    doc.setHtml(text);
    doc.size(); // laid out, which is when pictures are fetched
    return doc.toPlainText();
}

QString labelsText(const QWidget *w, QStringList &fetched)
{
    QString text;
    for (const QLabel *l : w->findChildren<QLabel *>())
        text += rendered(l->text(), l->textFormat(), fetched) + QLatin1Char('\n');
    return text;
}

// What the labels of the modal dialog that `open` shows read; the dialog is
// then closed as Escape closes it.
QString modalText(const std::function<void()> &open, QStringList &fetched)
{
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!d || !d->isVisible())
            return;
        poll.stop();
        text = labelsText(d, fetched);
        d->reject();
    });
    poll.start(10);
    open();
    return text;
}

} // namespace

class TestOddPaths : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString root() const { return dir_->path(); }
    QByteArray rootBytes() const { return rawpath::toBytes(root()); }

    // A namespace over the test's own folder, which stands for "/".
    NamespaceModel *ownNamespace() const
    {
        auto *m = new NamespaceModel(
            nullptr, [] { return QList<Volume>{}; }, root(), root());
        m->setRootFolder(root());
        return m;
    }

    // A folder named `name` holding one file, "inside.txt".
    QByteArray makeFolder(const QByteArray &name)
    {
        const QByteArray path = rootBytes() + '/' + name;
        if (mkdir(path.constData(), 0755) != 0)
            return {};
        const int fd = open((path + "/inside.txt").constData(), O_WRONLY | O_CREAT, 0644);
        if (fd < 0 || write(fd, "hello", 5) != 5)
            return {};
        close(fd);
        return path;
    }

    // `name` with "{dir}" standing for the test's folder, written as a file
    // URL may be within a name: "%2F" for each slash.
    QByteArray withDir(QByteArray name) const
    {
        return name.replace("{dir}", rootBytes().replace("/", "%2F"));
    }

    // Names Qt reads markup into, or nearly: each must show as it is.
    static void markupNames()
    {
        QTest::addColumn<QByteArray>("name");
        // A name holds no slash, so no closing tag.
        QTest::newRow("bold") << QByteArray("<b>bold");
        QTest::newRow("picture from a file") << QByteArray("<img src=file:{dir}%2Fpic.png>");
        QTest::newRow("link") << QByteArray("<a href=\"x\">x");
        QTest::newRow("spaces kept") << QByteArray("<i>two  spaces  ");
        QTest::newRow("entity") << QByteArray("&amp;");
        QTest::newRow("comment") << QByteArray("<!--");
        QTest::newRow("modified mark") << QByteArray("a[*]b");
    }

    static int rowOf(FolderModel *m, const QByteArray &name)
    {
        for (int r = 0; r < m->rowCount(); ++r) {
            if (m->entryAt(r).encodedName() == name)
                return r;
        }
        return -1;
    }

    struct Linked
    {
        test::RecordingMessages messages;
        ExplorerTreeView tree;
        ExplorerListView list;
        ExplorerCombo combo;
        explicit Linked(NamespaceModel *model) : tree(nullptr, model)
        {
            tree.setMessages(&messages);
            list.setMessages(&messages);
            tree.setLinkedListView(&list);
            tree.setLinkedCombo(&combo);
        }
    };

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void cleanup()
    {
        // QTemporaryDir cannot remove names that are not valid UTF-8.
        test::removeTree(root());
        dir_.reset();
    }

    void textKeepsEveryByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QByteArray("/plain/name");
        QTest::newRow("utf-8") << QByteArray("/caf\xc3\xa9/\xf0\x9f\x93\x81");
        QTest::newRow("lone byte") << QByteArray("/bad\xffname");
        QTest::newRow("truncated sequence") << QByteArray("/x\xe2\x82");
        QTest::newRow("overlong slash") << QByteArray("/a\xc0\xaf"
                                                      "b");
        QTest::newRow("encoded surrogate") << QByteArray("/s\xed\xa0\x80");
        QTest::newRow("after an emoji") << QByteArray("/\xf0\x9f\x98\x80\xff");
        QTest::newRow("newline and high bytes") << QByteArray("/new\nline\x80\x81\xfe");
        QTest::newRow("past U+10FFFF") << QByteArray("/\xf4\x90\x80\x80");
    }

    void textKeepsEveryByte()
    {
        QFETCH(QByteArray, bytes);
        const QString text = rawpath::toText(bytes);
        QCOMPARE(rawpath::toBytes(text), bytes);
        // What the user reads has no stand-in left, only U+FFFD.
        const QString shown = rawpath::shown(text);
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (shown.at(i).isHighSurrogate()) {
                QVERIFY(i + 1 < shown.size() && shown.at(i + 1).isLowSurrogate());
                ++i;
            } else {
                QVERIFY(!shown.at(i).isSurrogate());
            }
        }
        if (QString::fromUtf8(bytes).toUtf8() == bytes)
            QCOMPARE(text, QString::fromUtf8(bytes));
    }

    void everyWayThere_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("invalid UTF-8") << QByteArray("bad\xffname");
        QTest::newRow("newline") << QByteArray("new\nline");
        QTest::newRow("both") << QByteArray("odd\xfe\n\xff");
    }

    void everyWayThere()
    {
        QFETCH(QByteArray, name);
        const QByteArray folder = makeFolder(name);
        QVERIFY(!folder.isEmpty());
        Linked w(ownNamespace());
        QTRY_COMPARE(w.list.folder(), root());
        QVERIFY(test::waitListed(&w.list));

        // Opened from the list.
        const int row = rowOf(w.list.model(), name);
        QVERIFY(row >= 0);
        // Dragged out: the URL names the bytes.
        std::unique_ptr<QMimeData> dragged(
            w.list.model()->mimeData({w.list.model()->index(row, 0)}));
        const auto files = filesFromMimeData(dragged.get());
        QVERIFY(files);
        QCOMPARE(files->paths, QList<QByteArray>{folder});

        emit w.list.currentView()->activated(w.list.model()->index(row, 0));
        QCOMPARE(rawpath::toBytes(w.tree.CurrentFolder()), folder);
        QCOMPARE(rawpath::toBytes(w.list.folder()), folder);
        QVERIFY(test::waitListed(&w.list));
        QCOMPARE(w.list.ItemCount(), 1);
        QCOMPARE(w.list.selectedPaths(), QList<QByteArray>{});
        w.list.setSelected(0, true);
        QCOMPARE(w.list.selectedPaths(), QList<QByteArray>{folder + "/inside.txt"});
        // The tree's node is that folder.
        NamespaceModel *m = w.tree.model();
        QCOMPARE(rawpath::toBytes(m->pathOf(w.tree.view()->currentIndex())), folder);

        // Typed into the address box, as the box shows it.
        QVERIFY(w.tree.setCurrentFolder(root()));
        QVERIFY(w.combo.go(rawpath::toText(folder)));
        QCOMPARE(rawpath::toBytes(w.list.folder()), folder);

        // Through the tree.
        QVERIFY(w.tree.setCurrentFolder(root()));
        QVERIFY(w.tree.setCurrentFolder(rawpath::toText(folder)));
        QCOMPARE(rawpath::toBytes(w.list.folder()), folder);
        QVERIFY(w.messages.errors.isEmpty());

        // Properties of the folder and of the file in it.
        std::unique_ptr<PropertiesDialog> folderProps(PropertiesDialog::create({folder}));
        QVERIFY(folderProps);
        QCOMPARE(rawpath::toBytes(folderProps->findChild<QLineEdit *>("name")->text()), name);
        QVERIFY(!folderProps->windowTitle().contains(QChar(0xDCFF)));
        std::unique_ptr<PropertiesDialog> fileProps(
            PropertiesDialog::create({folder + "/inside.txt"}));
        QVERIFY(fileProps);
        QVERIFY(fileProps->findChild<QLabel *>("size")->text().contains("5"));

        // Found by Find, and opened from its results.
        QStringList opened;
        FindWindow find(root(), [&](const QString &f) { opened << f; });
        find.findChild<QLineEdit *>("named")->setText("inside.txt");
        QSignalSpy done(&find, &FindWindow::searchFinished);
        find.findNow();
        QVERIFY(done.wait(10000));
        auto *results = find.findChild<QTreeView *>("results");
        QCOMPARE(results->model()->rowCount(), 1);
        emit results->doubleClicked(results->model()->index(0, 0));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(rawpath::toBytes(opened.first()), folder);
    }

    // The tool tips of the list, the tree and the Recycle Bin's list; the
    // picture of a device would be read for ever.
    void markupInToolTips_data()
    {
        markupNames();
        QTest::newRow("picture from a device") << QByteArray("<img src=file:%2Fdev%2Fzero>");
    }

    void markupInToolTips()
    {
        QFETCH(QByteArray, name);
        name = withDir(name);
        QVERIFY(test::writeFile(root() + "/pic.png"));
        const QByteArray folder = makeFolder(name);
        QVERIFY(!folder.isEmpty());
        const QString path = rawpath::toText(folder);
        Linked w(ownNamespace());
        QTRY_COMPARE(w.list.folder(), root());
        QVERIFY(test::waitListed(&w.list));
        QStringList fetched;
        const auto tip = [&](const QAbstractItemModel *m, const QModelIndex &index) {
            return rendered(m->data(index, Qt::ToolTipRole).toString(), Qt::AutoText, fetched);
        };

        FolderModel *list = w.list.model();
        const int row = rowOf(list, name);
        QVERIFY(row >= 0);
        QCOMPARE(tip(list, list->index(row, FolderModel::NameColumn)),
                 rawpath::visible(rawpath::toText(name)));
        NamespaceModel *tree = w.tree.model();
        QCOMPARE(tip(tree, tree->indexOf(Location::folder(path))), path);
        ShellItemsModel bin;
        ShellItem item;
        item.name = rawpath::toText(name);
        item.path = path;
        bin.show(RecycleBinSpace, {{"Name"}, [&] { return QList<ShellItem>{item}; }, true});
        QCOMPARE(bin.rowCount(), 1);
        QCOMPARE(tip(&bin, bin.index(0, 0)), path);
        QCOMPARE(fetched, QStringList());
    }

    // The question before a delete, the job's questions and reports, the
    // conflict dialog, a prompt, the properties and the titles.
    void markupInDialogs_data() { markupNames(); }

    void markupInDialogs()
    {
        QFETCH(QByteArray, name);
        name = withDir(name);
        QVERIFY(test::writeFile(root() + "/pic.png"));
        const QByteArray folder = makeFolder(name);
        QVERIFY(!folder.isEmpty());
        const QString path = rawpath::shown(folder);
        QStringList fetched;

        const TrashStore trash(root() + "/trash");
        QVERIFY(
            modalText(
                [&] { ShellVerbs::moveToTrash(nullptr, UserMessages::dialogs(), {folder}, trash); },
                fetched)
                .contains(rawpath::shown(name)));
        QVERIFY(rawpath::exists(folder));
        QCOMPARE(modalText([&] { UserMessages::dialogs().ask(nullptr, "Go To", path); }, fetched)
                     .count(path),
                 1);
        JobAsker &asker = JobAsker::dialogs();
        QCOMPARE(modalText([&] { asker.askError(nullptr, path, path); }, fetched).count(path), 2);
        QVERIFY(modalText(
                    [&] {
                        asker.report(nullptr, JobKind::Trash, {path, path});
                    },
                    fetched)
                    .contains(path));
        Conflict c;
        c.source = c.target = folder;
        c.sourceIsDir = c.targetIsDir = true;
        QVERIFY(modalText([&] { asker.askConflict(nullptr, c); }, fetched)
                    .contains(rawpath::shown(name)));

        std::unique_ptr<PropertiesDialog> props(PropertiesDialog::create({folder + "/inside.txt"}));
        QVERIFY(props);
        QVERIFY(labelsText(props.get(), fetched).contains(path));
        QCOMPARE(fetched, QStringList());

        // Titles as the window system gets them: Qt leaves a "[*]" out.
        const auto title = [](QWidget *w) {
            w->winId();
            return w->windowHandle()->title();
        };
        props.reset(PropertiesDialog::create({folder}));
        QVERIFY(props);
        QCOMPARE(title(props.get()), "Properties of " + rawpath::shown(name));
        FindWindow find(root(), {});
        find.findChild<QLineEdit *>("named")->setText(rawpath::shown(name));
        QCOMPARE(title(&find), "Find: Files named " + rawpath::shown(name).trimmed());
    }

    // Deleted from the tree, the folder goes to the trash under its own
    // bytes and the tree moves up to its parent.
    void treeTrashesAnOddFolder()
    {
        const QByteArray folder = makeFolder("bad\xff\nname");
        QVERIFY(!folder.isEmpty());
        Linked w(ownNamespace());
        QVERIFY(w.tree.setCurrentFolder(rawpath::toText(folder)));
        w.messages.confirmAnswers = {true};
        w.tree.InvokeVerb(Verb::Delete);
        QVERIFY2(w.messages.errors.isEmpty(), qPrintable(w.messages.errors.join('\n')));
        QVERIFY(!rawpath::exists(folder));
        const QByteArray trashed = rawpath::toBytes(QStandardPaths::writableLocation(
                                       QStandardPaths::GenericDataLocation)) +
                                   "/Trash/files/bad\xff\nname/inside.txt";
        QVERIFY(rawpath::exists(trashed));
        QCOMPARE(w.tree.CurrentFolder(), root());
    }

    void treeFollowsFoldersMadeAndRemoved()
    {
        QVERIFY(QDir().mkpath(root() + "/keep"));
        Linked w(ownNamespace());
        NamespaceModel *m = w.tree.model();
        const QModelIndex here = m->indexOf(Location::folder(root()));
        w.tree.view()->expand(here);
        QTRY_VERIFY(m->isLoaded(here));
        const auto names = [&] {
            QStringList out;
            for (int r = 0; r < m->rowCount(here); ++r)
                out << m->data(m->index(r, 0, here)).toString();
            return out;
        };
        QCOMPARE(names(), QStringList{"keep"});
        QVERIFY(QDir().mkpath(root() + "/appeared"));
        QTRY_COMPARE(names(), (QStringList{"appeared", "keep"}));
        QVERIFY(QDir(root() + "/appeared").removeRecursively());
        QTRY_COMPARE(names(), QStringList{"keep"});
        QVERIFY(QDir(root()).rename("keep", "renamed"));
        QTRY_COMPARE(names(), QStringList{"renamed"});
        QVERIFY(w.messages.errors.isEmpty());
    }

    // The folder shown is removed from outside: both panes go to the
    // nearest folder still there, and the user is told once.
    void currentFolderRemovedFromOutside()
    {
        QVERIFY(QDir().mkpath(root() + "/doomed/deeper"));
        Linked w(ownNamespace());
        QVERIFY(w.tree.setCurrentFolder(root() + "/doomed/deeper"));
        QVERIFY(test::waitListed(&w.list));
        // The tree has read the folders on the way, so it watches them.
        const QModelIndex doomed = w.tree.model()->indexOf(Location::folder(root() + "/doomed"));
        w.tree.view()->expand(doomed);
        QTRY_VERIFY(w.tree.model()->isLoaded(doomed));
        QVERIFY(QDir(root() + "/doomed").removeRecursively());
        QTRY_COMPARE(w.tree.CurrentFolder(), root());
        QTRY_COMPARE(w.list.folder(), root());
        QVERIFY(test::waitListed(&w.list));
        QTRY_COMPARE(w.messages.errors.size(), 1);
        QVERIFY(w.messages.errors.first().contains("doomed"));
        // The node is gone, and the other pane stays quiet.
        const QModelIndex here = w.tree.model()->indexOf(Location::folder(root()));
        QTRY_COMPARE(w.tree.model()->rowCount(here), 0);
        QCOMPARE(w.messages.errors.size(), 1);
    }

    void unmountedVolumeIsLeft_data()
    {
        QTest::addColumn<QString>("shown"); // relative to the volume
        QTest::newRow("a folder on the volume") << "/inner";
        QTest::newRow("the mount point itself") << "";
    }

    // The volume under the folder shown goes away: the list stops showing
    // its old contents.
    void unmountedVolumeIsLeft()
    {
        QFETCH(QString, shown);
        test::ScratchVolume volume(root());
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.whyNot()));
        QVERIFY(QDir().mkpath(volume.path() + "/inner"));
        QVERIFY(test::writeFile(volume.path() + "/inner/on-volume.txt"));
        QVERIFY(test::writeFile(volume.path() + "/top.txt"));
        Linked w(ownNamespace());
        QVERIFY(w.tree.setCurrentFolder(volume.path() + shown));
        QVERIFY(test::waitListed(&w.list));
        QVERIFY(w.list.ItemCount() > 0);

        QCOMPARE(umount2(volume.encodedPath().constData(), MNT_DETACH), 0);
        // The mount point is an empty folder again: it is where both end up.
        QTRY_COMPARE(w.list.folder(), volume.path());
        QTRY_COMPARE(w.tree.CurrentFolder(), volume.path());
        QVERIFY(test::waitListed(&w.list));
        QTRY_COMPARE(w.list.ItemCount(), 0);
    }
};

TARNWICK_TEST_MAIN(TestOddPaths)
#include "test_oddpaths.moc"
