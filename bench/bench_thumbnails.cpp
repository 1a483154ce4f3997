// Thumbnails of a folder of photos in Large Icons: the time from opening to
// every picture in sight shown, with the shared cache empty (cold) and
// filled (warm), the window's heartbeat meanwhile, and peak memory; against
// the floor, a plain loop decoding the same pictures at the same size on
// every core.
//   bench_thumbnails [--photos N]   (2,000 by default, 3000 x 2000 each)
#include "benchsupport.h"
#include "explorerlistview.h"
#include "foldermodel.h"
#include "thumbnails.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QListView>
#include <QPainter>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>
#include <vector>

using namespace tarnwick;

namespace {

QByteArray photoFolder(int count)
{
    const QByteArray path = "/tmp/tarnwick-bench-photos-" + QByteArray::number(count);
    struct stat st;
    if (stat((path + "/.complete").constData(), &st) == 0)
        return path;
    QDir().mkpath(QString::fromLatin1(path));
    std::printf("making %d photos of 3000 x 2000 in %s (once)...\n", count, path.constData());
    std::fflush(stdout);
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i; (i = next++) < count;) {
            QImage photo(3000, 2000, QImage::Format_RGB32);
            QPainter p(&photo);
            QLinearGradient sky(0, 0, 3000, 2000);
            sky.setColorAt(0, QColor::fromHsv((i * 37) % 360, 160, 230));
            sky.setColorAt(1, QColor::fromHsv((i * 91) % 360, 200, 90));
            p.fillRect(photo.rect(), sky);
            QRandomGenerator random{quint32(i)};
            for (int k = 0; k < 60; ++k)
                p.fillRect(random.bounded(3000), random.bounded(2000), random.bounded(400),
                           random.bounded(300), QColor::fromRgb(random.generate()));
            p.end();
            photo.save(QString::asprintf("%s/IMG_%05d.jpg", path.constData(), i), "JPEG", 85);
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < std::max(1, QThread::idealThreadCount()); ++t)
        threads.emplace_back(work);
    for (std::thread &t : threads)
        t.join();
    close(open((path + "/.complete").constData(), O_CREAT | O_WRONLY, 0644));
    return path;
}

struct Run
{
    double ms = 0;
    double heartbeatMs = 0;
    int shown = 0;
};

// Opens the folder in Large Icons and waits until every item in sight shows
// its picture.
Run openAndWait(const QByteArray &folder)
{
    ExplorerListView list;
    list.resize(1024, 768);
    list.setView(ExplorerListView::LargeIcons);
    list.show();
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer beat;
    beat.start();
    double worstGap = 0;
    QTimer heart;
    heart.setInterval(5);
    QObject::connect(&heart, &QTimer::timeout, [&] {
        worstGap = std::max(worstGap, bench::msSince(beat));
        beat.restart();
    });
    heart.start();
    list.setFolder(QString::fromLocal8Bit(folder));
    FolderModel *model = list.model();
    auto *view = static_cast<QListView *>(list.currentView());
    const auto allShown = [&] {
        if (model->rowCount() == 0)
            return -1;
        const QRect seen = view->viewport()->rect();
        int count = 0;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex at = model->index(row, 0);
            if (!view->visualRect(at).intersects(seen))
                break;
            const FileEntry &e = model->entryAt(row);
            if (!e.name.endsWith(QLatin1String(".jpg")))
                continue; // the folder's marker
            if (model->data(at, Qt::DecorationRole).value<QIcon>().cacheKey() ==
                model->iconFor(e).cacheKey())
                return -1;
            ++count;
        }
        return count;
    };
    // Looked at every few milliseconds, without spinning: the workers need
    // both cores.
    Run run;
    QEventLoop waiting;
    QTimer look;
    look.setInterval(4);
    QObject::connect(&look, &QTimer::timeout, [&] {
        if ((run.shown = allShown()) >= 0 || clock.elapsed() > 120000)
            waiting.quit();
    });
    look.start();
    waiting.exec();
    run.ms = bench::msSince(clock);
    run.heartbeatMs = worstGap;
    return run;
}

// The floor: the same pictures decoded at the same size, on every core.
double decodeLoop(const QByteArray &folder, int count)
{
    QElapsedTimer clock;
    clock.start();
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i; (i = next++) < count;) {
            QImageReader reader(QString::asprintf("%s/IMG_%05d.jpg", folder.constData(), i));
            reader.setScaledSize(QSize(128, 85));
            reader.read();
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < std::max(1, QThread::idealThreadCount()); ++t)
        threads.emplace_back(work);
    for (std::thread &t : threads)
        t.join();
    return bench::msSince(clock);
}

} // namespace

int main(int argc, char **argv)
{
    int photos = 2000;
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "--photos") == 0)
            photos = std::max(1, atoi(argv[i + 1]));
    const QByteArray cache = "/tmp/tarnwick-bench-thumbcache";
    QDir(QString::fromLatin1(cache)).removeRecursively();
    qputenv("XDG_CACHE_HOME", cache);
    QApplication app(argc, argv);
    const QByteArray folder = photoFolder(photos);

    const Run cold = openAndWait(folder);
    const double coldPeak = bench::phasePeakMiB();
    const Run warm = openAndWait(folder);
    const double floor = decodeLoop(folder, cold.shown);
    std::printf("%d photos, %d in sight of a 1024 x 768 list at 48 pixels\n", photos, cold.shown);
    std::printf("  floor (decode loop, %d threads) %8.1f ms\n", QThread::idealThreadCount(), floor);
    std::printf(
        "  cold  (empty cache)             %8.1f ms  %.2fx the floor  heartbeat max %.1f ms\n",
        cold.ms, cold.ms / floor, cold.heartbeatMs);
    std::printf("  warm  (cache filled)            %8.1f ms  heartbeat max %.1f ms\n", warm.ms,
                warm.heartbeatMs);
    std::printf("  peak memory                     %8.1f MiB\n", coldPeak);
    QDir(QString::fromLatin1(cache)).removeRecursively();
    return 0;
}
