#include "undojournal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

namespace {

constexpr char FileName[] = "history";

// Lines are checked with FNV-1a: enough to tell a torn or edited line.
QByteArray checksum(const QByteArray &body)
{
    quint64 h = 1469598103934665603ULL;
    for (const char c : body) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return QByteArray::number(h, 16);
}

QByteArray sealed(const QByteArray &body)
{
    return body + ' ' + checksum(body) + '\n';
}

bool writeAll(int fd, const QByteArray &data)
{
    qsizetype off = 0;
    while (off < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + off, size_t(data.size() - off));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        off += n;
    }
    return true;
}

std::optional<UndoItem> parseItem(const QByteArray &field)
{
    const QList<QByteArray> p = field.split(',');
    if (p.size() != 7)
        return std::nullopt;
    const auto from = QByteArray::fromBase64Encoding(p[0], QByteArray::AbortOnBase64DecodingErrors);
    const auto to = QByteArray::fromBase64Encoding(p[1], QByteArray::AbortOnBase64DecodingErrors);
    if (!from || !to)
        return std::nullopt;
    UndoItem item{*from, *to};
    bool ok[5];
    item.dev = p[2].toULongLong(&ok[0]);
    item.ino = p[3].toULongLong(&ok[1]);
    item.size = p[4].toLongLong(&ok[2]);
    item.mtime = p[5].toLongLong(&ok[3]);
    item.mode = p[6].toUInt(&ok[4], 8);
    for (bool b : ok)
        if (!b)
            return std::nullopt;
    return item;
}

// "count items", the items a field each, ';' between.
QByteArray encodeItems(const QList<UndoItem> &items)
{
    QByteArray body = QByteArray::number(items.size()) + ' ';
    for (qsizetype i = 0; i < items.size(); ++i) {
        const UndoItem &it = items[i];
        if (i)
            body += ';';
        body += it.from.toBase64() + ',' + it.to.toBase64() + ',' + QByteArray::number(it.dev) +
                ',' + QByteArray::number(it.ino) + ',' + QByteArray::number(it.size) + ',' +
                QByteArray::number(it.mtime) + ',' + QByteArray::number(it.mode, 8);
    }
    if (items.isEmpty())
        body += '-';
    return body;
}

std::optional<QList<UndoItem>> parseItems(const QByteArray &countField, const QByteArray &field)
{
    bool ok = false;
    const int count = countField.toInt(&ok);
    if (!ok || count < 0)
        return std::nullopt;
    QList<UndoItem> items;
    if (count == 0)
        return field == "-" ? std::optional(items) : std::nullopt;
    for (const QByteArray &one : field.split(';')) {
        const auto item = parseItem(one);
        if (!item)
            return std::nullopt;
        items.append(*item);
    }
    return items.size() == count ? std::optional(items) : std::nullopt;
}

} // namespace

UndoJournal::UndoJournal(QString folder) : folder_(std::move(folder))
{
    if (folder_.isEmpty()) {
        QString state = qEnvironmentVariable("XDG_STATE_HOME");
        if (!state.startsWith(u'/')) // a relative value is ignored, as the layout asks
            state = QDir::homePath() + QStringLiteral("/.local/state");
        folder_ = state + QStringLiteral("/tarnwick");
    }
}

namespace {
// Set once at start, before any job runs.
std::optional<QString> sharedFolder;
} // namespace

void UndoJournal::keepShared(QString folder)
{
    sharedFolder = UndoJournal(std::move(folder)).folder_;
}

std::optional<UndoJournal> UndoJournal::shared()
{
    return sharedFolder ? std::optional(UndoJournal(*sharedFolder)) : std::nullopt;
}

QString UndoJournal::path() const
{
    return folder_ + u'/' + QLatin1String(FileName);
}

QByteArray UndoJournal::encode(const UndoRecord &r)
{
    return sealed("R " + QByteArray::number(r.id) + ' ' + QByteArray::number(r.when) + ' ' +
                  QByteArray::number(r.kind) + ' ' + encodeItems(r.items));
}

QByteArray UndoJournal::encodeState(quint64 id, bool undone, const QList<UndoItem> *items)
{
    QByteArray body = "S " + QByteArray::number(id) + ' ' + (undone ? '1' : '0');
    if (items)
        body += ' ' + encodeItems(*items);
    return sealed(body);
}

// The journal locked; reopened when another window replaced the file while
// this one waited, so nothing is written to a file no longer read.
int UndoJournal::openLocked(int lockKind)
{
    const QByteArray dir = QFile::encodeName(folder_);
    if (!QDir().mkpath(folder_)) {
        error_ = QStringLiteral("%1: cannot be created").arg(folder_);
        return -1;
    }
    ::chmod(dir.constData(), 0700);
    const QByteArray file = QFile::encodeName(path());
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int fd =
            ::open(file.constData(),
                   O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) {
            error_ = QStringLiteral("%1: %2").arg(path(), QString::fromLocal8Bit(strerror(errno)));
            return -1;
        }
        struct stat st
        {
        };
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            error_ = QStringLiteral("%1: not a regular file").arg(path());
            return -1;
        }
        if (::flock(fd, lockKind) != 0) {
            ::close(fd);
            error_ = QStringLiteral("%1: cannot be locked").arg(path());
            return -1;
        }
        struct stat now
        {
        };
        if (::lstat(file.constData(), &now) == 0 && now.st_ino == st.st_ino &&
            now.st_dev == st.st_dev)
            return fd;
        ::close(fd);
    }
    error_ = QStringLiteral("%1: keeps being replaced").arg(path());
    return -1;
}

QByteArray UndoJournal::readAll(int fd)
{
    QByteArray text;
    char buf[65536];
    ::lseek(fd, 0, SEEK_SET);
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text.append(buf, n);
    }
    return text;
}

QList<UndoRecord> UndoJournal::parse(const QByteArray &text)
{
    damaged_ = 0;
    QList<UndoRecord> records;
    QHash<quint64, qsizetype> at;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) { // a torn last line: the writer died mid-write
            ++damaged_;
            break;
        }
        const QByteArray line = text.mid(start, end - start);
        start = end + 1;
        const qsizetype cut = line.lastIndexOf(' ');
        if (cut <= 0 || checksum(line.left(cut)) != line.mid(cut + 1)) {
            ++damaged_;
            continue;
        }
        const QList<QByteArray> f = line.left(cut).split(' ');
        bool ok = false;
        if ((f.size() == 3 || f.size() == 5) && f[0] == "S") {
            const quint64 id = f[1].toULongLong(&ok);
            const auto items = f.size() == 5 ? parseItems(f[3], f[4]) : std::nullopt;
            if (ok && at.contains(id) && (f.size() == 3 || items)) {
                records[at[id]].undone = f[2] == "1";
                records[at[id]].changedAt = start;
                records[at[id]].busy = !items;
                if (items)
                    records[at[id]].items = *items;
            } else {
                ++damaged_;
            }
            continue;
        }
        if (f.size() != 6 || f[0] != "R") {
            ++damaged_;
            continue;
        }
        UndoRecord r;
        bool okWhen = false, okKind = false;
        r.id = f[1].toULongLong(&ok);
        r.when = f[2].toLongLong(&okWhen);
        r.kind = f[3].toInt(&okKind);
        const auto items = parseItems(f[4], f[5]);
        const bool good = ok && okWhen && okKind && items && !at.contains(r.id);
        if (good)
            r.items = *items;
        r.changedAt = start;
        if (!good) {
            ++damaged_;
            continue;
        }
        at.insert(r.id, records.size());
        records.append(r);
    }
    if (records.size() > Keep)
        records = records.mid(records.size() - Keep);
    return records;
}

QList<UndoRecord> UndoJournal::load()
{
    const int fd = openLocked(LOCK_SH);
    if (fd < 0)
        return {};
    const QList<UndoRecord> records = parse(readAll(fd));
    ::close(fd);
    return records;
}

// Rewrites the kept operations to a new file that replaces the old one, so
// the journal never grows past a bound.
bool UndoJournal::compact(int fd, const QList<UndoRecord> &records)
{
    const QByteArray file = QFile::encodeName(path());
    const QByteArray temp = file + ".new";
    ::unlink(temp.constData());
    const int out =
        ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (out < 0)
        return false;
    QByteArray text;
    for (const UndoRecord &r : records) {
        text += encode(r);
        if (r.undone || r.busy)
            text += encodeState(r.id, r.undone, r.busy ? nullptr : &r.items);
    }
    const bool ok = writeAll(out, text) && ::fsync(out) == 0;
    ::close(out);
    if (!ok || ::rename(temp.constData(), file.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    Q_UNUSED(fd);
    return true;
}

bool UndoJournal::append(UndoRecord &record)
{
    error_.clear();
    const int fd = openLocked(LOCK_EX);
    if (fd < 0)
        return false;
    const QByteArray text = readAll(fd);
    // Only the ids are read here, not every item of every operation: an
    // operation of many thousand items is appended on the window's thread.
    // Ids taken from a damaged line are merely never used.
    if (record.id == 0) {
        quint64 next = 1;
        for (qsizetype at = 0; at < text.size();) {
            qsizetype end = text.indexOf('\n', at);
            if (end < 0)
                end = text.size();
            if (text.at(at) == 'R' && end - at > 2 && text.at(at + 1) == ' ') {
                const qsizetype space = text.indexOf(' ', at + 2);
                const qsizetype idEnd = space < 0 || space > end ? end : space;
                bool ok = false;
                const quint64 id =
                    QByteArrayView(text).sliced(at + 2, idEnd - at - 2).toULongLong(&ok);
                if (ok)
                    next = std::max(next, id + 1);
            }
            at = end + 1;
        }
        record.id = next;
    }
    if (record.when == 0)
        record.when = QDateTime::currentSecsSinceEpoch();
    // A torn tail gets its own line ended, so the new record is not glued to it.
    QByteArray line = encode(record);
    if (!text.isEmpty() && !text.endsWith('\n'))
        line.prepend('\n');
    bool ok = writeAll(fd, line);
    if (!ok) {
        error_ = QStringLiteral("%1: %2").arg(path(), QString::fromLocal8Bit(strerror(errno)));
        // A half-written line is taken back, so the next record starts clean.
        [[maybe_unused]] const int undoneTail = ::ftruncate(fd, off_t(text.size()));
    } else if (text.count('\n') + 1 > 2 * Keep) {
        QList<UndoRecord> records = parse(text);
        records.append(record);
        if (records.size() > Keep)
            records = records.mid(records.size() - Keep);
        compact(fd, records);
    }
    ::close(fd);
    return ok;
}

bool UndoJournal::claim(quint64 id, bool fromUndone)
{
    error_.clear();
    const int fd = openLocked(LOCK_EX);
    if (fd < 0)
        return false;
    bool ok = false;
    for (const UndoRecord &r : parse(readAll(fd)))
        if (r.id == id && r.undone == fromUndone && !r.busy)
            ok = true;
    if (ok && !writeAll(fd, encodeState(id, !fromUndone))) {
        error_ = QStringLiteral("%1: %2").arg(path(), QString::fromLocal8Bit(strerror(errno)));
        ok = false;
    }
    ::close(fd);
    return ok;
}

bool UndoJournal::settle(quint64 id, bool undone, const QList<UndoItem> &items)
{
    error_.clear();
    const int fd = openLocked(LOCK_EX);
    if (fd < 0)
        return false;
    const bool ok = writeAll(fd, encodeState(id, undone, &items));
    if (!ok)
        error_ = QStringLiteral("%1: %2").arg(path(), QString::fromLocal8Bit(strerror(errno)));
    ::close(fd);
    return ok;
}

} // namespace tarnwick
