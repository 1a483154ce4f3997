

#include "rawpaths.h"
#include <QList>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarnwick::rawpath {

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray baseName(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray join(const QByteArray &dir, const QByteArray &name)
{
    return dir.endsWith('/') ? dir + name : dir + '/' + name;
}

QByteArray canonical(const QByteArray &path)
{
    char *real = realpath(path.constData(), nullptr);
    if (!real)
        return {};
    QByteArray out(real);
    free(real);
    return out;
}

bool exists(const QByteArray &path)
{
    struct stat st;
    return lstat(path.constData(), &st) == 0;
}

bool isDir(const QByteArray &path)
{
    struct stat st;
    return stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QByteArray cleanPath(const QByteArray &path)
{
    QList<QByteArray> kept;
    for (const QByteArray &part : path.split('/')) {
        if (part == "..") {
            if (!kept.isEmpty())
                kept.removeLast();
        } else if (!part.isEmpty() && part != ".") {
            kept.append(part);
        }
    }
    return '/' + kept.join('/');
}

bool isAtOrUnder(const QByteArray &path, const QByteArray &top)
{
    return top == "/" || path == top || (path.startsWith(top) && path[top.size()] == '/');
}

qsizetype extensionStart(const QByteArray &name)
{
    const qsizetype dot = name.lastIndexOf('.');
    return dot > 0 ? dot : name.size();
}

QByteArray fitName(const QByteArray &stem, const QByteArray &tail, qsizetype limit)
{
    qsizetype keep = std::clamp<qsizetype>(limit - tail.size(), 0, stem.size());
    if (keep < stem.size() && QString::fromUtf8(stem).toUtf8() == stem) {
        while (keep > 0 && (uchar(stem[keep]) & 0xC0) == 0x80)
            --keep;
    }
    return stem.left(keep) + tail;
}

bool makeFolders(const QByteArray &dir)
{
    for (qsizetype i = 1; i <= dir.size(); ++i) {
        if (i < dir.size() && dir[i] != '/')
            continue;
        if (mkdir(dir.left(i).constData(), 0777) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st;
    return stat(dir.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// rename(2) silently replaces an entry of the same name; RENAME_NOREPLACE
// makes the check and the move one step. File systems without it get the
// check just before the move.
int moveNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (exists(to))
        return EEXIST;
    return rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

QByteArray readSmallFile(const QByteArray &path, qint64 maxSize)
{
    const int fd = open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st;
    QByteArray bytes;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxSize) {
        bytes.resize(qsizetype(st.st_size));
        const ssize_t n = read(fd, bytes.data(), size_t(bytes.size()));
        bytes.resize(n < 0 ? 0 : qsizetype(n));
    }
    close(fd);
    return bytes;
}

} // namespace tarnwick::rawpath

namespace tarnwick::rawpath {
namespace {

constexpr char16_t EscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence at `p`, or 0 when it is not one
// (overlong forms, encoded surrogates and values past U+10FFFF included).
int validSequence(const unsigned char *p, const unsigned char *end)
{
    const unsigned char c = p[0];
    if (c < 0x80)
        return 1;
    int len;
    char32_t min;
    char32_t v;
    if ((c & 0xE0) == 0xC0) {
        len = 2, min = 0x80, v = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, min = 0x800, v = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, min = 0x10000, v = c & 0x07;
    } else {
        return 0;
    }
    if (end - p < len)
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        v = (v << 6) | (p[i] & 0x3F);
    }
    if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

QString toText(const QByteArray &bytes)
{
    const auto *begin = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = begin + bytes.size();
    const unsigned char *p = begin;
    while (p < end) {
        const int n = validSequence(p, end);
        if (n == 0)
            break;
        p += n;
    }
    if (p == end)
        return QString::fromUtf8(bytes);

    QString out = QString::fromUtf8(bytes.constData(), p - begin);
    while (p < end) {
        const unsigned char *run = p;
        int n;
        while (p < end && (n = validSequence(p, end)) > 0)
            p += n;
        if (p > run)
            out += QString::fromUtf8(reinterpret_cast<const char *>(run), p - run);
        if (p < end)
            out += QChar(char16_t(EscapeBase | *p++));
    }
    return out;
}

QByteArray toBytes(const QString &text)
{
    bool escaped = false;
    for (const QChar c : text) {
        if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) {
            escaped = true;
            break;
        }
    }
    if (!escaped)
        return text.toUtf8();

    QByteArray out;
    out.reserve(text.size() * 2);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        const bool pairStart = QChar::isHighSurrogate(c) && i + 1 < n &&
                               QChar::isLowSurrogate(text.at(i + 1).unicode());
        if (pairStart) {
            out += text.mid(i, 2).toUtf8();
            ++i;
        } else if (c >= 0xDC80 && c <= 0xDCFF) {
            out += char(c & 0xFF);
        } else {
            out += QString(QChar(c)).toUtf8();
        }
    }
    return out;
}

QString shown(const QByteArray &path)
{
    return shown(toText(path));
}

QString shown(const QString &text)
{
    QString out = text;
    const qsizetype n = out.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            ++i; // a proper pair
        else if (c.isSurrogate())
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}

QString visible(const QString &text)
{
    // Asked at every paint of a name: most names have nothing to change and
    // are handed back as they are, without a copy.
    const auto isControl = [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; };
    if (std::none_of(text.begin(), text.end(),
                     [&](QChar c) { return isControl(c) || c.isSurrogate(); }))
        return text;
    const QString in = shown(text);
    QString out;
    out.reserve(in.size() + 8);
    for (const QChar c : in) {
        const char16_t u = c.unicode();
        if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u == '\r')
            out += QLatin1String("\\r");
        else if (isControl(c))
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace tarnwick::rawpath
