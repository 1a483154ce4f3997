// The 100,000-entry folder: how long Tarnwick takes to list, sort, filter and
// count it, as ratios to a plain enumerate-and-lstat of the same folder
// measured in the same run. Run by hand or with `make bench`, never in CI.
#include "benchsupport.h"
#include "explorerlistview.h"
#include "foldermodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QItemSelectionModel>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;
using bench::cpuSeconds;
using bench::msSince;
using bench::peakMiB;

namespace {

constexpr int Files = 90000;
constexpr int Folders = 10000;

void makeReferenceFolder(const QByteArray &path)
{
    struct stat st;
    const QByteArray marker = path + "/.complete";
    if (stat(marker.constData(), &st) == 0)
        return;
    mkdir(path.constData(), 0755);
    for (int i = 0; i < Files; ++i) {
        const QByteArray f = path + "/file" + QByteArray::number(i) + ".txt";
        const int fd = open(f.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0)
            close(fd);
    }
    for (int i = 0; i < Folders; ++i)
        mkdir((path + "/folder" + QByteArray::number(i)).constData(), 0755);
    const int fd = open(marker.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    if (fd >= 0)
        close(fd);
}

// The baseline: what any listing must do at least.
double baselineCpu(const QByteArray &path, int *count)
{
    const double start = cpuSeconds();
    DIR *d = opendir(path.constData());
    const int fd = dirfd(d);
    int n = 0;
    while (dirent *e = readdir(d)) {
        struct stat st;
        if (fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
            ++n;
    }
    closedir(d);
    *count = n;
    return cpuSeconds() - start;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QByteArray folder =
        argc > 1 ? QByteArray(argv[1]) : QByteArray("/tmp/tarnwick-bench-100k");
    std::printf("Preparing %s (%d files, %d folders)...\n", folder.constData(), Files, Folders);
    makeReferenceFolder(folder);

    // Warm the cache the same way for both.
    int entries = 0;
    baselineCpu(folder, &entries);
    double baseline = 1e9;
    for (int i = 0; i < 3; ++i)
        baseline = std::min(baseline, baselineCpu(folder, &entries));

    ExplorerListView list;
    list.resize(1000, 700);
    list.setView(ExplorerListView::Details);
    list.show();
    if (!QTest::qWaitForWindowExposed(&list))
        std::printf("window not exposed\n");
    FolderModel *model = list.model();

    // Open in details view: CPU of the whole process until every entry is
    // listed and sorted, and the time until the first rows are painted.
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    double firstPaint = -1;
    QEventLoop loop;
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &loop, [&] {
        if (firstPaint < 0) {
            list.currentView()->viewport()->repaint();
            firstPaint = msSince(wall);
        }
    });
    QObject::connect(model, &FolderModel::loadingFinished, &loop, &QEventLoop::quit);
    list.setFolder(QString::fromLocal8Bit(folder));
    loop.exec();
    list.currentView()->viewport()->repaint();
    const double openWall = msSince(wall);
    const double openCpu = cpuSeconds() - cpuBefore;

    auto timed = [&](const char *what, const std::function<void()> &step) {
        QElapsedTimer t;
        t.start();
        step();
        list.currentView()->viewport()->repaint();
        QCoreApplication::processEvents();
        const double ms = msSince(t);
        std::printf("  %-34s %8.1f ms\n", what, ms);
        return ms;
    };

    std::printf("\nmachine: %d cores\n", QThread::idealThreadCount());
    std::printf("entries listed: %d of %d\n\n", model->rowCount(), entries - 2);
    std::printf("baseline (readdir + lstat, CPU)     %8.1f ms\n", baseline * 1000);
    std::printf("open in details, CPU                %8.1f ms  = %.2f x baseline\n", openCpu * 1000,
                openCpu / baseline);
    std::printf("open in details, wall               %8.1f ms\n", openWall);
    std::printf("first rows painted after            %8.1f ms\n", firstPaint);
    std::printf("peak resident memory                %8.1f MiB\n\n", peakMiB());

    timed("view: large icons", [&] { list.setView(ExplorerListView::LargeIcons); });
    timed("view: small icons", [&] { list.setView(ExplorerListView::SmallIcons); });
    timed("view: list", [&] { list.setView(ExplorerListView::ListMode); });
    timed("view: details", [&] { list.setView(ExplorerListView::Details); });
    {
        QElapsedTimer t;
        t.start();
        model->sort(FolderModel::NameColumn, Qt::DescendingOrder);
        std::printf("  raw model sort (no paint)          %8.1f ms\n", msSince(t));
        t.restart();
        list.currentView()->viewport()->repaint();
        std::printf("  repaint                            %8.1f ms\n", msSince(t));
        t.restart();
        QCoreApplication::processEvents();
        std::printf("  process events                     %8.1f ms\n", msSince(t));
    }
    timed("sort by size", [&] { model->sort(FolderModel::SizeColumn, Qt::AscendingOrder); });
    timed("sort by modified",
          [&] { model->sort(FolderModel::ModifiedColumn, Qt::DescendingOrder); });
    timed("sort by name", [&] { model->sort(FolderModel::NameColumn, Qt::AscendingOrder); });
    timed("filter keystroke \"*.t\"", [&] { list.setPattern(QStringLiteral("*.t")); });
    timed("filter keystroke \"*.tx\"", [&] { list.setPattern(QStringLiteral("*.tx")); });
    timed("filter keystroke \"*.txt\"", [&] { list.setPattern(QStringLiteral("*.txt")); });
    timed("select all", [&] { list.currentView()->selectAll(); });
    // As Edit > Invert Selection does it: one toggle of the whole range.
    const auto invert = [&] {
        QAbstractItemModel *m = list.activeModel();
        const QItemSelection all(m->index(0, 0), m->index(m->rowCount() - 1, m->columnCount() - 1));
        list.selectionModel()->select(all, QItemSelectionModel::Toggle);
    };
    timed("invert selection (all to none)", invert);
    timed("invert selection (none to all)", invert);
    int selected = 0;
    timed("selection count, all selected", [&] {
        selected = 0;
        for (int i = 0; i < list.ItemCount(); ++i)
            selected += list.Selected(i);
    });
    std::printf("  (counted %d selected)\n", selected);
    std::printf("peak resident memory at the end      %8.1f MiB\n", peakMiB());
    return 0;
}
