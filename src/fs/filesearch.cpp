#include "filesearch.h"

#include "background.h"
#include "rawpaths.h"
#include "treewalk.h"

#include <QFile>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarnwick {

// A worker hands its batch over when it holds this many items, or when its
// first item has waited this long: the first results show within a blink of
// Enter, and later ones come in few, large batches the view takes cheaply.
constexpr qsizetype MaxBatch = 4096;
constexpr auto FirstBatchAfter = std::chrono::milliseconds(20);
constexpr auto LongestBatchWait = std::chrono::milliseconds(250);
// Reads this large keep the system calls few; a match across two reads is
// still seen, as the end of one stays in front of the next.
constexpr size_t ReadSize = 256 * 1024;

using Clock = std::chrono::steady_clock;

namespace {

bool isAscii(const char *s, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80)
            return false;
    return true;
}

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

// The parts of "Named", as FileSearch::namePattern has them.
QStringList nameParts(const QString &names)
{
    QStringList parts;
    for (const QString &piece : names.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString p = piece.trimmed();
        if (p.isEmpty())
            continue;
        const bool wild = p.contains(QLatin1Char('*')) || p.contains(QLatin1Char('?'));
        parts << (wild ? p : QLatin1Char('*') + p + QLatin1Char('*'));
    }
    return parts;
}

// NamePattern's rules on the bytes of a name, without making text of it:
// nearly every name is ASCII, and those are matched as they are. Other
// names take the way through text.
class NameMatcher
{
public:
    explicit NameMatcher(const QString &names) : pattern_(FileSearch::namePattern(names))
    {
        for (const QString &part : nameParts(names)) {
            const QString folded = part.toCaseFolded();
            // A letter outside ASCII in a pattern never meets one of an
            // ASCII name.
            if (std::all_of(folded.begin(), folded.end(),
                            [](QChar c) { return c.unicode() < 0x80; }))
                ascii_.push_back(folded.toStdString());
        }
    }

    bool matches(const char *name, size_t length) const
    {
        if (pattern_.matchesEverything())
            return true;
        if (!isAscii(name, length))
            return pattern_.matches(
                rawpath::toText(QByteArray::fromRawData(name, qsizetype(length))));
        for (const std::string &p : ascii_) {
            if (glob(p.data(), p.size(), name, length))
                return true;
            if (p.size() >= 2 && p.compare(p.size() - 2, 2, ".*") == 0 &&
                !memchr(name, '.', length) && glob(p.data(), p.size() - 2, name, length))
                return true;
        }
        return false;
    }

private:
    // As NamePattern::globMatch: one backtrack point, so no pattern can make
    // it take long.
    static bool glob(const char *pattern, size_t pn, const char *name, size_t nn)
    {
        size_t p = 0, n = 0, starN = 0;
        ptrdiff_t starP = -1;
        while (n < nn) {
            if (p < pn && (pattern[p] == '?' || pattern[p] == foldAscii(name[n]))) {
                ++p;
                ++n;
            } else if (p < pn && pattern[p] == '*') {
                starP = ptrdiff_t(p++);
                starN = n;
            } else if (starP >= 0) {
                p = size_t(starP) + 1;
                n = ++starN;
            } else {
                return false;
            }
        }
        while (p < pn && pattern[p] == '*')
            ++p;
        return p == pn;
    }

    NamePattern pattern_;
    std::vector<std::string> ascii_;
};

// Looks for a text in a file a large read at a time.
class TextMatcher
{
public:
    TextMatcher(const QString &text, bool matchCase, bool binaryFiles)
        : text_(text), binaryFiles_(binaryFiles)
    {
        const QByteArray utf8 = text.toUtf8();
        if (matchCase)
            mode_ = Exact;
        else if (isAscii(utf8.constData(), size_t(utf8.size())))
            mode_ = AsciiFolded;
        else
            // Case variants of other letters may differ in length in UTF-8,
            // so those are compared as text.
            mode_ = Unicode;
        needle_ = mode_ == AsciiFolded ? utf8.toLower() : utf8;
        overlap_ = mode_ == Unicode ? size_t(utf8.size()) * 3 + 3 : size_t(utf8.size()) - 1;
    }

    // Whether the regular file `name` in `dirFd` holds the text; its stat in
    // *st when it was read. Opened without blocking and without following a
    // link, and looked at once open: a pipe or device put in the file's
    // place meanwhile is never read. `beforeLongRead` runs before a file
    // that takes more than a few reads.
    template <typename F>
    bool foundIn(int dirFd, const char *name, struct stat *st, std::vector<char> &buffer,
                 const std::atomic<bool> &cancel, const F &beforeLongRead) const
    {
        const int fd =
            openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            return false;
        bool hit = false;
        if (fstat(fd, st) == 0 && S_ISREG(st->st_mode) && st->st_size > 0) {
            if (st->st_size > qint64(4 * ReadSize))
                beforeLongRead();
            hit = search(fd, buffer, cancel);
        }
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

    bool search(int fd, std::vector<char> &buffer, const std::atomic<bool> &cancel) const
    {
        buffer.resize(overlap_ + ReadSize);
        size_t kept = 0;
        bool first = true;
        while (!cancel.load(std::memory_order_relaxed)) {
            ssize_t n;
            do {
                n = read(fd, buffer.data() + kept, ReadSize);
            } while (n < 0 && errno == EINTR);
            if (n <= 0)
                return false;
            char *fresh = buffer.data() + kept;
            if (std::exchange(first, false) && !binaryFiles_ && memchr(fresh, 0, size_t(n)))
                return false;
            if (mode_ == AsciiFolded)
                std::transform(fresh, fresh + n, fresh, foldAscii);
            const size_t size = kept + size_t(n);
            if (contains(buffer.data(), size))
                return true;
            kept = std::min(overlap_, size);
            memmove(buffer.data(), buffer.data() + size - kept, kept);
        }
        return false;
    }

    bool contains(const char *data, size_t size) const
    {
        if (mode_ == Unicode)
            return QString::fromUtf8(data, qsizetype(size)).contains(text_, Qt::CaseInsensitive);
        return memmem(data, size, needle_.constData(), size_t(needle_.size())) != nullptr;
    }

    QString text_;
    QByteArray needle_;
    Mode mode_ = Exact;
    size_t overlap_ = 0;
    bool binaryFiles_ = false;
};

// What one worker has found and not yet handed over, and its read buffer.
// Each worker hands over its own batches: the workers never wait for each
// other over what they found.
struct Worker
{
    FoundBatch batch;
    Clock::time_point since; // when the batch got its first item
    Clock::duration wait = FirstBatchAfter;
    std::vector<char> buffer;
    unsigned sinceLook = 0;
    qint64 count = 0;
};

class SearchRun
{
public:
    SearchRun(const FindQuery &query, BackgroundTask &task, FileSearch *search,
              const std::atomic<bool> &stop)
        : query_(query), names_(query.names), task_(task), search_(search), stop_(stop)
    {
        if (!query.text.isEmpty())
            text_.emplace(query.text, query.matchCase, query.binaryFiles);
    }

    qint64 run(qint64 *unreadable)
    {
        ParallelWalkOptions options;
        options.recurse = query_.subfolders;
        options.workers = std::clamp(QThread::idealThreadCount(), 1, 8);
        QFile table(QStringLiteral("/proc/self/mountinfo"));
        if (table.open(QIODevice::ReadOnly))
            options.avoid = inOwnSpelling(unreliableMountPoints(table.readAll()), query_.folder);
        options.idle = [this](int worker) { hand(workers_[size_t(worker)]); };
        workers_.resize(size_t(options.workers));
        const WalkResult r =
            walkInParallel(query_.folder, options, stop_, [this](int worker, const FoundEntry &e) {
                visit(workers_[size_t(worker)], e);
            });
        qint64 count = 0;
        for (Worker &w : workers_) {
            hand(w);
            count += w.count;
        }
        *unreadable = r.unreadable;
        return count;
    }

private:
    // The mount table names mount points by their real paths; a folder
    // reached through a link has other names for them.
    static QSet<QByteArray> inOwnSpelling(const QSet<QByteArray> &points, const QByteArray &top)
    {
        const QByteArray real = rawpath::canonical(top);
        if (real.isEmpty() || real == top)
            return points;
        QSet<QByteArray> spelled = points;
        for (const QByteArray &p : points) {
            if (p.size() > real.size() && rawpath::isAtOrUnder(p, real))
                spelled.insert(
                    rawpath::join(top, p.mid(real.size() + (real.endsWith('/') ? 0 : 1))));
        }
        return spelled;
    }

    void visit(Worker &w, const FoundEntry &e)
    {
        // The clock is looked at now and then, not for every entry.
        if ((++w.sinceLook >= 256 || text_) && !w.batch.items.isEmpty()) {
            w.sinceLook = 0;
            if (Clock::now() - w.since >= w.wait) {
                hand(w);
                w.wait = std::min<Clock::duration>(w.wait * 2, LongestBatchWait);
            }
        }
        if (!names_.matches(e.name, e.length))
            return;
        struct stat st;
        if (text_) {
            // What was found waits for no long file.
            if (e.type != DT_REG ||
                !text_->foundIn(e.dirFd, e.name, &st, w.buffer, stop_, [&] { hand(w); }))
                return;
        } else if (e.st) {
            st = *e.st;
        } else {
            // Its size and time are read once it is shown: a hundred
            // thousand calls cost more than the whole walk.
            st = {};
            st.st_mode = DTTOIF(e.type);
            st.st_size = -1;
        }
        add(w, e, st);
        if (w.batch.items.size() >= MaxBatch)
            hand(w);
    }

    static void add(Worker &w, const FoundEntry &e, const struct stat &st)
    {
        QByteArray &bytes = w.batch.bytes;
        if (w.batch.items.isEmpty())
            w.since = Clock::now();
        FoundItem item;
        item.pathAt = quint32(bytes.size());
        bytes += e.folder;
        if (!e.folder.endsWith('/'))
            bytes += '/';
        item.nameAt = quint32(bytes.size()) - item.pathAt;
        bytes.append(e.name, qsizetype(e.length));
        item.pathLength = quint32(bytes.size()) - item.pathAt;
        item.mode = st.st_mode;
        item.size = st.st_size;
        item.mtime = st.st_mtim.tv_sec;
        w.batch.items.append(item);
        ++w.count;
    }

    void hand(Worker &w)
    {
        if (w.batch.items.isEmpty())
            return;
        task_.post([search = search_, batch = std::exchange(w.batch, {})]() mutable {
            emit search->found(batch);
        });
    }

    const FindQuery &query_;
    const NameMatcher names_;
    std::optional<TextMatcher> text_;
    BackgroundTask &task_;
    FileSearch *search_;
    const std::atomic<bool> &stop_;
    std::vector<Worker> workers_;
};

} // namespace

FileSearch::FileSearch(QObject *parent) : QObject(parent) {}

FileSearch::~FileSearch() = default;

NamePattern FileSearch::namePattern(const QString &names)
{
    return NamePattern(nameParts(names).join(QLatin1Char(';')));
}

void FileSearch::start(const FindQuery &query)
{
    task_.start(this, [this, query](BackgroundTask &task, const std::atomic<bool> &stop) {
        SearchRun run(query, task, this, stop);
        qint64 unreadable = 0;
        const qint64 count = run.run(&unreadable);
        const bool stopped = stop.load();
        task.post([this, count, unreadable, stopped] {
            task_.finished();
            emit finished(count, unreadable, stopped);
        });
    });
}

void FileSearch::stop()
{
    task_.stop();
}

} // namespace tarnwick
