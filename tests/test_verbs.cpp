#include "clipboardfiles.h"
#include "foldermodel.h"
#include "harness.h"
#include "mounts.h"
#include "names.h"
#include "namespacemodel.h"
#include "shellitems.h"
#include "shellverbs.h"
#include "transfertesting.h"
#include "trash.h"

#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <fcntl.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

QString trashFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Trash");
}
} // namespace

class TestVerbs : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::ExploreHarness> h;
    QTemporaryDir dir_;
    QString root() const { return dir_.path(); }
    QByteArray rootBytes() const { return QFile::encodeName(root()); }

    // The main window at our folder with `names` selected in the list.
    frmExplore &openWithSelection(const QStringList &names)
    {
        frmExplore &f = h->open();
        f.CcXploreTreeView1->setCurrentFolder(root());
        ExplorerListView *list = f.CcXploreListView1.get();
        // Trashes of the test's own only: its folder shares the home's volume.
        list->setTrashTopSource([] { return QList<QByteArray>{}; });
        test::waitListed(list);
        for (const QString &n : names)
            list->setSelected(list->model()->rowOfName(n), true);
        return f;
    }

private slots:
    void init()
    {
        QVERIFY(test::removeTree(root()));
        QDir().mkpath(root());
        QVERIFY(test::removeTree(trashFolder()));
        h = std::make_unique<test::ExploreHarness>();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { h.reset(); }

    void clipboardFormatsOut_data()
    {
        QTest::addColumn<QList<QByteArray>>("paths");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QByteArray>("uriList");
        QTest::addColumn<QByteArray>("gnome");
        QTest::newRow("copy one") << QList<QByteArray>{"/home/a/b.txt"} << false
                                  << QByteArray("file:///home/a/b.txt\r\n")
                                  << QByteArray("copy\nfile:///home/a/b.txt");
        QTest::newRow("cut two") << QList<QByteArray>{"/x y", "/z"} << true
                                 << QByteArray("file:///x%20y\r\nfile:///z\r\n")
                                 << QByteArray("cut\nfile:///x%20y\nfile:///z");
        QTest::newRow("invalid utf-8 and newline")
            << QList<QByteArray>{QByteArray("/t/a\xff\nb")} << false
            << QByteArray("file:///t/a%FF%0Ab\r\n") << QByteArray("copy\nfile:///t/a%FF%0Ab");
    }
    void clipboardFormatsOut()
    {
        QFETCH(QList<QByteArray>, paths);
        QFETCH(bool, cut);
        QFETCH(QByteArray, uriList);
        QFETCH(QByteArray, gnome);
        std::unique_ptr<QMimeData> data(makeFilesMimeData({paths, cut}));
        QCOMPARE(data->data("text/uri-list"), uriList);
        QCOMPARE(data->data("x-special/gnome-copied-files"), gnome);
        QCOMPARE(data->hasFormat("application/x-kde-cutselection"), cut);
        const auto back = filesFromMimeData(data.get());
        QVERIFY(back);
        QCOMPARE(back->paths, paths);
        QCOMPARE(back->cut, cut);
    }

    void clipboardFormatsIn_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("extraFormat");
        QTest::addColumn<QByteArray>("extraBytes");
        QTest::addColumn<bool>("files");
        QTest::addColumn<bool>("cut");
        QTest::newRow("uri list") << "text/uri-list" << QByteArray("file:///etc/hosts\r\n") << ""
                                  << QByteArray() << true << false;
        QTest::newRow("uri list cut by kde mark")
            << "text/uri-list" << QByteArray("file:///a\n") << "application/x-kde-cutselection"
            << QByteArray("1") << true << true;
        QTest::newRow("gnome cut")
            << "x-special/gnome-copied-files" << QByteArray("cut\nfile:///a\nfile:///b") << ""
            << QByteArray() << true << true;
        QTest::newRow("localhost url") << "text/uri-list" << QByteArray("file://localhost/a\n")
                                       << "" << QByteArray() << true << false;
        QTest::newRow("comment lines")
            << "text/uri-list" << QByteArray("# from a browser\nfile:///a\n") << "" << QByteArray()
            << true << false;
        QTest::newRow("web address") << "text/uri-list" << QByteArray("https://example.org/\n")
                                     << "" << QByteArray() << false << false;
        QTest::newRow("mixed") << "text/uri-list" << QByteArray("file:///a\nhttps://x/\n") << ""
                               << QByteArray() << false << false;
        QTest::newRow("text only")
            << "text/plain" << QByteArray("/etc/hosts") << "" << QByteArray() << false << false;
        QTest::newRow("nul in path") << "text/uri-list" << QByteArray("file:///a%00b\n") << ""
                                     << QByteArray() << false << false;
        QTest::newRow("gnome garbage")
            << "x-special/gnome-copied-files" << QByteArray("move\nfile:///a") << "" << QByteArray()
            << false << false;
    }
    void clipboardFormatsIn()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, extraFormat);
        QFETCH(QByteArray, extraBytes);
        QFETCH(bool, files);
        QFETCH(bool, cut);
        QMimeData data;
        data.setData(format, bytes);
        if (!extraFormat.isEmpty())
            data.setData(extraFormat, extraBytes);
        QCOMPARE(holdsFiles(&data), files);
        if (files)
            QCOMPARE(filesFromMimeData(&data)->cut, cut);
    }

    void verbsGoToTheActivePane_data()
    {
        QTest::addColumn<int>("pane");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::newRow("none yet") << 0 << QList<QByteArray>{};
        QTest::newRow("tree") << 1 << QList<QByteArray>{"TREE"};
        QTest::newRow("list") << 2 << QList<QByteArray>{"LIST"};
    }
    void verbsGoToTheActivePane()
    {
        QFETCH(int, pane);
        QFETCH(QList<QByteArray>, expected);
        test::writeFile(root() + "/a.txt");
        frmExplore &f = openWithSelection({"a.txt"});
        f.activePane = frmExplore::Pane(pane);
        f.mnuEditCopy_Click();
        const auto files = filesFromMimeData(QGuiApplication::clipboard()->mimeData());
        QList<QByteArray> got;
        if (files)
            got = files->paths;
        for (QByteArray &e : expected)
            e = e == "TREE" ? rootBytes() : rootBytes() + "/a.txt";
        QCOMPARE(got, expected);
    }

    // The keys of both panes come from one table: each runs its verb on
    // the pane's own folder or selection.
    void paneKeys_data()
    {
        QTest::addColumn<bool>("inTree");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("outcome");
        for (const bool tree : {false, true}) {
            const char *pane = tree ? "tree: " : "list: ";
            QTest::addRow("%sdelete", pane) << tree << QKeySequence(Qt::Key_Delete) << "asked";
            QTest::addRow("%scopy", pane) << tree << QKeySequence(QKeySequence::Copy) << "copied";
            QTest::addRow("%scut", pane) << tree << QKeySequence(QKeySequence::Cut) << "cut";
            QTest::addRow("%spaste", pane) << tree << QKeySequence(QKeySequence::Paste) << "pasted";
            QTest::addRow("%sa letter", pane) << tree << QKeySequence(Qt::Key_Q) << "nothing";
        }
    }
    void paneKeys()
    {
        QFETCH(bool, inTree);
        QFETCH(QKeySequence, key);
        QFETCH(QString, outcome);
        QDir().mkpath(root() + "/sub");
        test::writeFile(root() + "/sub/a.txt");
        test::writeFile(root() + "/elsewhere.txt");
        ShellVerbs::putOnClipboard({rootBytes() + "/elsewhere.txt"}, false);
        frmExplore &f = h->open();
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root() + "/sub"));
        ExplorerListView *list = f.CcXploreListView1.get();
        QVERIFY(test::waitListed(list));
        list->setSelected(list->model()->rowOfName("a.txt"), true);
        h->messages.confirmAnswers = {false};
        QWidget *target =
            inTree ? static_cast<QWidget *>(f.CcXploreTreeView1->view()) : list->currentView();
        QTest::keySequence(target, key);
        const auto files = filesFromMimeData(QGuiApplication::clipboard()->mimeData());
        const QByteArray item = inTree ? rootBytes() + "/sub" : rootBytes() + "/sub/a.txt";
        QCOMPARE(h->messages.confirmations.size(), outcome == "asked" ? 1 : 0);
        QCOMPARE(files && files->paths == QList<QByteArray>{item} && !files->cut,
                 outcome == "copied");
        QCOMPARE(files && files->paths == QList<QByteArray>{item} && files->cut, outcome == "cut");
        QTRY_COMPARE(QFile::exists(root() + "/sub/elsewhere.txt"), outcome == "pasted");
        QVERIFY(QFile::exists(root() + "/sub/a.txt"));
    }

    void deleteMovesToTheTrash_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        QTest::newRow("one, yes") << QStringList{"a.txt"} << true
                                  << "Move “a.txt” to the Recycle Bin?";
        QTest::newRow("two, yes") << QStringList{"a.txt", "b c.txt"} << true
                                  << "Move these 2 items to the Recycle Bin?";
        QTest::newRow("one, no") << QStringList{"a.txt"} << false
                                 << "Move “a.txt” to the Recycle Bin?";
    }
    void deleteMovesToTheTrash()
    {
        QFETCH(QStringList, selected);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        test::writeFile(root() + "/a.txt", "alpha");
        test::writeFile(root() + "/b c.txt", "beta");
        frmExplore &f = openWithSelection(selected);
        f.activePane = frmExplore::Pane::List;
        h->messages.confirmAnswers = {answer};
        f.Toolbar1_ButtonClick(QStringLiteral("Delete"));
        QCOMPARE(h->messages.confirmations, QStringList{question});
        for (const QString &n : selected) {
            QCOMPARE(QFile::exists(root() + "/" + n), !answer);
            QCOMPARE(QFile::exists(trashFolder() + "/files/" + n), answer);
            if (!answer)
                continue;
            QFile info(trashFolder() + "/info/" + n + ".trashinfo");
            QVERIFY(info.open(QIODevice::ReadOnly));
            const QByteArray text = info.readAll();
            QVERIFY2(text.startsWith("[Trash Info]\nPath=" +
                                     QFile::encodeName(root()).toPercentEncoding("/") + "/"),
                     text.constData());
            QVERIFY(text.contains("\nDeletionDate="));
        }
    }

    // Shift+Delete asks its own question, No by default, and deletes past the
    // Recycle Bin.
    void shiftDeleteDeletesForGood_data()
    {
        QTest::addColumn<bool>("inTree");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        QTest::newRow("list, one") << false << QStringList{"a.txt"} << true
                                   << "Permanently delete “a.txt”? This cannot be undone.";
        QTest::newRow("list, two") << false << QStringList{"a.txt", "sub"} << true
                                   << "Permanently delete these 2 items? This cannot be undone.";
        QTest::newRow("list, no") << false << QStringList{"a.txt"} << false
                                  << "Permanently delete “a.txt”? This cannot be undone.";
        QTest::newRow("tree") << true << QStringList{"sub"} << true
                              << "Permanently delete “sub”? This cannot be undone.";
    }
    void shiftDeleteDeletesForGood()
    {
        QFETCH(bool, inTree);
        QFETCH(QStringList, selected);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        test::writeFile(root() + "/a.txt", "alpha");
        test::writeFile(root() + "/sub/inner.txt", "beta");
        frmExplore &f = openWithSelection(inTree ? QStringList{} : selected);
        if (inTree)
            QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root() + "/sub"));
        h->messages.confirmAnswers = {answer};
        QWidget *pane = inTree ? static_cast<QWidget *>(f.CcXploreTreeView1->view())
                               : f.CcXploreListView1->currentView();
        QTest::keyClick(pane, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(h->messages.confirmations, QStringList{question});
        for (const QString &n : selected)
            QCOMPARE(QFileInfo::exists(root() + "/" + n), !answer);
        QVERIFY(!QFileInfo::exists(trashFolder() + "/files"));
        if (inTree)
            QCOMPARE(f.CcXploreTreeView1->CurrentFolder(), root());
    }

    // Renaming selects the name without its extension, so what is typed
    // keeps the item's type.
    void renameSelectsTheNameBeforeItsExtension_data()
    {
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("isDir");
        QTest::newRow("icons") << "icons"
                               << "beach.jpg"
                               << "beach" << false;
        QTest::newRow("details") << "details"
                                 << "archive.tar.gz"
                                 << "archive.tar" << false;
        QTest::newRow("dot file") << "details"
                                  << ".bashrc"
                                  << ".bashrc" << false;
        QTest::newRow("no dot") << "icons"
                                << "README"
                                << "README" << false;
        QTest::newRow("folder") << "icons"
                                << "photos.2024"
                                << "photos.2024" << true;
        QTest::newRow("tree folder") << "tree"
                                     << "photos.2024"
                                     << "photos.2024" << true;
    }
    void renameSelectsTheNameBeforeItsExtension()
    {
        QFETCH(QString, pane);
        QFETCH(QString, name);
        QFETCH(QString, selected);
        QFETCH(bool, isDir);
        QVERIFY(isDir ? QDir().mkpath(root() + "/" + name) : test::writeFile(root() + "/" + name));
        frmExplore &f = openWithSelection({});
        ExplorerListView *list = f.CcXploreListView1.get();
        QAbstractItemView *view = list->currentView();
        if (pane == "tree") {
            QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root() + "/" + name));
            view = f.CcXploreTreeView1->view();
        } else {
            if (pane == "details")
                f.mnuViewDetails_Click();
            view = list->currentView();
            view->setCurrentIndex(list->model()->index(list->model()->rowOfName(name), 0));
        }
        view->setFocus();
        QTest::keyClick(view, Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), name);
        QTRY_COMPARE(editor->selectedText(), selected);
    }

    // One rule names every item that must not take a taken name's place.
    void numberedNamesFit_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("isDir");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("short") << QByteArray("a.txt") << false << QByteArray("a (2).txt");
        QTest::newRow("a folder keeps its dot")
            << QByteArray("photos.2024") << true << QByteArray("photos.2024 (2)");
        QTest::newRow("a leading dot is no extension")
            << QByteArray(".bashrc") << false << QByteArray(".bashrc (2)");
        QTest::newRow("longest, with extension")
            << QByteArray(251, 'n') + ".txt" << false << QByteArray(247, 'n') + " (2).txt";
        QTest::newRow("longest, two-byte characters")
            << QString(126, QChar(0xE9)).toUtf8() + ".c" << false
            << QString(124, QChar(0xE9)).toUtf8() + " (2).c";
        QTest::newRow("longest, not UTF-8")
            << QByteArray(255, '\xa9') << false << QByteArray(251, '\xa9') + " (2)";
        QTest::newRow("an extension too long to keep")
            << "a." + QByteArray(252, 'e') << false << "a." + QByteArray(249, 'e') + " (2)";
    }
    void numberedNamesFit()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, isDir);
        QFETCH(QByteArray, expected);
        const int dir = open(rootBytes().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(dir >= 0);
        QCOMPARE(names::firstFree(dir, name, isDir), name);
        QVERIFY(test::makeRawFile(rootBytes() + '/' + name, "x"));
        QCOMPARE(names::firstFree(dir, name, isDir), expected);
        close(dir);
    }

    // Create Shortcut and a link dropped with Ctrl+Shift name alike.
    void linksAreNumbered()
    {
        test::writeFile(root() + "/doc.txt");
        QVERIFY(QDir(root()).mkdir("my.dir"));
        test::RecordingMessages messages;
        test::ScriptedAsker asker;
        const QList<QByteArray> targets{rootBytes() + "/doc.txt", rootBytes() + "/my.dir"};
        QCOMPARE(
            ShellVerbs::makeLinks(nullptr, messages, asker, targets, rootBytes()),
            (QList<QByteArray>{rootBytes() + "/Link to doc.txt", rootBytes() + "/Link to my.dir"}));
        QCOMPARE(ShellVerbs::makeLinks(nullptr, messages, asker, targets, rootBytes()),
                 (QList<QByteArray>{rootBytes() + "/Link to doc (2).txt",
                                    rootBytes() + "/Link to my.dir (2)"}));
        QCOMPARE(QFile::symLinkTarget(root() + "/Link to doc (2).txt"), root() + "/doc.txt");
        QVERIFY(messages.errors.isEmpty());
        QVERIFY(
            ShellVerbs::makeLinks(nullptr, messages, asker, {rootBytes() + "/gone"}, rootBytes())
                .isEmpty());
        QCOMPARE(messages.errors.size(), 1);
    }

    void createShortcutFromTheList()
    {
        test::writeFile(root() + "/doc.txt");
        frmExplore &f = openWithSelection({"doc.txt"});
        f.activePane = frmExplore::Pane::List;
        f.menuEntry(QStringLiteral("mnuFileCreateShortcut"))->trigger();
        QVERIFY(QFileInfo(root() + "/Link to doc.txt").isSymLink());
    }

    void cutItemsAreDimmedUntilTheClipboardChanges()
    {
        test::writeFile(root() + "/a.txt");
        test::writeFile(root() + "/b.txt");
        frmExplore &f = openWithSelection({"a.txt"});
        f.activePane = frmExplore::Pane::List;
        f.mnuEditCut_Click();
        FolderModel *m = f.CcXploreListView1->model();
        const auto dimmed = [&](const QString &name) {
            return m->index(m->rowOfName(name), 0).data(Qt::ForegroundRole).isValid();
        };
        QTRY_VERIFY(dimmed("a.txt"));
        QVERIFY(!dimmed("b.txt"));
        QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
        QTRY_VERIFY(!dimmed("a.txt"));
    }

    void renameInTheTree()
    {
        QDir().mkpath(root() + "/old/inner");
        test::RecordingMessages messages;
        ExplorerTreeView tree;
        ExplorerListView list;
        tree.setMessages(&messages);
        tree.setLinkedListView(&list);
        QVERIFY(tree.setCurrentFolder(root() + "/old/inner"));
        NamespaceModel *m = tree.model();
        const QModelIndex old = m->indexOf(Location::folder(root() + "/old"));
        QVERIFY(m->flags(old) & Qt::ItemIsEditable);
        QVERIFY(!m->setData(old, QStringLiteral("a/b")));
        QVERIFY(messages.errors.last().contains("cannot contain"));
        QVERIFY(m->setData(old, QStringLiteral("new")));
        QTRY_COMPARE(tree.CurrentFolder(), root() + "/new/inner");
        QVERIFY(QFileInfo(root() + "/new/inner").isDir());
        QCOMPARE(list.folder(), root() + "/new/inner");
        const QModelIndex computer = m->indexOf(Location::special(MyComputerSpace));
        QVERIFY(!(m->flags(m->index(0, 0, computer)) & Qt::ItemIsEditable)); // volumes stay
    }

    void copyThenPasteElsewhere_data()
    {
        QTest::addColumn<bool>("cut");
        QTest::newRow("copy") << false;
        QTest::newRow("cut") << true;
    }
    void copyThenPasteElsewhere()
    {
        QFETCH(bool, cut);
        test::writeFile(root() + "/src/a.txt", "alpha");
        test::writeFile(root() + "/dst/z.txt", "was there");
        frmExplore &f = h->open();
        f.CcXploreTreeView1->setCurrentFolder(root() + "/src");
        ExplorerListView *list = f.CcXploreListView1.get();
        QVERIFY(test::waitListed(list));
        list->setSelected(list->model()->rowOfName("a.txt"), true);
        f.activePane = frmExplore::Pane::List;
        cut ? f.mnuEditCut_Click() : f.mnuEditCopy_Click();
        // The Edit menu's Paste follows the clipboard when the menu opens.
        f.mnuEditTop_Click();
        QVERIFY(f.mnuEditPaste->isEnabled());
        f.CcXploreTreeView1->setCurrentFolder(root() + "/dst");
        QVERIFY(test::waitListed(list));
        list->setSelected(list->model()->rowOfName("z.txt"), true);
        f.Toolbar1_ButtonClick(QStringLiteral("Paste"));
        QFile pasted(root() + "/dst/a.txt");
        QTRY_VERIFY(pasted.exists());
        // What arrived is the selection once the folder's watcher brings it in.
        QTRY_COMPARE(list->selectedPaths(),
                     QList<QByteArray>{QFile::encodeName(pasted.fileName())});
        QCOMPARE(list->currentView()->currentIndex().row(), list->model()->rowOfName("a.txt"));
        QCOMPARE(f.StatusBar1->SimpleText(), QStringLiteral("1 Item Selected"));
        QVERIFY(pasted.open(QIODevice::ReadOnly));
        QCOMPARE(pasted.readAll(), QByteArray("alpha"));
        QCOMPARE(QFile::exists(root() + "/src/a.txt"), !cut);
        // A pasted cut is done with once the paste has ended.
        QTRY_COMPARE((f.mnuEditTop_Click(), f.mnuEditPaste->isEnabled()), !cut);
        QVERIFY(h->messages.errors.isEmpty());
    }

    // Extract Here from the list's menu: what the archive made becomes the
    // selection.
    void extractHereSelectsWhatArrived()
    {
        test::writeFile(root() + "/in/inner.txt", "x");
        QCOMPARE(QProcess::execute(
                     "tar", {"czf", root() + "/b.tar.gz", "-C", root() + "/in", "inner.txt"}),
                 0);
        frmExplore &f = openWithSelection({"b.tar.gz"});
        ExplorerListView *list = f.CcXploreListView1.get();
        QAbstractItemView *view = list->currentView();
        view->setCurrentIndex(list->model()->index(list->model()->rowOfName("b.tar.gz"), 0));
        QTimer::singleShot(0, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (QAction *a : menu ? menu->actions() : QList<QAction *>{})
                if (a->text() == "E&xtract Here")
                    a->trigger();
            if (menu)
                menu->close();
        });
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_COMPARE(list->selectedPaths(), QList<QByteArray>{rootBytes() + "/inner.txt"});
    }

    void pasteWithoutFiles()
    {
        frmExplore &f = openWithSelection({});
        QGuiApplication::clipboard()->setText(QStringLiteral("just text"));
        f.mnuEditTop_Click();
        QVERIFY(!f.mnuEditPaste->isEnabled());
        f.activePane = frmExplore::Pane::List;
        f.Toolbar1_ButtonClick(QStringLiteral("Paste")); // the button is never disabled
        QCOMPARE(h->messages.errors.size(), 1);
        QVERIFY(h->messages.errors.first().contains("no files"));
    }

    void folderIntoItselfIsRefused()
    {
        QDir().mkpath(root() + "/box/inner");
        frmExplore &f = openWithSelection({"box"});
        f.activePane = frmExplore::Pane::List;
        f.mnuEditCopy_Click();
        f.CcXploreTreeView1->setCurrentFolder(root() + "/box/inner");
        f.activePane = frmExplore::Pane::Tree;
        f.mnuEditPaste_Click();
        QCOMPARE(h->messages.errors.size(), 1);
        QVERIFY(!QFileInfo::exists(root() + "/box/inner/box"));
    }

    void findAlwaysUsesTheTree()
    {
        frmExplore &f = openWithSelection({});
        f.activePane = frmExplore::Pane::List;
        f.menuEntry(QStringLiteral("mnuToolsFind"))->trigger();
        QCOMPARE(f.activePane, frmExplore::Pane::Tree);
        QWidget *find = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() &&
                QByteArray(w->metaObject()->className()) == "tarnwick::FindWindow")
                find = w;
        QVERIFY(find);
        find->close();
    }

    void dropsCopyMoveOrLink_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("onTree");
        QTest::addColumn<QString>("result"); // "copy", "move" or "link"
        QTest::newRow("plain, same file system") << int(Qt::NoModifier) << false << "move";
        QTest::newRow("ctrl copies") << int(Qt::ControlModifier) << false << "copy";
        QTest::newRow("shift moves") << int(Qt::ShiftModifier) << false << "move";
        QTest::newRow("ctrl shift links")
            << int(Qt::ControlModifier | Qt::ShiftModifier) << false << "link";
        QTest::newRow("onto a tree folder") << int(Qt::ControlModifier) << true << "copy";
        QTest::newRow("onto a folder in the list")
            << int(Qt::ControlModifier) << false << "copy into inner";
        QTest::newRow("moved onto a folder in the list")
            << int(Qt::NoModifier) << false << "move into inner";
    }
    void dropsCopyMoveOrLink()
    {
        QFETCH(int, modifiers);
        QFETCH(bool, onTree);
        QFETCH(QString, result);
        test::writeFile(root() + "/src/a.txt", "alpha");
        QDir().mkpath(root() + "/dst/inner");
        const bool intoInner = result.endsWith(" into inner");
        result = result.section(' ', 0, 0);
        frmExplore &f = h->open();
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root() + "/dst"));
        ExplorerListView *list = f.CcXploreListView1.get();
        QVERIFY(test::waitListed(list));
        std::unique_ptr<QMimeData> data(makeFilesMimeData({{rootBytes() + "/src/a.txt"}, false}));
        QWidget *viewport = list->currentView()->viewport();
        QPoint at(viewport->width() - 3, viewport->height() - 3);
        if (intoInner)
            at = list->currentView()
                     ->visualRect(list->model()->index(list->model()->rowOfName("inner"), 0))
                     .center();
        if (onTree) {
            QTreeView *tree = f.CcXploreTreeView1->view();
            viewport = tree->viewport();
            at = tree->visualRect(tree->currentIndex()).center(); // the "dst" node
        }
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(at, offered, data.get(), Qt::LeftButton,
                              Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(viewport->acceptDrops());
        QVERIFY(enter.isAccepted());
        if (intoInner) { // the folder is highlighted while the drag hovers over it
            const QModelIndex inner = list->model()->index(list->model()->rowOfName("inner"), 0);
            QVERIFY(inner.data(Qt::BackgroundRole).isValid());
            QDragLeaveEvent leave;
            QApplication::sendEvent(viewport, &leave);
            QVERIFY(!inner.data(Qt::BackgroundRole).isValid());
            QApplication::sendEvent(viewport, &enter);
        }
        QDropEvent drop(at, offered, data.get(), Qt::LeftButton, Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(viewport, &drop);
        QVERIFY(drop.isAccepted());
        const QString landed = root() + (intoInner ? "/dst/inner/" : "/dst/") +
                               (result == "link" ? "Link to a.txt" : "a.txt");
        QTRY_VERIFY(QFileInfo::exists(landed) || QFileInfo(landed).isSymLink());
        QCOMPARE(QFileInfo(landed).isSymLink(), result == "link");
        QTRY_COMPARE(QFile::exists(root() + "/src/a.txt"), result != "move");
        // Into the folder shown (from either pane), what arrived is selected.
        if (!intoInner)
            QTRY_COMPARE(list->selectedPaths(), QList<QByteArray>{QFile::encodeName(landed)});
    }

    // A drag begins over the item being dragged, a place that refuses it.
    // Qt deafens a pane that refuses a drag's entry to the rest of that drag,
    // so the entry is taken and each place judged as the drag moves: the drop
    // onto a folder a little further on must land.
    void dragBegunOverARefusingPlaceStillDrops_data()
    {
        QTest::addColumn<bool>("onTree");
        QTest::newRow("list") << false;
        QTest::newRow("tree") << true;
    }
    void dragBegunOverARefusingPlaceStillDrops()
    {
        QFETCH(bool, onTree);
        test::writeFile(root() + "/dst/a.txt", "alpha");
        QDir().mkpath(root() + "/dst/inner");
        frmExplore &f = h->open();
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root() + "/dst"));
        ExplorerListView *list = f.CcXploreListView1.get();
        QVERIFY(test::waitListed(list));
        QAbstractItemView *view = list->currentView();
        const auto rectOf = [&](const char *name) {
            return view->visualRect(list->model()->index(list->model()->rowOfName(name), 0));
        };
        QPoint start = rectOf("a.txt").center();
        QPoint finish = rectOf("inner").center();
        QByteArray path = rootBytes() + "/dst/a.txt";
        QString landed = root() + "/dst/inner/a.txt";
        if (onTree) {
            QTreeView *tree = f.CcXploreTreeView1->view();
            view = tree;
            const QModelIndexList computer =
                tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole, "My Computer", 1,
                                     Qt::MatchExactly | Qt::MatchRecursive);
            QVERIFY(!computer.isEmpty());
            start = tree->visualRect(computer.first()).center(); // not a folder
            finish = tree->visualRect(tree->currentIndex()).center();
            test::writeFile(root() + "/src/b.txt", "beta");
            path = rootBytes() + "/src/b.txt";
            landed = root() + "/dst/b.txt";
        }
        QWidget *viewport = view->viewport();
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        std::unique_ptr<QMimeData> data(makeFilesMimeData({{path}, false}));

        QDragEnterEvent enter(start, offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent refused(start, offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        refused.setAccepted(false);
        QApplication::sendEvent(viewport, &refused);
        QVERIFY(!refused.isAccepted());
        QDragMoveEvent taken(finish, offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        taken.setAccepted(false);
        QApplication::sendEvent(viewport, &taken);
        QVERIFY(taken.isAccepted());
        QCOMPARE(taken.dropAction(), Qt::MoveAction);
        QDropEvent drop(finish, offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        drop.setAccepted(false);
        QApplication::sendEvent(viewport, &drop);
        QVERIFY(drop.isAccepted());
        QTRY_VERIFY(QFileInfo::exists(landed));
        QVERIFY(!QFileInfo::exists(QFile::decodeName(path)));
    }

    void newFolderIsNumbered()
    {
        test::RecordingMessages messages;
        QCOMPARE(ShellVerbs::makeFolder(nullptr, messages, rootBytes()),
                 rootBytes() + "/New Folder");
        QCOMPARE(ShellVerbs::makeFolder(nullptr, messages, rootBytes()),
                 rootBytes() + "/New Folder (2)");
        QVERIFY(QFileInfo(root() + "/New Folder (2)").isDir());
        QVERIFY(QFile::setPermissions(root(), QFile::ReadOwner | QFile::ExeOwner));
        if (access(rootBytes().constData(), W_OK) != 0) { // root may write anyway
            QCOMPARE(ShellVerbs::makeFolder(nullptr, messages, rootBytes()), QByteArray());
            QCOMPARE(messages.errors.size(), 1);
            QVERIFY2(messages.errors.first().contains("Permission was denied"),
                     qPrintable(messages.errors.first()));
        }
        QFile::setPermissions(root(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The Desktop node of the tree stands for the desktop folder: it has a
    // folder's menu, and what is pasted on it lands in that folder.
    void desktopNodeTakesAPaste()
    {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        QVERIFY(QDir().mkpath(desktop));
        test::writeFile(root() + "/a.txt", "x");
        frmExplore &f = openWithSelection({"a.txt"});
        f.activePane = frmExplore::Pane::List;
        f.mnuEditCopy_Click();
        ExplorerTreeView *tree = f.CcXploreTreeView1.get();
        QVERIFY(tree->navigateTo(Location::special(DesktopSpace)));
        QStringList entries;
        QTimer::singleShot(0, [&entries] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (QAction *a : menu ? menu->actions() : QList<QAction *>{}) {
                if (!a->isSeparator())
                    entries << a->text();
                if (a->text() == "&Paste" && a->isEnabled())
                    a->trigger();
            }
            if (menu)
                menu->close();
        });
        QTreeView *view = tree->view();
        emit view->customContextMenuRequested(view->visualRect(view->currentIndex()).center());
        for (const char *entry : {"&Open", "&Copy", "&Paste", "P&roperties"})
            QVERIFY2(entries.contains(QString::fromLatin1(entry)), qPrintable(entries.join('|')));
        QTRY_VERIFY(QFileInfo::exists(desktop + "/a.txt"));
        QVERIFY(QFileInfo::exists(root() + "/a.txt"));
        QVERIFY(h->messages.errors.isEmpty());
        QVERIFY(QDir(desktop).removeRecursively());
    }
};

TARNWICK_TEST_MAIN(TestVerbs)
#include "test_verbs.moc"
