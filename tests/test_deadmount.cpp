// A folder that behaves like a dead network mount (see support/deadmount.c):
// while it holds every call into it, the window keeps answering, other
// folders open, and the verbs work on them.
#include "background.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "foldermodel.h"
#include "harness.h"
#include "jobs.h"
#include "namespacemodel.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <dlfcn.h>

using namespace tarnwick;

namespace {

using ArmFn = void (*)(const char *, int);
using ReleaseFn = void (*)();
using HeldFn = int (*)();

// Ticks on the window's event loop and keeps the longest gap between ticks.
class Heartbeat
{
public:
    Heartbeat()
    {
        since_.start();
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { worst_ = std::max(worst_, since_.restart()); });
        timer_.start();
    }
    qint64 worstGapMs() const { return std::max(worst_, since_.elapsed()); }

private:
    QTimer timer_;
    QElapsedTimer since_;
    qint64 worst_ = 0;
};

// Far above the gaps seen (tens of milliseconds on a busy machine), far
// below a freeze, which would last as long as the folder holds.
constexpr qint64 StallMs = 1000;

} // namespace

class TestDeadMount : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    ArmFn arm_ = nullptr;
    ReleaseFn release_ = nullptr;
    HeldFn held_ = nullptr;
    QString root() const { return dir_.path(); }

private slots:
    void initTestCase()
    {
        arm_ = reinterpret_cast<ArmFn>(dlsym(RTLD_DEFAULT, "tarnwick_dead_mount"));
        release_ = reinterpret_cast<ReleaseFn>(dlsym(RTLD_DEFAULT, "tarnwick_dead_mount_release"));
        held_ = reinterpret_cast<HeldFn>(dlsym(RTLD_DEFAULT, "tarnwick_dead_mount_held"));
        if (!arm_ || !release_ || !held_)
            QSKIP("The dead-mount library is not loaded (LD_PRELOAD); CTest loads it.");
        QDir().mkpath(root() + "/live/sub");
        QDir().mkpath(root() + "/dead");
        QDir().mkpath(root() + "/silent");
        for (const char *name : {"a.txt", "b.txt"}) {
            QVERIFY(test::writeFile(root() + "/live/" + name, "live"));
            QVERIFY(test::writeFile(root() + "/dead/" + QString::fromLatin1(name), "dead"));
        }
    }
    void cleanup()
    {
        if (release_)
            release_();
    }

    // A change stuck on the dead folder ends as soon as the user cancels it;
    // what is stuck is left behind.
    void stuckJobEndsOnCancel()
    {
        Heartbeat beat;
        arm_(QFile::encodeName(root() + "/dead").constData(), 0);
        std::unique_ptr<Job> job(Jobs::newFolder(QFile::encodeName(root() + "/dead")));
        QSignalSpy finished(job.get(), &Job::finished);
        job->start();
        QTRY_VERIFY(held_() >= 1);
        job->cancel();
        QVERIFY(finished.wait());
        QVERIFY(finished.first().first().value<JobResult>().cancelled);
        release_();
        QTRY_COMPARE(Background::runningCount(), 0);
        QCOMPARE(finished.size(), 1); // the late answer changes nothing
        QVERIFY(!QFile::exists(root() + "/dead/New Folder"));
        QVERIFY2(beat.worstGapMs() < StallMs, qPrintable(QString::number(beat.worstGapMs())));
    }

    // The folder opens (its check answers) but its listing never returns.
    void listingThatHangsStallsNothingElse()
    {
        auto harness = std::make_unique<test::ExploreHarness>();
        test::ExploreHarness &h = *harness;
        frmExplore &f = h.open();
        ExplorerListView *list = f.CcXploreListView1.get();
        list->setTrashTopSource([] { return QList<QByteArray>{}; });
        Heartbeat beat;
        arm_(QFile::encodeName(root() + "/dead").constData(), 0);

        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root() + "/dead"));
        QTRY_VERIFY(held_() >= 2); // the list's listing and the tree's expansion
        QVERIFY(list->model()->isLoading());

        // Another folder opens in both panes meanwhile.
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root() + "/live"));
        QVERIFY(test::waitListed(list));
        QCOMPARE(list->ItemCount(), 3);
        NamespaceModel *tree = f.CcXploreTreeView1->model();
        QTRY_VERIFY(tree->isLoaded(tree->indexOf(Location::folder(root() + "/live"))));

        // And every verb works on it.
        list->setSelected(list->model()->rowOfName("a.txt"), true);
        f.activePane = frmExplore::Pane::List;
        f.mnuEditCopy_Click();
        f.menuEntry(QStringLiteral("mnuFileCreateShortcut"))->trigger();
        QVERIFY(QFileInfo(root() + "/live/Link to a.txt").isSymLink());
        list->newFolder();
        QTRY_VERIFY(QFileInfo(root() + "/live/New Folder").isDir());
        QTRY_VERIFY(list->model()->rowOfName("New Folder") >= 0);
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root() + "/live/sub"));
        QVERIFY(test::waitListed(list));
        f.Toolbar1_ButtonClick(QStringLiteral("Paste"));
        QTRY_VERIFY(QFile::exists(root() + "/live/sub/a.txt"));
        QTRY_VERIFY(list->model()->rowOfName("a.txt") >= 0);
        QCOMPARE(list->model()->rename(list->model()->rowOfName("a.txt"), "renamed.txt"),
                 QString());
        QTRY_VERIFY(QFile::exists(root() + "/live/sub/renamed.txt"));
        QTRY_VERIFY(list->model()->rowOfName("renamed.txt") >= 0);
        list->selectionModel()->clearSelection();
        list->setSelected(list->model()->rowOfName("renamed.txt"), true);
        h.messages.confirmAnswers = {true};
        f.Toolbar1_ButtonClick(QStringLiteral("Delete"));
        QVERIFY(!QFile::exists(root() + "/live/sub/renamed.txt"));
        QVERIFY(h.messages.errors.isEmpty());

        QVERIFY(held_() >= 1); // still stuck all along
        qInfo("longest gap between heartbeats while the folder hung: %lld ms", beat.worstGapMs());
        QVERIFY2(beat.worstGapMs() < StallMs, qPrintable(QString::number(beat.worstGapMs())));

        // Closing the window leaves the stuck listings behind, unwaited for.
        QElapsedTimer closing;
        closing.start();
        harness.reset();
        QVERIFY(closing.elapsed() < StallMs);
        QVERIFY(held_() >= 1);
        release_();
        QTRY_COMPARE(held_(), 0);
    }

    // Nothing about the folder answers, not even whether it exists: the
    // window carries on where it was, and goes there once it answers.
    void folderThatNeverAnswersLeavesTheWindowWhereItWas()
    {
        test::ExploreHarness h;
        frmExplore &f = h.open();
        ExplorerListView *list = f.CcXploreListView1.get();
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root() + "/live"));
        QVERIFY(test::waitListed(list));
        Heartbeat beat;
        arm_(QFile::encodeName(root() + "/silent").constData(), 1);

        QElapsedTimer took;
        took.start();
        f.CcXploreTreeView1->setCurrentFolder(root() + "/silent");
        QVERIFY(took.elapsed() < StallMs);
        QTRY_VERIFY(held_() >= 1);
        QCOMPARE(list->location(), Location::folder(root() + "/live"));
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(root() + "/live/sub"));
        QVERIFY(test::waitListed(list));
        qInfo("longest gap between heartbeats while the folder hung: %lld ms", beat.worstGapMs());
        QVERIFY2(beat.worstGapMs() < StallMs, qPrintable(QString::number(beat.worstGapMs())));

        // The late answer is for a navigation the user has moved on from.
        release_();
        QTRY_COMPARE(held_(), 0);
        // Every task has ended, so what they posted is queued: deliver it.
        QTRY_COMPARE(Background::runningCount(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(list->location(), Location::folder(root() + "/live/sub"));
    }
};

TARNWICK_TEST_MAIN(TestDeadMount)
#include "test_deadmount.moc"
