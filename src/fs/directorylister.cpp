#include "directorylister.h"

#include "contenttypes.h"
#include "rawpaths.h"

#include <QElapsedTimer>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace tarnwick {

// The first batch is small so that the first rows paint at once; later ones
// go out at most every 500 ms. Each batch costs the views a new layout of
// every row, so fewer, larger batches keep a 100,000-entry folder under twice
// the cost of reading it; the first screenful is there long before.
constexpr int FirstBatch = 256;
constexpr qint64 BatchIntervalMs = 500;

class DirectoryLister::Worker : public QObject
{
    Q_OBJECT
public:
    explicit Worker(std::shared_ptr<std::atomic<quint64>> oldestWanted)
        : oldestWanted_(std::move(oldestWanted))
    {
    }

public slots:
    void run(quint64 id, const QString &path, bool foldersOnly)
    {
        if (cancelled(id))
            return;
        const QByteArray encoded = rawpath::toBytes(path);
        const int fd = open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            emit finished(id, errno);
            return;
        }
        DIR *dir = fdopendir(fd);
        if (!dir) {
            const int err = errno;
            close(fd);
            emit finished(id, err);
            return;
        }

        FileEntries batch;
        batch.reserve(FirstBatch);
        bool first = true;
        QElapsedTimer sinceEmit;
        sinceEmit.start();
        int error = 0;
        int sinceCheck = 0;
        for (;;) {
            errno = 0;
            const dirent *d = readdir(dir);
            if (!d) {
                error = errno;
                break;
            }
            const char *name = d->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            if (foldersOnly && d->d_type != DT_DIR && d->d_type != DT_LNK &&
                d->d_type != DT_UNKNOWN)
                continue;
            FileEntry e;
            struct stat st;
            if (!statEntry(fd, name, e, &st))
                continue; // removed while we were listing
            if (foldersOnly && !e.isDir)
                continue;
            if (!foldersOnly)
                e.contentType = sniffer_.typeOf(fd, name, e, st);
            batch.append(std::move(e));

            if (++sinceCheck < 64)
                continue;
            sinceCheck = 0;
            if (cancelled(id)) {
                closedir(dir);
                return;
            }
            if ((first && batch.size() >= FirstBatch) || sinceEmit.elapsed() >= BatchIntervalMs) {
                emit entriesReady(id, batch);
                batch.clear();
                first = false;
                sinceEmit.restart();
            }
        }
        closedir(dir);
        if (cancelled(id))
            return;
        if (!batch.isEmpty())
            emit entriesReady(id, batch);
        emit finished(id, error);
    }

signals:
    void entriesReady(quint64 id, const tarnwick::FileEntries &batch);
    void finished(quint64 id, int error);

private:
    bool cancelled(quint64 id) const { return id < oldestWanted_->load(); }
    std::shared_ptr<std::atomic<quint64>> oldestWanted_;
    ContentSniffer sniffer_;
};

DirectoryLister::DirectoryLister(Mode mode, QObject *parent)
    : QObject(parent), mode_(mode), oldestWanted_(std::make_shared<std::atomic<quint64>>(0))
{
    qRegisterMetaType<tarnwick::FileEntries>();
    worker_ = new Worker(oldestWanted_);
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &Worker::entriesReady, this, [this](quint64 id, const FileEntries &batch) {
        if (id >= oldestWanted_->load())
            emit entriesReady(id, batch);
    });
    connect(worker_, &Worker::finished, this, [this](quint64 id, int error) {
        if (id >= oldestWanted_->load())
            emit finished(id, error);
    });
    thread_.setObjectName(QStringLiteral("DirectoryLister"));
    thread_.start();
}

DirectoryLister::~DirectoryLister()
{
    cancelAll();
    thread_.quit();
    thread_.wait();
}

quint64 DirectoryLister::list(const QString &path, ListOptions options)
{
    const quint64 id = nextId_++;
    if (mode_ == Mode::LatestOnly)
        oldestWanted_->store(id);
    QMetaObject::invokeMethod(worker_, "run", Qt::QueuedConnection, Q_ARG(quint64, id),
                              Q_ARG(QString, path), Q_ARG(bool, options.foldersOnly));
    return id;
}

void DirectoryLister::cancelAll()
{
    oldestWanted_->store(nextId_);
}

} // namespace tarnwick

#include "directorylister.moc"
