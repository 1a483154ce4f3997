#include "foldermodel.h"
#include "harness.h"
#include "launcher.h"
#include "mounts.h"
#include "namespacemodel.h"
#include "naturalorder.h"
#include "shellitems.h"
#include "statustexts.h"
#include "trash.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTreeView>
#include <unistd.h>

using namespace tarnwick;

namespace {

QStringList names(const QAbstractItemModel *m, const QModelIndex &parent = {})
{
    QStringList out;
    for (int r = 0; r < m->rowCount(parent); ++r)
        out << m->index(r, 0, parent).data().toString();
    return out;
}

} // namespace

class TestBrowsing : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::ExploreHarness> h;
    QTemporaryDir dir_;
    QString root() const { return dir_.path(); }

private slots:
    void init()
    {
        QVERIFY(test::removeTree(root()));
        QDir().mkpath(root());
        h = std::make_unique<test::ExploreHarness>();
    }
    void cleanup() { h.reset(); }

    void captions_data()
    {
        QTest::addColumn<int>("isNameSpace");
        QTest::addColumn<int>("nameSpace");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("caption");
        QTest::newRow("folder") << 0 << 0 << "/home/ann/Data"
                                << "Contents of '/home/ann/Data'";
        QTest::newRow("root") << 0 << 0 << "/"
                              << "Contents of '/'";
        QTest::newRow("case and blanks kept") << 0 << 0 << "/Tmp/My Files/"
                                              << "Contents of '/Tmp/My Files/'";
        QTest::newRow("empty folder text") << 0 << 0 << ""
                                           << "Contents of ''";
        QTest::newRow("desktop") << 1 << 1 << ""
                                 << "Contents of 'Desktop'";
        QTest::newRow("control panel") << 2 << 2 << ""
                                       << "Contents of 'Control Panel'";
        QTest::newRow("printers") << 3 << 3 << ""
                                  << "Contents of 'Printers'";
        QTest::newRow("recycle bin") << 4 << 4 << ""
                                     << "Contents of 'Recycle Bin'";
        QTest::newRow("my computer") << 5 << 5 << ""
                                     << "Contents of 'My Computer'";
        QTest::newRow("other") << 17 << 17 << ""
                               << "Contents of selected namespace";
        QTest::newRow("zero namespace") << 1 << 0 << ""
                                        << "Contents of selected namespace";
    }
    void captions()
    {
        QFETCH(int, isNameSpace);
        QFETCH(int, nameSpace);
        QFETCH(QString, folder);
        QFETCH(QString, caption);
        QCOMPARE(listCaption(isNameSpace, nameSpace, folder), caption);
    }

    void selectionTexts_data()
    {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << qint64(0) << " 0 Items Selected.";
        QTest::newRow("one") << qint64(1) << "1 Item Selected";
        QTest::newRow("two") << qint64(2) << " 2 Items Selected.";
        QTest::newRow("twelve") << qint64(12) << " 12 Items Selected.";
        QTest::newRow("beyond 16 bits") << qint64(100000) << " 100000 Items Selected.";
    }
    void selectionTexts()
    {
        QFETCH(qint64, count);
        QFETCH(QString, text);
        QCOMPARE(selectionStatus(count), text);
    }

    void captionFromTheStart()
    {
        frmExplore &f = h->open();
        QTRY_COMPARE(f.txtStatus2->text(), QStringLiteral("Contents of '/'"));
    }

    void activePaneFollowsFocus()
    {
        frmExplore &f = h->open();
        QCOMPARE(f.activePane, frmExplore::Pane::None);
        f.CcXploreListView1->currentView()->setFocus();
        QTRY_COMPARE(f.activePane, frmExplore::Pane::List);
        f.cboFilter->setFocus();
        QTRY_VERIFY(f.cboFilter->hasFocus());
        QCOMPARE(f.activePane, frmExplore::Pane::List);
        f.CcXploreTreeView1->view()->setFocus();
        QTRY_COMPARE(f.activePane, frmExplore::Pane::Tree);
    }

    void folderChangeRewritesCaptionAndClearsStatus_data()
    {
        QTest::addColumn<int>("nameSpace");
        QTest::addColumn<QString>("caption");
        QTest::newRow("folder") << 0 << "";
        QTest::newRow("my computer") << 5 << "Contents of 'My Computer'";
        QTest::newRow("desktop") << 1 << "Contents of 'Desktop'";
        QTest::newRow("recycle bin") << 4 << "Contents of 'Recycle Bin'";
        QTest::newRow("printers") << 3 << "Contents of 'Printers'";
        QTest::newRow("control panel") << 2 << "Contents of 'Control Panel'";
    }
    void folderChangeRewritesCaptionAndClearsStatus()
    {
        QFETCH(int, nameSpace);
        QFETCH(QString, caption);
        frmExplore &f = h->open();
        f.StatusBar1->setSimpleText(QStringLiteral(" 3 Items Selected."));
        const Location target =
            nameSpace ? Location::special(NameSpace(nameSpace)) : Location::folder(root());
        QVERIFY(f.CcXploreTreeView1->navigateTo(target));
        QCOMPARE(f.CcXploreTreeView1->IsNameSpace(), nameSpace);
        QCOMPARE(f.CcXploreTreeView1->CurrentFolder(), nameSpace ? QString() : root());
        if (nameSpace)
            QCOMPARE(f.CcXploreTreeView1->CurrentNameSpace(), NameSpace(nameSpace));
        QCOMPARE(f.txtStatus2->text(),
                 caption.isEmpty() ? "Contents of '" + root() + "'" : caption);
        QCOMPARE(f.StatusBar1->SimpleText(), QString());
        QCOMPARE(f.CcXploreCombo1->currentText(), target.displayName());
        QCOMPARE(f.CcXploreListView1->location(), target);
    }

    void clickCountsTheSelection_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("status");
        QTest::newRow("empty folder") << 0 << 0 << " 0 Items Selected.";
        QTest::newRow("none selected") << 5 << 0 << " 0 Items Selected.";
        QTest::newRow("one") << 5 << 1 << "1 Item Selected";
        QTest::newRow("two") << 5 << 2 << " 2 Items Selected.";
        QTest::newRow("past 32767") << 33000 << 33000 << " 33000 Items Selected.";
    }
    void clickCountsTheSelection()
    {
        QFETCH(int, files);
        QFETCH(int, selected);
        QFETCH(QString, status);
        for (int i = 0; i < files; ++i) {
            const QByteArray p = QFile::encodeName(root()) + "/f" + QByteArray::number(i);
            FILE *fp = fopen(p.constData(), "w");
            QVERIFY(fp);
            fclose(fp);
        }
        frmExplore &f = h->open();
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root()));
        ExplorerListView *list = f.CcXploreListView1.get();
        QVERIFY(test::waitListed(list));
        QCOMPARE(list->ItemCount(), files);
        if (selected == files && files > 0)
            list->currentView()->selectAll();
        else
            for (int i = 0; i < selected; ++i)
                list->setSelected(i, true);
        // A release in the list is its click.
        QTest::mouseClick(list->currentView()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          QPoint(list->width() - 5, list->height() - 5));
        QTRY_COMPARE(f.StatusBar1->SimpleText(), status);
        // The list's own folder change clears it.
        QVERIFY(f.CcXploreTreeView1->navigateTo(Location::special(MyComputerSpace)));
        QCOMPARE(f.StatusBar1->SimpleText(), QString());
    }

    void addressBoxChangeFocusesTheTree()
    {
        QDir().mkpath(root() + "/sub");
        frmExplore &f = h->open();
        f.cboFilter->setFocus();
        QVERIFY(f.CcXploreCombo1->go(root() + "/sub"));
        QTRY_COMPARE(f.activePane, frmExplore::Pane::Tree);
        QCOMPARE(f.CcXploreTreeView1->CurrentFolder(), root() + "/sub");
    }

    void filterBoxPassesTextUnchanged()
    {
        frmExplore &f = h->open();
        QComboBox *box = f.cboFilter.get();
        QStringList seen;
        connect(box, &QComboBox::editTextChanged, this,
                [&] { seen << f.CcXploreListView1->Pattern(); });
        box->lineEdit()->clear();
        QCOMPARE(f.CcXploreListView1->Pattern(), QString());
        seen.clear();
        QTest::keyClicks(box->lineEdit(), "*.cpp");
        QCOMPARE(seen, (QStringList{"*", "*.", "*.c", "*.cp", "*.cpp"}));
        box->setCurrentIndex(1);
        emit box->activated(1);
        QCOMPARE(f.CcXploreListView1->Pattern(), QStringLiteral("*.doc"));
        box->setEditText(QStringLiteral("  odd; pattern "));
        QCOMPARE(f.CcXploreListView1->Pattern(), QStringLiteral("  odd; pattern "));
    }

    // Typed into the real box: "*.t" is not taken for the entry "*.txt" it
    // begins, so "b.t" stays listed, and each key applies its text once.
    void filterBoxTakesWhatIsTyped()
    {
        test::writeFile(root() + "/a.txt");
        test::writeFile(root() + "/b.t");
        frmExplore &f = h->openOn(root(), true);
        ExplorerListView *list = f.CcXploreListView1.get();
        QLineEdit *edit = f.cboFilter->lineEdit();
        edit->setFocus();
        edit->clear();
        QStringList applied;
        connect(f.cboFilter.get(), &QComboBox::editTextChanged, this,
                [&] { applied << list->Pattern(); });
        QTest::keyClicks(edit, "*.t");
        QCOMPARE(f.cboFilter->currentText(), QStringLiteral("*.t"));
        QCOMPARE(applied, (QStringList{"*", "*.", "*.t"}));
        QCOMPARE(names(list->model()), QStringList{"b.t"});
    }

    void filterNeverHidesFolders()
    {
        QDir().mkpath(root() + "/folder.txt.d");
        QDir().mkpath(root() + "/other");
        test::writeFile(root() + "/a.txt");
        test::writeFile(root() + "/b.doc");
        test::writeFile(root() + "/C.TXT");
        frmExplore &f = h->open();
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root()));
        ExplorerListView *list = f.CcXploreListView1.get();
        QVERIFY(test::waitListed(list));
        f.cboFilter->setEditText(QStringLiteral("*.txt"));
        QCOMPARE(names(list->model()), (QStringList{"folder.txt.d", "other", "a.txt", "C.TXT"}));
        f.cboFilter->setEditText(QStringLiteral("*.doc;*.TXT"));
        QCOMPARE(list->ItemCount(), 5);
    }

    void namespaceTree()
    {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        QDir().mkpath(desktop + "/Projects");
        test::writeFile(desktop + "/loose.txt");
        // The system's root is a folder of the test's own: the model tester
        // walks every folder it can reach.
        QTemporaryDir system;
        const QString sys = system.path();
        QList<Volume> volumes{{sys, sys, "/dev/vda", "ext4", false, false},
                              {root(), "usbstick", "/dev/sdb1", "vfat", false, false}};
        auto *model = new NamespaceModel(nullptr, [&] { return volumes; });
        model->setRootFolder(sys);
        QAbstractItemModelTester tester(model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        ExplorerTreeView tree(nullptr, model);
        QCOMPARE(names(model), QStringList{"Desktop"});
        const QModelIndex top = model->index(0, 0);
        QTRY_COMPARE(names(model, top), (QStringList{"My Computer", "Control Panel", "Printers",
                                                     "Recycle Bin", "Projects"}));
        const QModelIndex computer = model->index(0, 0, top);
        QCOMPARE(names(model, computer), (QStringList{sys, "Home", "usbstick"}));
        QCOMPARE(model->locationOf(computer), Location::special(MyComputerSpace));
        // A folder on the volume hangs under the volume's node.
        QDir().mkpath(root() + "/photos");
        const QModelIndex photos = model->indexOf(Location::folder(root() + "/photos"));
        QCOMPARE(photos.parent().data().toString(), QStringLiteral("usbstick"));
        // Mounts and unmounts while running.
        volumes.removeLast();
        volumes.append({"/mnt/share", "share", "//server/share", "cifs", true, false});
        model->refreshVolumes();
        QCOMPARE(names(model, computer), (QStringList{sys, "Home", "share"}));
    }

    void largeFolderMergesIntoRowsAlreadyShown()
    {
        // More folders than the listing's first batch, so later batches merge
        // into rows already there; one row exists before the listing, made
        // on the way to a folder below it.
        const QString big = root() + "/big";
        QStringList expected;
        for (int i = 0; i < 700; ++i) {
            const QString name = QStringLiteral("f%1").arg(i);
            QDir().mkpath(big + "/" + name);
            expected.append(name);
        }
        QDir().mkpath(big + "/f350/deep");
        std::sort(expected.begin(), expected.end(),
                  [](const QString &a, const QString &b) { return naturalCompare(a, b) < 0; });
        QList<Volume> volumes{{root(), "data", "/dev/sdb1", "ext4", false, false}};
        NamespaceModel model(nullptr, [&] { return volumes; });
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QPersistentModelIndex deep(model.indexOf(Location::folder(big + "/f350/deep")));
        QVERIFY(deep.isValid());
        const QModelIndex here = model.indexOf(Location::folder(big));
        QCOMPARE(names(&model, here), QStringList{"f350"});
        const QPersistentModelIndex made(deep.parent());
        model.fetchMore(here);
        QTRY_VERIFY(model.isLoaded(here));
        QCOMPARE(names(&model, here), expected);
        QCOMPARE(model.locationOf(deep), Location::folder(big + "/f350/deep"));
        QCOMPARE(made.row(), int(expected.indexOf("f350")));
        QCOMPARE(made.data().toString(), QStringLiteral("f350"));
        QCOMPARE(model.indexOf(Location::folder(big + "/f350/deep")), QModelIndex(deep));
    }

    void treeFollowsTheHiddenSwitch()
    {
        QDir().mkpath(root() + "/.secret");
        QDir().mkpath(root() + "/open");
        ExplorerTreeView tree;
        ExplorerListView list;
        tree.setLinkedListView(&list);
        QVERIFY(tree.setCurrentFolder(root()));
        NamespaceModel *m = tree.model();
        const QModelIndex here = m->indexOf(Location::folder(root()));
        QTRY_VERIFY(m->isLoaded(here));
        QCOMPARE(names(m, here), (QStringList{".secret", "open"}));
        list.setShowHidden(false);
        QCOMPARE(names(m, here), QStringList{"open"});
        list.setShowHidden(true);
        QTRY_COMPARE(names(m, here), (QStringList{".secret", "open"}));
    }

    void upOneLevelAlongTheNamespace()
    {
        ExplorerTreeView tree;
        QVERIFY(tree.setCurrentFolder(QStringLiteral("/usr")));
        tree.GoUpOneLevel();
        QCOMPARE(tree.location(), Location::folder("/"));
        tree.GoUpOneLevel();
        QCOMPARE(tree.location(), Location::special(MyComputerSpace));
        tree.GoUpOneLevel();
        QCOMPARE(tree.location(), Location::special(DesktopSpace));
        tree.GoUpOneLevel();
        QCOMPARE(tree.location(), Location::special(DesktopSpace));
        QVERIFY(tree.navigateTo(Location::special(RecycleBinSpace)));
        tree.GoUpOneLevel();
        QCOMPARE(tree.location(), Location::special(DesktopSpace));
    }

    void addressBoxTakesPlacesAndLists()
    {
        test::RecordingMessages messages;
        ExplorerTreeView tree;
        ExplorerCombo combo;
        tree.setMessages(&messages);
        combo.setVolumeSource([] {
            return QList<Volume>{{"/", "/", "", "ext4", false, false},
                                 {"/media/usb", "usb", "", "vfat", false, false}};
        });
        tree.setLinkedCombo(&combo);
        QVERIFY(combo.go(QStringLiteral("my computer")));
        QCOMPARE(tree.location(), Location::special(MyComputerSpace));
        QVERIFY(tree.setCurrentFolder(QStringLiteral("/usr/share")));
        QStringList items;
        for (int i = 0; i < combo.count(); ++i)
            items << combo.itemText(i);
        QCOMPARE(items,
                 (QStringList{"Desktop", "My Computer", "/", "/usr", "/usr/share", "/media/usb"}));
        QCOMPARE(combo.currentText(), QStringLiteral("/usr/share"));
        QVERIFY(combo.go(QStringLiteral("..")));
        QCOMPARE(tree.CurrentFolder(), QStringLiteral("/usr"));
        QVERIFY(messages.errors.isEmpty());
    }

    void recycleBinListsTrashedFiles()
    {
        test::writeFile(root() + "/report 2026.txt", "numbers");
        QVERIFY(TrashStore().trash(root() + "/report 2026.txt"));
        ExplorerTreeView tree;
        ExplorerListView list;
        list.setVolumeSource([] { return QList<Volume>{}; });
        list.setTrashTopSource([] { return QList<QByteArray>{}; });
        tree.setLinkedListView(&list);
        QVERIFY(tree.navigateTo(Location::special(RecycleBinSpace)));
        QVERIFY(test::waitListed(&list));
        ShellItemsModel *m = list.shellModel();
        QCOMPARE(names(m), QStringList{"report 2026.txt"});
        QCOMPARE(m->index(0, 1).data().toString(), root());
        QVERIFY(!m->index(0, 2).data().toString().isEmpty()); // date deleted
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Original Location"));
        QVERIFY(list.ItemPath(0).endsWith(QStringLiteral("/Trash/files/report 2026.txt")));
        QVERIFY(!QFile::exists(root() + "/report 2026.txt"));
    }

    void controlPanelLaunchesItsApplications()
    {
        const QString apps = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QStringLiteral("/applications");
        test::writeFile(apps + "/display.desktop",
                        "[Desktop Entry]\nType=Application\nName=Display Settings\n"
                        "Exec=/usr/bin/true --panel display %U\nCategories=Settings;\n");
        test::writeFile(apps + "/game.desktop", "[Desktop Entry]\nType=Application\nName=A "
                                                "Game\nExec=/usr/bin/true\nCategories=Game;\n");
        ExplorerListView list;
        test::RecordingLauncher launcher;
        list.setLauncher(&launcher);
        list.setLocation(Location::special(ControlPanelSpace));
        QVERIFY(test::waitListed(&list));
        const QStringList shown = names(list.shellModel());
        QVERIFY(shown.contains(QStringLiteral("Display Settings")));
        QVERIFY(!shown.contains(QStringLiteral("A Game")));
        const int row = int(shown.indexOf(QStringLiteral("Display Settings")));
        emit list.currentView()->activated(list.shellModel()->index(row, 0));
        QCOMPARE(launcher.started.size(), 1);
        QCOMPARE(launcher.started.first(), (QStringList{"/usr/bin/true", "--panel", "display"}));
    }

    void desktopShowsPlacesAndItsFiles()
    {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        test::writeFile(desktop + "/note.txt");
        ExplorerTreeView tree;
        ExplorerListView list;
        tree.setLinkedListView(&list);
        QVERIFY(tree.navigateTo(Location::special(DesktopSpace)));
        QVERIFY(test::waitListed(&list));
        const QStringList shown = names(list.shellModel());
        QCOMPARE(shown.mid(0, 4),
                 (QStringList{"My Computer", "Control Panel", "Printers", "Recycle Bin"}));
        QVERIFY(shown.contains(QStringLiteral("note.txt")));
        // Opening a place moves the tree.
        emit list.currentView()->activated(list.shellModel()->index(0, 0));
        QCOMPARE(tree.location(), Location::special(MyComputerSpace));
    }

    void liveUpdatesKeepSelection()
    {
        test::writeFile(root() + "/keep.txt");
        test::writeFile(root() + "/gone.txt");
        ExplorerListView list;
        list.setFolder(root());
        QVERIFY(test::waitListed(&list));
        QAbstractItemModelTester tester(list.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int keep = list.model()->rowOfName("keep.txt");
        list.setSelected(keep, true);
        test::writeFile(root() + "/new.txt");
        QTRY_VERIFY_WITH_TIMEOUT(list.model()->rowOfName("new.txt") >= 0, 2000);
        QVERIFY(QFile::remove(root() + "/gone.txt"));
        QTRY_VERIFY_WITH_TIMEOUT(list.model()->rowOfName("gone.txt") < 0, 2000);
        QVERIFY(QFile::rename(root() + "/new.txt", root() + "/renamed.txt"));
        QTRY_VERIFY_WITH_TIMEOUT(list.model()->rowOfName("renamed.txt") >= 0, 2000);
        QCOMPARE(list.model()->rowOfName("new.txt"), -1);
        QCOMPARE(names(list.model()), (QStringList{"keep.txt", "renamed.txt"}));
        QVERIFY(list.Selected(list.model()->rowOfName("keep.txt")));
        QVERIFY(!list.Selected(list.model()->rowOfName("renamed.txt")));
    }

    void vanishedFolderTakesTheUserUp()
    {
        QDir().mkpath(root() + "/a/b");
        test::RecordingMessages messages;
        ExplorerTreeView tree;
        ExplorerListView list;
        tree.setMessages(&messages);
        list.setMessages(&messages);
        tree.setLinkedListView(&list);
        QVERIFY(tree.setCurrentFolder(root() + "/a/b"));
        QVERIFY(test::waitListed(&list));
        QVERIFY(test::removeTree(root() + "/a"));
        QTRY_COMPARE_WITH_TIMEOUT(tree.CurrentFolder(), root(), 3000);
        QCOMPARE(list.folder(), root());
        QVERIFY2(messages.errors.size() == 1, qPrintable(messages.errors.join(" | ")));
        QVERIFY(messages.errors.first().contains(QStringLiteral("no longer there")));
    }

    void unreadableFolderIsRefused()
    {
        if (geteuid() == 0)
            QSKIP("root reads every folder");
        QDir().mkpath(root() + "/locked");
        QFile::setPermissions(root() + "/locked", QFile::WriteOwner);
        test::RecordingMessages messages;
        ExplorerTreeView tree;
        tree.setMessages(&messages);
        QVERIFY(tree.setCurrentFolder(root()));
        QVERIFY(!tree.setCurrentFolder(root() + "/locked"));
        QCOMPARE(tree.CurrentFolder(), root());
        QVERIFY(messages.errors.first().contains(QStringLiteral("permission")));
        QFile::setPermissions(root() + "/locked",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void symlinkLoopIsJustAFolder()
    {
        QDir().mkpath(root() + "/loop");
        QVERIFY(QFile::link(root() + "/loop", root() + "/loop/again"));
        ExplorerTreeView tree;
        ExplorerListView list;
        tree.setLinkedListView(&list);
        QVERIFY(tree.setCurrentFolder(root() + "/loop/again/again/again"));
        QVERIFY(test::waitListed(&list));
        QCOMPARE(names(list.model()), QStringList{"again"});
        QVERIFY(list.model()->entryAt(0).isDir);
    }
};

TARNWICK_TEST_MAIN(TestBrowsing)
#include "test_browsing.moc"
