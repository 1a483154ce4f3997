#include "thumbnails.h"

#include "thumbnailcache.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPixmap>
#include <QThread>
#include <chrono>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>

namespace tarnwick {
namespace thumbnails {
namespace {

using Clock = std::chrono::steady_clock;

// Opens a regular file named by its bytes, which QFile's names cannot
// always say. What is opened is what is checked: a FIFO or device put in
// the file's place meanwhile is refused, never waited on.
bool openRaw(QFile &file, const QByteArray &path, struct ::stat *st = nullptr)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct ::stat own;
    if (::fstat(fd, &own) != 0 || !S_ISREG(own.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    if (st)
        *st = own;
    return file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

// The mount table, read again at most every two seconds by each worker.
bool onNetwork(const QByteArray &path)
{
    thread_local QByteArray lastFolder;
    thread_local bool lastAnswer = false;
    thread_local Clock::time_point readAt;
    const QByteArray folder = path.left(path.lastIndexOf('/'));
    if (folder != lastFolder || Clock::now() - readAt > std::chrono::seconds(2)) {
        lastAnswer = thumbcache::onNetwork(path);
        lastFolder = folder;
        readAt = Clock::now();
    }
    return lastAnswer;
}

QImage fit(QImage image, int pixels)
{
    if (image.width() > pixels || image.height() > pixels)
        image = image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

// Decodes at most what `pixels` needs, refusing pictures whose header
// claims more than the policy allows before a byte of them is decoded.
QImage decode(QIODevice &device, int pixels, const ThumbnailPolicy &policy)
{
    QImageReader reader(&device);
    reader.setAllocationLimit(policy.allocationLimitMb);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid()) {
        if (qint64(size.width()) * size.height() > policy.maxPixels)
            return {};
        if (size.width() > pixels || size.height() > pixels)
            reader.setScaledSize(size.scaled(pixels, pixels, Qt::KeepAspectRatio));
    }
    return fit(reader.read(), pixels);
}

// Whether `image`, from the cache, was made of the file at `uri` as it was
// at `mtime`. (The keys are read from the decoded picture: the reader's own
// list splits them at their "::".)
bool isOf(const QImage &image, const QByteArray &uri, const QByteArray &mtime)
{
    return !image.isNull() && image.text(QStringLiteral("Thumb::URI")).toUtf8() == uri &&
           image.text(QStringLiteral("Thumb::MTime")).toLatin1() == mtime;
}

// The cache's picture at `path`, which another program may have written.
QImage cached(const QByteArray &path, int pixels, const ThumbnailPolicy &policy)
{
    QFile file;
    if (!openRaw(file, path))
        return {};
    QImageReader reader(&file, "png");
    reader.setAllocationLimit(policy.allocationLimitMb);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > 2 * pixels || size.height() > 2 * pixels)
        return {}; // not a thumbnail of a size the cache holds
    return reader.read();
}

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(1); // small pictures: speed counts for more than bytes
    return writer.write(image) ? bytes : QByteArray();
}

bool isPicture(const QString &mimeType)
{
    static const QSet<QString> types = [] {
        QSet<QString> all;
        for (const QByteArray &t : QImageReader::supportedMimeTypes())
            all.insert(QString::fromLatin1(t));
        return all;
    }();
    return types.contains(mimeType);
}

QImage make(const ThumbnailRequest &r, QFile &source, int side, const ThumbnailPolicy &policy,
            const std::atomic<bool> &stop)
{
    if (isPicture(r.mimeType))
        return decode(source, side, policy);
    const Thumbnailer *t = Thumbnailers::installed().forType(r.mimeType);
    if (!t)
        return {};
    QByteArray bytes = Thumbnailers::run(*t, r.path, side, stop);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, side, policy);
}

} // namespace

bool handles(const QString &mimeType)
{
    return isPicture(mimeType) || Thumbnailers::installed().forType(mimeType);
}

QImage load(const ThumbnailRequest &r, int pixels, const ThumbnailPolicy &policy,
            const std::atomic<bool> &stop)
{
    if (thumbcache::isInside(r.path) || (!policy.onNetwork && onNetwork(r.path)))
        return {};
    QFile source;
    struct ::stat st;
    if (!openRaw(source, r.path, &st))
        return {};
    const QByteArray uri = thumbcache::uriOf(r.path);
    if (uri.isEmpty())
        return {};
    const QByteArray mtime = QByteArray::number(qint64(st.st_mtime));
    const thumbcache::Bucket bucket = thumbcache::bucketFor(pixels);
    for (int b = int(bucket); b <= int(thumbcache::Bucket::XXLarge); ++b) {
        const int side = thumbcache::sideOf(thumbcache::Bucket(b));
        if (const QImage found =
                cached(thumbcache::pathFor(uri, thumbcache::Bucket(b)), side, policy);
            isOf(found, uri, mtime))
            return fit(found, pixels);
    }
    const QByteArray failure = thumbcache::failurePathFor(uri);
    if (isOf(cached(failure, 1, policy), uri, mtime))
        return {};
    if (isPicture(r.mimeType) && st.st_size > policy.maxPictureBytes)
        return {}; // the user's limit, not a failure
    QImage made = make(r, source, thumbcache::sideOf(bucket), policy, stop);
    if (stop.load())
        return {};
    const bool failed = made.isNull();
    if (failed) {
        made = QImage(1, 1, QImage::Format_ARGB32);
        made.fill(Qt::transparent);
    } else if (made.format() != QImage::Format_ARGB32 && made.format() != QImage::Format_RGB32) {
        made = made.convertToFormat(made.hasAlphaChannel() ? QImage::Format_ARGB32
                                                           : QImage::Format_RGB32);
    }
    made.setText(QStringLiteral("Thumb::URI"), QString::fromUtf8(uri));
    made.setText(QStringLiteral("Thumb::MTime"), QString::fromLatin1(mtime));
    made.setText(QStringLiteral("Software"), QStringLiteral("Tarnwick"));
    if (!failed) {
        made.setText(QStringLiteral("Thumb::Size"), QString::number(qint64(st.st_size)));
        if (!r.mimeType.isEmpty())
            made.setText(QStringLiteral("Thumb::Mime"), r.mimeType);
    }
    // A cache that cannot be written costs only the time to make it again.
    (void)thumbcache::store(failed ? failure : thumbcache::pathFor(uri, bucket), pngOf(made));
    return failed ? QImage() : fit(made, pixels);
}

} // namespace thumbnails

struct ThumbnailProvider::Queue
{
    std::mutex lock;
    std::deque<ThumbnailRequest> waiting; // nearest first
    quint64 generation = 0;
    int pixels = 48;
    ThumbnailPolicy policy;
    int running = 0;
    std::atomic<bool> stop{false};
};

ThumbnailProvider::ThumbnailProvider(QObject *parent)
    : QObject(parent), queue_(std::make_shared<Queue>())
{
    kept_.setMaxCost(MemoryBudgetKb);
}

ThumbnailProvider::~ThumbnailProvider()
{
    {
        std::lock_guard lock(queue_->lock);
        queue_->waiting.clear();
    }
    queue_->stop.store(true);
    for (const TaskHandle &w : workers_)
        w->cancel();
}

QByteArray ThumbnailProvider::keyOf(const QByteArray &path, qint64 mtime)
{
    return path + '\0' + QByteArray::number(mtime);
}

void ThumbnailProvider::setSide(int side, qreal pixelRatio)
{
    if (side == side_ && pixelRatio == ratio_)
        return;
    side_ = side;
    ratio_ = pixelRatio;
    clear();
}

void ThumbnailProvider::setPolicy(const ThumbnailPolicy &policy)
{
    std::lock_guard lock(queue_->lock);
    queue_->policy = policy;
}

void ThumbnailProvider::clear()
{
    kept_.clear();
    failed_.clear();
    asked_.clear();
    std::lock_guard lock(queue_->lock);
    queue_->waiting.clear();
    ++queue_->generation;
    queue_->pixels = qRound(side_ * ratio_);
}

void ThumbnailProvider::want(std::vector<ThumbnailRequest> requests)
{
    std::lock_guard lock(queue_->lock);
    // What waits and is no longer wanted is dropped; what a worker has taken
    // is finished and kept.
    for (const ThumbnailRequest &r : queue_->waiting)
        asked_.remove(keyOf(r.path, r.mtime));
    queue_->waiting.clear();
    for (ThumbnailRequest &r : requests) {
        const QByteArray key = keyOf(r.path, r.mtime);
        if (kept_.contains(key) || failed_.contains(key) || asked_.contains(key))
            continue;
        asked_.insert(key);
        queue_->waiting.push_back(std::move(r));
    }
    const int threads = std::max(1, QThread::idealThreadCount());
    if (queue_->running == 0)
        workers_.clear();
    while (queue_->running < threads && queue_->running < int(queue_->waiting.size())) {
        ++queue_->running;
        workers_.push_back(Background::run(this, [this, q = queue_](BackgroundTask &task) {
            for (;;) {
                ThumbnailRequest r;
                quint64 generation = 0;
                int pixels = 0;
                ThumbnailPolicy policy;
                {
                    std::lock_guard lock(q->lock);
                    if (task.cancelled() || q->waiting.empty()) {
                        --q->running;
                        return;
                    }
                    r = std::move(q->waiting.front());
                    q->waiting.pop_front();
                    generation = q->generation;
                    pixels = q->pixels;
                    policy = q->policy;
                }
                QImage image = thumbnails::load(r, pixels, policy, q->stop);
                task.post([this, generation, r, image = std::move(image)] {
                    deliver(generation, r, image);
                });
            }
        }));
    }
}

void ThumbnailProvider::deliver(quint64 generation, const ThumbnailRequest &r, const QImage &image)
{
    {
        std::lock_guard lock(queue_->lock);
        if (generation != queue_->generation)
            return;
    }
    const QByteArray key = keyOf(r.path, r.mtime);
    asked_.remove(key);
    if (image.isNull()) {
        failed_.insert(key);
        return;
    }
    // Centred on a square of the icon's size, so that every name under a
    // picture starts at the same height.
    const int pixels = qRound(side_ * ratio_);
    QImage square(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    {
        QPainter painter(&square);
        painter.drawImage((pixels - image.width()) / 2, (pixels - image.height()) / 2, image);
    }
    QPixmap picture = QPixmap::fromImage(std::move(square));
    picture.setDevicePixelRatio(ratio_);
    kept_.insert(key, new QIcon(picture), std::max<qsizetype>(1, image.sizeInBytes() / 1024));
    emit ready(r.path, r.row);
}

QIcon ThumbnailProvider::find(const QByteArray &path, qint64 mtime) const
{
    const QIcon *icon = kept_.object(keyOf(path, mtime));
    return icon ? *icon : QIcon();
}

} // namespace tarnwick
