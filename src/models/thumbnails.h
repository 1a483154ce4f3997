#pragma once

#include "background.h"

#include <QByteArray>
#include <QCache>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QSet>
#include <atomic>
#include <memory>
#include <vector>

namespace tarnwick {

// A file whose picture is wanted.
struct ThumbnailRequest
{
    QByteArray path;
    qint64 mtime = 0; // as listed; the file is looked at again when made
    QString mimeType;
    int row = -1; // where the model had it when asking
};

// What may have a thumbnail, and at what cost.
struct ThumbnailPolicy
{
    bool onNetwork = false;            // files on network mounts
    qint64 maxPictureBytes = 50 << 20; // pictures decoded here; larger ones get none
    qint64 maxPixels = 100'000'000;    // a picture claiming more is refused unread
    int allocationLimitMb = 256;       // what one decode may take
};

namespace thumbnails {
// The thumbnail of `r`, fitting `pixels` square: the shared cache's when it
// is still the file's, else made (pictures here, other types by the system's
// thumbnailers) and stored there for every program. Null when the file has
// none (a failure is recorded, so it is not tried again until the file
// changes). Runs off the window's thread.
QImage load(const ThumbnailRequest &r, int pixels, const ThumbnailPolicy &policy,
            const std::atomic<bool> &stop);
// Whether a file of this type may have a thumbnail.
bool handles(const QString &mimeType);
} // namespace thumbnails

// The thumbnails of one view: made in the background for the items the view
// says are on screen, kept within a bounded memory cache, and dropped from
// the queue once the view scrolls away from them.
class ThumbnailProvider : public QObject
{
    Q_OBJECT
public:
    explicit ThumbnailProvider(QObject *parent = nullptr);
    ~ThumbnailProvider() override;

    // The side pictures are shown at, in device-independent pixels; a change
    // forgets what is kept.
    void setSide(int side, qreal pixelRatio);
    int side() const { return side_; }
    void setPolicy(const ThumbnailPolicy &policy);

    // The items now wanted, nearest first: the rest of the queue is dropped.
    void want(std::vector<ThumbnailRequest> requests);
    // The picture of `path` as of `mtime` when it is ready; null otherwise.
    QIcon find(const QByteArray &path, qint64 mtime) const;
    // Forgets what is kept and waiting (another folder).
    void clear();

    // Pictures kept at most, in bytes.
    static constexpr int MemoryBudgetKb = 96 * 1024;

signals:
    void ready(const QByteArray &path, int row);

private:
    struct Queue;
    void deliver(quint64 generation, const ThumbnailRequest &r, const QImage &image);
    static QByteArray keyOf(const QByteArray &path, qint64 mtime);

    std::shared_ptr<Queue> queue_;
    std::vector<TaskHandle> workers_;
    QCache<QByteArray, QIcon> kept_;
    QSet<QByteArray> failed_;
    QSet<QByteArray> asked_; // waiting or being made
    int side_ = 48;
    qreal ratio_ = 1;
};

} // namespace tarnwick
