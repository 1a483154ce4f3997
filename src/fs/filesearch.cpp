#include "filesearch.h"

#include "background.h"
#include "rawpaths.h"
#include "treewalk.h"

#include <QByteArrayMatcher>
#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace tarnwick {

// A batch goes out when it is this full or this old, whichever comes first:
// the list fills visibly without a relayout for every file.
constexpr qsizetype MaxBatch = 200;
constexpr qint64 BatchIntervalMs = 100;
constexpr qsizetype ChunkSize = 64 * 1024;

namespace {

// Looks for a text in a file a chunk at a time, keeping the end of one chunk
// in front of the next so that a match across the seam is still seen.
class TextMatcher
{
public:
    TextMatcher(const QString &text, bool matchCase) : text_(text)
    {
        const QByteArray utf8 = text.toUtf8();
        const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= 0; });
        if (matchCase) {
            mode_ = Exact;
        } else if (ascii) {
            mode_ = AsciiFolded;
        } else {
            // Case variants of other letters may differ in length in UTF-8,
            // so those are compared as text.
            mode_ = Unicode;
        }
        matcher_.setPattern(mode_ == AsciiFolded ? utf8.toLower() : utf8);
        overlap_ = mode_ == Unicode ? utf8.size() * 3 + 3 : utf8.size() - 1;
    }

    bool foundIn(int dirFd, const char *name, const std::atomic<bool> &cancel) const
    {
        // Not blocking, and checked again once open: something put in the
        // file's place meanwhile must not be read.
        const int fd =
            openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            return false;
        struct stat st;
        bool hit = false;
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
            hit = search(fd, cancel);
        close(fd);
        return hit;
    }

private:
    enum Mode
    {
        Exact,
        AsciiFolded,
        Unicode
    };

    bool search(int fd, const std::atomic<bool> &cancel) const
    {
        QByteArray window;
        window.reserve(overlap_ + ChunkSize);
        while (!cancel.load(std::memory_order_relaxed)) {
            const qsizetype kept = window.size();
            window.resize(kept + ChunkSize);
            ssize_t n;
            do {
                n = read(fd, window.data() + kept, size_t(ChunkSize));
            } while (n < 0 && errno == EINTR);
            if (n <= 0)
                return false;
            window.resize(kept + qsizetype(n));
            if (mode_ == AsciiFolded) {
                for (char *c = window.data() + kept, *end = window.data() + window.size(); c < end;
                     ++c) {
                    if (*c >= 'A' && *c <= 'Z')
                        *c = char(*c + ('a' - 'A'));
                }
            }
            const bool hit = mode_ == Unicode
                                 ? QString::fromUtf8(window).contains(text_, Qt::CaseInsensitive)
                                 : matcher_.indexIn(window) >= 0;
            if (hit)
                return true;
            window.remove(0, std::max<qsizetype>(0, window.size() - overlap_));
        }
        return false;
    }

    QString text_;
    Mode mode_ = Exact;
    QByteArrayMatcher matcher_;
    qsizetype overlap_ = 0;
};

} // namespace

FileSearch::FileSearch(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<tarnwick::FoundFiles>();
}

FileSearch::~FileSearch() = default;

NamePattern FileSearch::namePattern(const QString &names)
{
    QStringList parts;
    for (const QString &piece : names.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString p = piece.trimmed();
        if (p.isEmpty())
            continue;
        const bool wild = p.contains(QLatin1Char('*')) || p.contains(QLatin1Char('?'));
        parts << (wild ? p : QLatin1Char('*') + p + QLatin1Char('*'));
    }
    return NamePattern(parts.join(QLatin1Char(';')));
}

void FileSearch::start(const FindQuery &query)
{
    task_.start(this, [this, query](BackgroundTask &task, const std::atomic<bool> &stop) {
        const auto post = [this, &task](auto deliver) {
            task.post([this, deliver] { deliver(this); });
        };
        const NamePattern pattern = namePattern(query.names);
        std::optional<TextMatcher> text;
        if (!query.text.isEmpty())
            text.emplace(query.text, query.matchCase);
        FoundFiles batch;
        qint64 count = 0;
        QElapsedTimer sinceBatch;
        sinceBatch.start();
        const auto flush = [&] {
            post([batch](FileSearch *s) { emit s->found(batch); });
            batch.clear();
            sinceBatch.restart();
        };
        QByteArray lastFolder;
        QString lastFolderName;
        const auto visit = [&](const WalkItem &item) {
            if (!batch.isEmpty() && sinceBatch.elapsed() >= BatchIntervalMs)
                flush();
            const QString name = rawpath::toText(item.name);
            if (!pattern.matches(name))
                return;
            if (text && !(S_ISREG(item.st.st_mode) && text->foundIn(item.dirFd, item.name, stop)))
                return;
            if (item.folder != lastFolder) {
                lastFolder = item.folder;
                lastFolderName = rawpath::toText(item.folder);
            }
            FoundFile f;
            f.path = rawpath::join(item.folder, item.name);
            f.name = name;
            f.folder = lastFolderName;
            f.size = item.st.st_size;
            f.mtime = item.st.st_mtim.tv_sec;
            f.isDir = S_ISDIR(item.st.st_mode);
            batch.append(std::move(f));
            ++count;
            if (batch.size() >= MaxBatch)
                flush();
        };
        const WalkResult r = walkFolder(query.folder, query.subfolders, stop, visit);
        if (!batch.isEmpty())
            flush();
        post([count, r](FileSearch *s) {
            s->task_.finished();
            emit s->finished(count, r.unreadable, r.cancelled);
        });
    });
}

void FileSearch::stop()
{
    task_.stop();
}

} // namespace tarnwick
