#include "contentslisting.h"

#include "fdwalk.h"

#include "fileentry.h"
#include "rawpaths.h"

#include <QDate>
#include <QRandomGenerator>
#include <QTime>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick::listing {

namespace {

// A marked folder's path gets 83 spaces before it is cut, anything else 81;
// the field is full either way.
constexpr Marker PlainFolder{";;;", 30, 83};

// Whether a time format shows seconds, outside its quoted text.
bool showsSeconds(const QString &format)
{
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char('s'))
            return true;
    }
    return false;
}

// One open folder at a time: the items of a listing nearly always share it.
class FolderHandle
{
public:
    ~FolderHandle() { close(); }
    int open(const QByteArray &dir)
    {
        if (dir == dir_ && fd_ >= 0)
            return fd_;
        close();
        dir_ = dir;
        fd_ = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return fd_;
    }

private:
    void close()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }
    QByteArray dir_;
    int fd_ = -1;
};

// `path` with its control characters escaped as rawpath::visible() writes
// them; the stand-ins for bytes that are not UTF-8 stay, for the file to
// hold those bytes as on disk.
QString escaped(const QString &path)
{
    QString out;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !path[i].isSurrogate())
            continue;
        out += rawpath::visible(path.sliced(from, i - from));
        if (i < path.size())
            out += path[i];
        from = i + 1;
    }
    return out;
}

} // namespace

int cutPosition(const QString &folder)
{
    if (folder.isEmpty())
        return 0;
    if (folder.endsWith(QLatin1Char('/')))
        return int(folder.size()) + 1;
    return int(folder.size()) + 2;
}

Marker markerFor(std::uint32_t attributes)
{
    switch (attributes) {
    case 16:
        return PlainFolder;
    case 17:
    case 18:
        return {";;;", 32, 83};
    case 22:
        return {"|||", 32, 83};
    default:
        return {"", 30, 81};
    }
}

QString nameField(const QString &path, int cut, const Marker &marker)
{
    if (cut <= 0)
        return path + QString(marker.run, QLatin1Char(' '));
    // Counted in characters: a pair of surrogates is one, and so is each
    // stand-in for a byte that is not UTF-8.
    QString field;
    field.reserve(marker.width + 1);
    int count = 0;
    for (qsizetype i = cut - 1; i < path.size() && count < marker.width; ++count) {
        const bool pair =
            path[i].isHighSurrogate() && i + 1 < path.size() && path[i + 1].isLowSurrogate();
        field += path[i++];
        if (pair)
            field += path[i++];
    }
    // The run of spaces is longer than any width: the field is always full.
    field += QString(marker.width - count, QLatin1Char(' '));
    return field;
}

QString sizeText(qint64 bytes)
{
    const qint64 kib = bytes <= 0 ? 0 : (bytes - 1) / 1024 + 1;
    return QString::number(kib) + QLatin1String("kb");
}

TimeText::TimeText(const QLocale &locale)
    : locale_(locale), timeHasSeconds_(showsSeconds(locale.timeFormat(QLocale::ShortFormat)))
{
}

QString TimeText::operator()(qint64 secondsSinceEpoch)
{
    const time_t t = time_t(secondsSinceEpoch);
    struct tm tm;
    if (!localtime_r(&t, &tm))
        return {};
    const qint64 dayKey = qint64(tm.tm_year) * 512 + tm.tm_mon * 32 + tm.tm_mday;
    auto day = days_.find(dayKey);
    if (day == days_.end()) {
        day = days_.insert(dayKey,
                           locale_.toString(QDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday),
                                            QLocale::ShortFormat));
    }
    if (tm.tm_hour == 0 && tm.tm_min == 0 && tm.tm_sec == 0)
        return *day;
    const int second = timeHasSeconds_ ? tm.tm_sec : 0;
    const int timeKey = tm.tm_hour * 3600 + tm.tm_min * 60 + second;
    auto time = times_.find(timeKey);
    if (time == times_.end()) {
        time = times_.insert(
            timeKey, locale_.toString(QTime(tm.tm_hour, tm.tm_min, second), QLocale::ShortFormat));
    }
    return *day + QLatin1Char(' ') + *time;
}

Result build(const QString &folder, const QList<QString> &itemPaths, const QLocale &locale)
{
    Result result;
    const QString shownFolder = escaped(folder);
    const int cut = cutPosition(shownFolder);
    result.cutFailed = cut == 0;
    TimeText timeText(locale);
    FolderHandle handle;

    QStringList lines;
    lines.reserve(itemPaths.size() + 2);
    lines << QLatin1String("Contents of '") + shownFolder + QLatin1Char('\'')
          << QStringLiteral(" ");

    for (const QString &path : itemPaths) {
        const QByteArray bytes = rawpath::toBytes(path);
        const qsizetype slash = bytes.lastIndexOf('/');
        const QByteArray dir = slash > 0 ? bytes.left(slash) : QByteArrayLiteral("/");
        const QByteArray base = slash >= 0 ? bytes.mid(slash + 1) : bytes;
        // "/" has no name in a folder: it is read by its whole path.
        const int fd = base.isEmpty() ? -1 : handle.open(dir);
        const int at = fd >= 0 ? fd : AT_FDCWD;
        const char *name = fd >= 0 ? base.constData() : bytes.constData();

        // What the item is decides the marker; what it leads to gives the
        // length and the time, as for any program that opens it.
        struct stat own, target;
        const bool known = !bytes.isEmpty() && fstatat(at, name, &own, AT_SYMLINK_NOFOLLOW) == 0;
        bool readable = known;
        if (known) {
            target = own;
            if (S_ISLNK(own.st_mode))
                readable = fstatat(at, name, &target, 0) == 0;
        }
        const Marker marker = known
                                  ? markerFor(attributesOf(own, readable && S_ISDIR(target.st_mode),
                                                           base.isEmpty() ? "" : base.constData()))
                                  : PlainFolder;
        if (!readable) {
            ++result.skipped;
            continue;
        }
        if (*marker.text)
            result.markedLines << int(lines.size());
        lines << QLatin1String(marker.text) + nameField(escaped(path), cut, marker) +
                     sizeText(target.st_size) + timeText(target.st_mtim.tv_sec);
        ++result.items;
    }

    QByteArray file;
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size() + 2;
    file.reserve(total + total / 8);
    for (const QString &line : lines) {
        file += rawpath::toBytes(line);
        file += "\r\n";
    }
    result.file = std::move(file);
    result.text = rawpath::shown(lines.join(QLatin1Char('\n')));
    return result;
}

int replaceFile(const QByteArray &dir, const QByteArray &name, const QByteArray &bytes)
{
    const int dirFd =
        ::open(dir.isEmpty() ? "." : dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return errno;
    const auto fail = [dirFd](int error, const QByteArray &temporary = {}) {
        if (!temporary.isEmpty())
            unlinkat(dirFd, temporary.constData(), 0);
        ::close(dirFd);
        return error;
    };

    struct stat old;
    const bool existed = fstatat(dirFd, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (existed && S_ISDIR(old.st_mode))
        return fail(EISDIR);

    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Private while it fills when it replaces a file: nobody may open
        // it early and read what a private file was to hold.
        fd = openat(dirFd, temporary.constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, existed ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            return fail(errno);
    }
    if (fd < 0)
        return fail(EEXIST);
    // A regular file there keeps its permissions.
    if (const int err =
            existed && S_ISREG(old.st_mode) ? checked::setMode(fd, old.st_mode & 07777) : 0;
        err != 0) {
        ::close(fd);
        return fail(err, temporary);
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return fail(error, temporary);
        }
        done += n;
    }
    if (const int err = checked::closeFd(fd); err != 0)
        return fail(err, temporary);
    if (renameat(dirFd, temporary.constData(), dirFd, name.constData()) != 0)
        return fail(errno, temporary);
    ::close(dirFd);
    return 0;
}

} // namespace tarnwick::listing
