// A real disk through the desktop's own volume monitor: a disk image on a
// loop device appears in My Computer not mounted, is mounted from the tree,
// written and unmounted, and plugged in again shows what was written.
// Needs root, loop devices and the disk service on a private system bus;
// otherwise skipped, saying why.
#include "explorertreeview.h"
#include "namespacemodel.h"
#include "testenv.h"
#include "volumemonitor.h"

#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeView>

using namespace tarnwick;

namespace {

const QString Label = QStringLiteral("TWROUND");

DriveVolume byName(const VolumeMonitor &monitor, const QString &name)
{
    for (const DriveVolume &v : monitor.volumes()) {
        if (v.name == name)
            return v;
    }
    return {};
}

bool listedAtMyComputer(const NamespaceModel *model, const QString &id)
{
    const QModelIndex computer = model->index(0, 0, model->index(0, 0));
    for (int r = 0; r < model->rowCount(computer); ++r) {
        if (!id.isEmpty() && model->index(r, 0, computer).data(NamespaceModel::VolumeIdRole) == id)
            return true;
    }
    return false;
}

QStringList entries(const QMenu &menu)
{
    QStringList out;
    for (const QAction *a : menu.actions())
        if (!a->isSeparator())
            out << a->text();
    return out;
}

} // namespace

class TestDiskRoundTrip : public QObject
{
    Q_OBJECT

    QTemporaryDir state_;
    QString skip_;

    // Runs the service script; its last line of output, or the reason it
    // could not.
    bool service(const QStringList &args, QString *said)
    {
        QProcess p;
        p.start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral(DISKSERVICE)} + args);
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            *said = QStringLiteral("The disk service did not start in time.");
            return false;
        }
        *said = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed().section('\n', -1);
        if (p.exitCode() != 0 && said->isEmpty())
            *said = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

private slots:
    void initTestCase()
    {
        test::quietPlatformNotes();
        QString said;
        if (!service({"start", state_.path(), Label}, &said))
            skip_ = said;
    }
    void cleanupTestCase()
    {
        QString said;
        service({"stop", state_.path()}, &said);
    }

    void mountWriteUnmount()
    {
        if (!skip_.isEmpty())
            QSKIP(qPrintable(skip_));
        std::unique_ptr<VolumeMonitor> monitor = makeSystemVolumeMonitor();
        QTRY_VERIFY_WITH_TIMEOUT(!byName(*monitor, Label).id.isEmpty(), 20000);
        const DriveVolume disk = byName(*monitor, Label);
        QVERIFY(!disk.isMounted() && disk.canMount);

        QTemporaryDir home;
        auto *model = new NamespaceModel(nullptr, {}, home.path(), home.path());
        ExplorerTreeView tree(nullptr, model); // takes the model over
        test::RecordingMessages messages;
        tree.setMessages(&messages);
        tree.setVolumeMonitor(monitor.get());

        // Listed at My Computer, not mounted, and mounted when opened.
        QVERIFY(listedAtMyComputer(model, disk.id));
        tree.openVolume(disk.id);
        QTRY_VERIFY_WITH_TIMEOUT(byName(*monitor, Label).isMounted(), 20000);
        const QString at = byName(*monitor, Label).mountPath;
        QTRY_COMPARE_WITH_TIMEOUT(tree.location(), Location::folder(at), 10000);
        QVERIFY(messages.errors.isEmpty());

        QFile written(at + "/written.txt");
        QVERIFY(written.open(QIODevice::WriteOnly));
        QCOMPARE(written.write("kept"), qint64(4));
        QVERIFY(written.flush());
        written.close();

        // Unmount from the volume's menu: the tree leaves it first, so its
        // own listing never holds it busy. A loop device cannot be ejected,
        // and is not offered as if it could.
        QMenu menu;
        tree.addVolumeEntries(menu, disk.id);
        QCOMPARE(entries(menu), QStringList{"U&nmount"});
        menu.actions().constFirst()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!byName(*monitor, Label).isMounted(), 20000);
        QCOMPARE(tree.location(), Location::special(MyComputerSpace));
        QVERIFY2(messages.errors.isEmpty(), qPrintable(messages.errors.join('\n')));
        QVERIFY(!QFile::exists(at + "/written.txt"));

        // The disk service takes the loop device down with it, as a stick
        // pulled out; plugged in again, it is listed again without a
        // refresh, and what was written is there.
        QTRY_VERIFY_WITH_TIMEOUT(byName(*monitor, Label).id.isEmpty(), 20000);
        QString said;
        QVERIFY2(service({"plug", state_.path()}, &said), qPrintable(said));
        QTRY_VERIFY_WITH_TIMEOUT(listedAtMyComputer(model, byName(*monitor, Label).id), 20000);
        const QString again = byName(*monitor, Label).id;
        tree.openVolume(again);
        QTRY_VERIFY_WITH_TIMEOUT(byName(*monitor, Label).isMounted(), 20000);
        QFile kept(byName(*monitor, Label).mountPath + "/written.txt");
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
        kept.close();
        QMenu last;
        tree.addVolumeEntries(last, again);
        last.actions().constFirst()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!byName(*monitor, Label).isMounted(), 20000);
        QVERIFY2(messages.errors.isEmpty(), qPrintable(messages.errors.join('\n')));
    }
};

QTEST_MAIN(TestDiskRoundTrip)
#include "test_diskroundtrip.moc"
