#pragma once

// The parts of unpacking, shared by its two files: reading entries
// (archiveextract.cpp) and putting what they made in place
// (archiveplace.cpp).
#include "archivejob.h"

#include <QByteArray>
#include <QList>
#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tarnwick::archive {

// An open descriptor, closed when it goes.
class Fd
{
public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd &operator=(Fd &&other) noexcept
    {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    ~Fd() { reset(); }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    void reset()
    {
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

class Extractor;

// One archive unpacked.
class Unpack
{
public:
    enum class Outcome
    {
        Done,
        Skipped,
        Cancelled
    };

    Unpack(Extractor &job, const QByteArray &archive, int targetFd, const QByteArray &target);
    ~Unpack();
    Outcome run();

    qint64 bytesRead() const { return archive_ ? archive_filter_bytes(archive_, -1) : 0; }

private:
    struct Folder
    {
        QList<QByteArray> parts;
        mode_t mode;
        timespec times[2];
    };

    bool entry(archive_entry *e); // false when the whole archive must stop
    bool writeFile(archive_entry *e, int dirFd, const QByteArray &leaf, const QByteArray &name);
    int folderFor(const QList<QByteArray> &parts, int *fd);
    Fd findFolder(const QList<QByteArray> &parts) const;
    int clearPlace(int dirFd, const QByteArray &leaf);
    bool sizeAllowed(qint64 total);
    void refuse(const QByteArray &name, const QString &why);
    void fail(const QString &why);
    void failWrite(const QByteArray &name, int code);
    QString readError() const;
    Outcome finish();
    Outcome place(const QByteArray &top);
    static const char *passphrase(struct archive *, void *self);

    Extractor &job_;
    QByteArray path_, target_;
    int targetFd_;
    struct archive *archive_ = nullptr;
    Fd archiveFd_, partFd_;
    QByteArray part_;
    qint64 size_ = 0, free_ = 0, limit_ = 0, written_ = 0;
    bool sizeAccepted_ = false, stop_ = false, partPlaced_ = false;
    QString failure_;
    int refused_ = 0;
    QByteArray cachedKey_;
    int cachedDepth_ = 0;
    Fd cached_;
    std::vector<Folder> folders_;
    int asked_ = 0;
    // Whether the archive library took it for an archive. Until then it may
    // be asked nothing more: after a failed open its idea of the format
    // points past its own table.
    bool opened_ = false;
    bool noPassword_ = false;
    QByteArray password_;
};

class Extractor : public ArchiveJob
{
public:
    Extractor(QList<QByteArray> archives, QByteArray target)
        : ArchiveJob(JobKind::Extract), archives_(std::move(archives)), target_(std::move(target))
    {
    }
    ~Extractor() override { stopWorker(); }

protected:
    void run() override;

private:
    friend class Unpack;
    void unpacking(const QByteArray &name, qint64 read)
    {
        tick(name, before_ + read, total_, filesDone_, int(archives_.size()));
    }

    QList<QByteArray> archives_;
    QByteArray target_;
    qint64 total_ = 0, before_ = 0;
    int filesDone_ = 0;
};

} // namespace tarnwick::archive
