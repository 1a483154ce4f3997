#include "explorerlistview.h"
#include "explorertreeview.h"
#include "harness.h"
#include "icons.h"
#include "mounts.h"
#include "namespacemodel.h"
#include "shellitems.h"
#include "testenv.h"
#include "volumemonitor.h"
#include "volumeproperties.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTreeView>

using namespace tarnwick;

namespace {

// Records what it is asked; the test answers through its signals.
class FakeVolumes : public VolumeMonitor
{
public:
    QList<DriveVolume> volumes() const override { return list; }
    void mount(const QString &id) override { calls << "mount " + id; }
    void unmount(const QString &id) override { calls << "unmount " + id; }
    void eject(const QString &id) override { calls << "eject " + id; }
    void stop(const QString &id) override { calls << "stop " + id; }
    void providePassword(const QString &id, const QString &password, bool cancelled) override
    {
        calls << QStringLiteral("password %1 %2 %3").arg(id, password).arg(cancelled);
    }
    void answerQuestion(const QString &id, int choice) override
    {
        calls << QStringLiteral("answer %1 %2").arg(id).arg(choice);
    }
    void set(const QList<DriveVolume> &volumes)
    {
        list = volumes;
        emit changed();
    }

    QList<DriveVolume> list;
    QStringList calls;
};

QStringList names(const QAbstractItemModel *m, const QModelIndex &parent)
{
    QStringList out;
    for (int r = 0; r < m->rowCount(parent); ++r)
        out << m->index(r, 0, parent).data().toString();
    return out;
}

DriveVolume unmountedDisk()
{
    DriveVolume v;
    v.id = QStringLiteral("volume:1234");
    // A name is plain text, never markup.
    v.name = QStringLiteral("<b>Backup</b> & Disk");
    v.kind = QStringLiteral("Removable Disk");
    v.iconName = QStringLiteral("no-such-icon-here");
    v.canMount = true;
    v.canEject = true;
    return v;
}

// The same disk once mounted at `at`.
DriveVolume mountedDisk(const QString &at)
{
    DriveVolume v = unmountedDisk();
    v.mountPath = at;
    v.canMount = false;
    v.canUnmount = true;
    return v;
}

} // namespace

class TestVolumes : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString root() const { return dir_.path(); }

    // My Computer over the test's own folder, with the volumes `mounted` and
    // the desktop's volumes from `fake`.
    struct Tree
    {
        QList<Volume> mounted;
        FakeVolumes fake;
        test::RecordingMessages messages;
        NamespaceModel *model = nullptr;
        std::unique_ptr<ExplorerTreeView> view;
        QModelIndex computer() const { return model->index(0, 0, model->index(0, 0)); }
        QStringList shown() const { return names(model, computer()); }
    };
    void make(Tree &t)
    {
        t.model = new NamespaceModel(
            nullptr, [&t] { return t.mounted; }, root(), root());
        t.model->setRootFolder(root());
        t.view = std::make_unique<ExplorerTreeView>(nullptr, t.model);
        t.view->setMessages(&t.messages);
        t.view->setVolumeMonitor(&t.fake);
    }

private slots:
    void initTestCase() { test::quietPlatformNotes(); }

    void unmountedVolumeIsListedDimmedAndMountedWhenOpened()
    {
        Tree t;
        make(t);
        QAbstractItemModelTester tester(t.model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        t.fake.set({unmountedDisk()});
        QCOMPARE(t.shown(), (QStringList{root(), unmountedDisk().name}));
        const QModelIndex disk = t.model->index(1, 0, t.computer());
        QCOMPARE(disk.data(NamespaceModel::PathRole).toString(), QString());
        QCOMPARE(disk.data(NamespaceModel::VolumeIdRole).toString(), unmountedDisk().id);
        QVERIFY(!t.model->hasChildren(disk));
        QVERIFY(!(t.model->flags(disk) & Qt::ItemIsDropEnabled));
        const QIcon icon = disk.data(Qt::DecorationRole).value<QIcon>();
        QVERIFY(icon.pixmap(16).toImage() != Icons::folder().pixmap(16).toImage());
        // A path under no volume does not land on the volume with no path.
        QVERIFY(!t.model->indexOf(Location::folder("/elsewhere/x")).isValid());

        // Opening it mounts it; the tree stays where it is until it is mounted.
        const Location before = t.view->location();
        t.view->view()->setCurrentIndex(disk);
        QCOMPARE(t.fake.calls, QStringList{"mount volume:1234"});
        QCOMPARE(t.view->location(), before);

        const QString at = root() + "/media/backup";
        QDir().mkpath(at);
        t.mounted.append({at, "backup", "/dev/sdb1", "vfat", false, false});
        const DriveVolume mounted = mountedDisk(at);
        t.fake.list = {mounted};
        emit t.fake.mounted(mounted.id, at);
        QTRY_COMPARE(t.view->location(), Location::folder(at));
        QCOMPARE(t.shown(), (QStringList{root(), "backup"}));
        QCOMPARE(t.model->indexOf(Location::folder(at)).data(NamespaceModel::VolumeIdRole),
                 QVariant(mounted.id));
    }

    // The desktop's changes show without a refresh: a volume plugged in,
    // pulled out and plugged in again.
    void volumesComeAndGo()
    {
        Tree t;
        make(t);
        DriveVolume other = unmountedDisk();
        other.id = "volume:9";
        other.name = "Other";
        const QList<QList<DriveVolume>> steps{{unmountedDisk()}, {}, {other, unmountedDisk()}, {}};
        for (const QList<DriveVolume> &step : steps) {
            t.fake.set(step);
            QStringList expected{root()};
            for (const DriveVolume &v : step)
                expected << v.name;
            QCOMPARE(t.shown(), expected);
        }
    }

    // The list at My Computer follows too, and opening a volume there mounts it.
    void listFollowsAndMounts()
    {
        Tree t;
        make(t);
        ExplorerListView list;
        list.setVolumeSource([] { return QList<Volume>{}; });
        t.view->setLinkedListView(&list);
        QVERIFY(t.view->navigateTo(Location::special(MyComputerSpace)));
        for (const QList<DriveVolume> &step :
             QList<QList<DriveVolume>>{{unmountedDisk()}, {}, {unmountedDisk()}}) {
            t.fake.set(step);
            QVERIFY(test::waitListed(&list));
            QCOMPARE(names(list.shellModel(), {}).contains(unmountedDisk().name), !step.isEmpty());
        }
        const int row = int(names(list.shellModel(), {}).indexOf(unmountedDisk().name));
        emit list.currentView()->activated(list.shellModel()->index(row, 0));
        QCOMPARE(t.fake.calls, QStringList{"mount volume:1234"});
        QCOMPARE(t.view->location(), Location::special(MyComputerSpace));
    }

    // The space is asked of the file system without waiting, and shown when
    // it answers; a volume not mounted says so.
    void propertiesShowTheSpace()
    {
        DriveVolume v = unmountedDisk();
        VolumePropertiesDialog notMounted(v);
        QCOMPARE(notMounted.findChild<QLabel *>("capacity")->text(), QStringLiteral("Not mounted"));
        QVERIFY(notMounted.findChild<QLabel *>("capacity")->textFormat() == Qt::PlainText);

        v.mountPath = root();
        VolumePropertiesDialog dialog(v);
        auto *capacity = dialog.findChild<QLabel *>("capacity");
        QCOMPARE(capacity->text(), QStringLiteral("Finding out..."));
        QTRY_VERIFY(capacity->text().contains("bytes"));
        QVERIFY(!dialog.findChild<QLabel *>("fileSystem")->text().isEmpty());
        QVERIFY(dialog.findChild<QLabel *>("free")->text().contains("bytes"));

        dialog.showUsage({"ext4", 1000, 250, 750});
        QCOMPARE(dialog.findChild<QProgressBar *>()->value(), 250);
    }

    // A volume pulled out from under the folder shown: the tree goes to My
    // Computer and says so once, whatever is left at the mount point.
    void goneVolumeLeadsToMyComputer()
    {
        Tree t;
        const QString at = root() + "/media/stick";
        QDir().mkpath(at + "/photos");
        t.mounted.append({at, "stick", "/dev/sdc1", "vfat", false, false});
        make(t);
        QVERIFY(t.view->navigateTo(Location::folder(at + "/photos")));
        QTRY_COMPARE(t.view->location(), Location::folder(at + "/photos"));
        t.mounted.clear();
        t.fake.set({});
        QTRY_COMPARE(t.view->location(), Location::special(MyComputerSpace));
        QCOMPARE(t.view->view()->currentIndex().data().toString(), QStringLiteral("My Computer"));
        QTRY_COMPARE(t.messages.errors.size(), 1);
        QTest::qWait(50); // and once only
        QCOMPARE(t.messages.errors.size(), 1);
        QVERIFY(t.messages.errors[0].contains(at + "/photos"));
    }

    void failuresAreTold_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("told");
        QTest::newRow("not allowed") << "Not authorized to perform operation" << true;
        QTest::newRow("error") << "Wrong passphrase" << true;
        QTest::newRow("cancelled by the user") << QString() << false;
    }
    void failuresAreTold()
    {
        QFETCH(QString, message);
        QFETCH(bool, told);
        Tree t;
        make(t);
        t.fake.set({unmountedDisk()});
        t.view->openVolume(unmountedDisk().id);
        emit t.fake.failed(unmountedDisk().id, message, false);
        QCOMPARE(t.messages.errors, told ? QStringList{message} : QStringList{});
        // A later mount of it, from elsewhere, does not move the tree.
        const Location before = t.view->location();
        emit t.fake.mounted(unmountedDisk().id, root());
        QCOMPARE(t.view->location(), before);
    }

    void menuOffersWhatTheVolumeAllows_data()
    {
        QTest::addColumn<bool>("mounted");
        QTest::addColumn<bool>("canEject");
        QTest::addColumn<bool>("canStop");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("stick") << true << true << true
                               << QStringList{"U&nmount", "E&ject", "Safel&y Remove"};
        QTest::newRow("fixed disk") << true << false << false << QStringList{"U&nmount"};
        QTest::newRow("disc not mounted") << false << true << false << QStringList{"E&ject"};
        QTest::newRow("nothing to do") << false << false << false << QStringList{};
    }
    void menuOffersWhatTheVolumeAllows()
    {
        QFETCH(bool, mounted);
        QFETCH(bool, canEject);
        QFETCH(bool, canStop);
        QFETCH(QStringList, entries);
        Tree t;
        make(t);
        DriveVolume v = unmountedDisk();
        if (mounted)
            v.mountPath = root();
        v.canUnmount = mounted;
        v.canEject = canEject;
        v.canStop = canStop;
        t.fake.set({v});
        QMenu menu;
        t.view->addVolumeEntries(menu, v.id);
        QStringList shown;
        for (const QAction *a : menu.actions())
            shown << a->text();
        QCOMPARE(shown, entries);
    }

    // The tree leaves the volume before asking, so its own watch never holds
    // it; a volume still in use is left mounted and the user told so.
    void unmountLeavesTheVolumeFirst_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("call");
        QTest::newRow("unmount") << 0 << "unmount";
        QTest::newRow("eject") << 1 << "eject";
        QTest::newRow("safely remove") << 2 << "stop";
    }
    void unmountLeavesTheVolumeFirst()
    {
        QFETCH(int, entry);
        QFETCH(QString, call);
        Tree t;
        const QString at = root() + "/media/stick";
        QDir().mkpath(at + "/photos");
        t.mounted.append({at, "stick", "/dev/sdc1", "vfat", false, false});
        make(t);
        DriveVolume v = mountedDisk(at);
        v.canStop = true;
        t.fake.set({v});
        QVERIFY(t.view->navigateTo(Location::folder(at + "/photos")));
        QTRY_COMPARE(t.view->location(), Location::folder(at + "/photos"));

        QMenu menu;
        t.view->addVolumeEntries(menu, v.id);
        menu.actions().at(entry)->trigger();
        QCOMPARE(t.fake.calls, QStringList{call + " " + v.id});
        QCOMPARE(t.view->location(), Location::special(MyComputerSpace));
        QCOMPARE(t.view->view()->currentIndex().data().toString(), QStringLiteral("My Computer"));

        emit t.fake.failed(v.id, "busy", true);
        QCOMPARE(t.messages.errors.size(), 1);
        QVERIFY2(t.messages.errors[0].contains(v.name), qPrintable(t.messages.errors[0]));
        QVERIFY2(t.messages.errors[0].contains(at + "/photos"), qPrintable(t.messages.errors[0]));
    }

    // Unmounted before the mount it was opened with was reported done: the
    // tree does not go into it afterwards.
    void releasedWhileOpeningIsNotEntered()
    {
        Tree t;
        make(t);
        t.fake.set({unmountedDisk()});
        const Location before = t.view->location();
        t.view->openVolume(unmountedDisk().id);
        const QString at = root() + "/media/late";
        QDir().mkpath(at);
        const DriveVolume v = mountedDisk(at);
        t.fake.set({v});
        QMenu menu;
        t.view->addVolumeEntries(menu, v.id);
        menu.actions().constFirst()->trigger();
        emit t.fake.mounted(v.id, at);
        QTest::qWait(0);
        QCOMPARE(t.view->location(), before);
        QVERIFY(t.messages.errors.isEmpty());
    }
};

QTEST_MAIN(TestVolumes)
#include "test_volumes.moc"
