#include "thumbnailcache.h"

#include "fdwalk.h"
#include "mounts.h"
#include "rawpaths.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// GLib names struct members "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace tarnwick {
namespace thumbcache {
namespace {

const char *folderOf(Bucket bucket)
{
    switch (bucket) {
    case Bucket::Normal:
        return "normal";
    case Bucket::Large:
        return "large";
    case Bucket::XLarge:
        return "x-large";
    case Bucket::XXLarge:
        return "xx-large";
    }
    return "normal";
}

QByteArray md5Name(const QByteArray &uri)
{
    return QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
}

// Opens (making it 0700 when missing) each folder of `relative` below the
// open folder `fd`, which it takes over; the last one's descriptor, or -1.
int openMaking(int fd, const QByteArray &relative)
{
    for (const QByteArray &part : relative.split('/')) {
        if (part.isEmpty())
            continue;
        if (::mkdirat(fd, part.constData(), 0700) != 0 && errno != EEXIST) {
            const int e = errno;
            ::close(fd);
            errno = e;
            return -1;
        }
        const int next =
            ::openat(fd, part.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int e = errno;
        ::close(fd);
        if (next < 0) {
            errno = e;
            return -1;
        }
        fd = next;
    }
    return fd;
}

} // namespace

int sideOf(Bucket bucket)
{
    return 128 << int(bucket);
}

Bucket bucketFor(int pixels)
{
    for (Bucket b : {Bucket::Normal, Bucket::Large, Bucket::XLarge})
        if (pixels <= sideOf(b))
            return b;
    return Bucket::XXLarge;
}

QByteArray root()
{
    QByteArray base = qgetenv("XDG_CACHE_HOME");
    if (!base.startsWith('/'))
        base = qgetenv("HOME") + "/.cache";
    return rawpath::cleanPath(base + "/thumbnails");
}

bool isInside(const QByteArray &path)
{
    const QByteArray top = root();
    return path == top || path.startsWith(top + '/');
}

QByteArray uriOf(const QByteArray &path)
{
    std::unique_ptr<char, decltype(&g_free)> uri(
        g_filename_to_uri(path.constData(), nullptr, nullptr), g_free);
    return uri ? QByteArray(uri.get()) : QByteArray();
}

QByteArray pathFor(const QByteArray &uri, Bucket bucket)
{
    return root() + '/' + folderOf(bucket) + '/' + md5Name(uri);
}

QByteArray failurePathFor(const QByteArray &uri)
{
    return root() + "/fail/tarnwick/" + md5Name(uri);
}

int store(const QByteArray &path, const QByteArray &bytes)
{
    const QByteArray folder = rawpath::parentOf(path);
    const QByteArray top = rawpath::parentOf(root());
    if (!folder.startsWith(top + '/'))
        return EINVAL;
    // The folders above the cache's own are the user's; only ours are made.
    int topFd = ::open(top.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (topFd < 0) {
        if (errno != ENOENT || (::mkdir(top.constData(), 0700) != 0 && errno != EEXIST))
            return errno;
        topFd = ::open(top.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (topFd < 0)
            return errno;
    }
    const int fd = openMaking(topFd, folder.mid(top.size() + 1));
    if (fd < 0)
        return errno;
    const QByteArray name = rawpath::baseName(path);
    const QByteArray part =
        ".tarnwick-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".part";
    int error = 0;
    const int out =
        ::openat(fd, part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (out < 0) {
        error = errno;
    } else {
        for (qsizetype at = 0; at < bytes.size() && error == 0;) {
            const ssize_t n = ::write(out, bytes.constData() + at, size_t(bytes.size() - at));
            if (n < 0 && errno != EINTR)
                error = errno;
            else if (n > 0)
                at += n;
        }
        if (const int closed = checked::closeFd(out); error == 0)
            error = closed;
        if (error == 0 && ::renameat(fd, part.constData(), fd, name.constData()) != 0)
            error = errno;
        if (error != 0)
            ::unlinkat(fd, part.constData(), 0);
    }
    ::close(fd);
    return error;
}

bool onNetwork(const QByteArray &path)
{
    // The mount table says so without asking the file system, which on a
    // dead server would not answer.
    const QList<Volume> mounts =
        parseMountInfo(rawpath::readSmallFile("/proc/self/mountinfo", 4 << 20));
    const QString text = rawpath::toText(path);
    const Volume *best = nullptr;
    for (const Volume &v : mounts) {
        const QString &top = v.mountPoint;
        const bool holds =
            top == QLatin1String("/") || text == top || text.startsWith(top + QLatin1Char('/'));
        if (holds && (!best || top.size() >= best->mountPoint.size()))
            best = &v;
    }
    return best && best->network;
}

} // namespace thumbcache

namespace {

// Runs in the child between fork and exec: only calls safe there.
void limitChild(gpointer)
{
    const rlimit cpu{Thumbnailers::CpuSeconds, Thumbnailers::CpuSeconds + 1};
    const rlimit memory{rlim_t(Thumbnailers::MemoryBytes), rlim_t(Thumbnailers::MemoryBytes)};
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CPU, &cpu);
    ::setrlimit(RLIMIT_AS, &memory);
    ::setrlimit(RLIMIT_CORE, &noCore);
    // A group of its own, so that what it starts goes with it.
    ::setpgid(0, 0);
}

// The command line of `exec` with its fields filled in; empty when it does
// not parse.
std::vector<QByteArray> commandLine(const QByteArray &exec, const QByteArray &input,
                                    const QByteArray &output, int side)
{
    gint argc = 0;
    gchar **argv = nullptr;
    if (!g_shell_parse_argv(exec.constData(), &argc, &argv, nullptr))
        return {};
    std::vector<QByteArray> words;
    for (gint i = 0; i < argc; ++i) {
        const QByteArray word = argv[i];
        QByteArray filled;
        for (qsizetype k = 0; k < word.size(); ++k) {
            if (word[k] != '%' || k + 1 == word.size()) {
                filled += word[k];
                continue;
            }
            switch (word[++k]) {
            case 'i':
                filled += input;
                break;
            case 'u':
                filled += thumbcache::uriOf(input);
                break;
            case 'o':
                filled += output;
                break;
            case 's':
                filled += QByteArray::number(side);
                break;
            case '%':
                filled += '%';
                break;
            default:
                break; // fields this standard does not have are dropped
            }
        }
        words.push_back(filled);
    }
    g_strfreev(argv);
    return words;
}

} // namespace

Thumbnailers::Thumbnailers(const QList<QByteArray> &dataDirs)
{
    for (const QByteArray &dir : dataDirs) {
        const QByteArray folder = dir + "/thumbnailers";
        GDir *listing = g_dir_open(folder.constData(), 0, nullptr);
        if (!listing)
            continue;
        std::vector<QByteArray> names;
        while (const gchar *name = g_dir_read_name(listing))
            if (g_str_has_suffix(name, ".thumbnailer"))
                names.emplace_back(name);
        g_dir_close(listing);
        std::sort(names.begin(), names.end());
        for (const QByteArray &name : names) {
            GKeyFile *file = g_key_file_new();
            const QByteArray path = folder + '/' + name;
            const char *group = "Thumbnailer Entry";
            if (g_key_file_load_from_file(file, path.constData(), G_KEY_FILE_NONE, nullptr)) {
                gchar *exec = g_key_file_get_string(file, group, "Exec", nullptr);
                gchar *tryExec = g_key_file_get_string(file, group, "TryExec", nullptr);
                gsize count = 0;
                gchar **types =
                    g_key_file_get_string_list(file, group, "MimeType", &count, nullptr);
                gint argc = 0;
                gchar **argv = nullptr;
                if (exec && types && g_shell_parse_argv(exec, &argc, &argv, nullptr)) {
                    gchar *found = g_find_program_in_path(tryExec ? tryExec : argv[0]);
                    if (found) {
                        Thumbnailer t;
                        t.exec = exec;
                        t.program = found;
                        for (gsize i = 0; i < count; ++i)
                            t.mimeTypes.append(QString::fromUtf8(types[i]));
                        list_.push_back(std::move(t));
                    }
                    g_free(found);
                    g_strfreev(argv);
                }
                g_strfreev(types);
                g_free(tryExec);
                g_free(exec);
            }
            g_key_file_free(file);
        }
    }
}

const Thumbnailers &Thumbnailers::installed()
{
    static const Thumbnailers all = [] {
        QList<QByteArray> dirs;
        dirs.append(QByteArray(g_get_user_data_dir()));
        for (const gchar *const *d = g_get_system_data_dirs(); *d; ++d)
            dirs.append(QByteArray(*d));
        return Thumbnailers(dirs);
    }();
    return all;
}

const Thumbnailer *Thumbnailers::forType(const QString &mimeType) const
{
    for (const Thumbnailer &t : list_)
        if (t.mimeTypes.contains(mimeType))
            return &t;
    return nullptr;
}

QStringList Thumbnailers::types() const
{
    QStringList all;
    for (const Thumbnailer &t : list_)
        all += t.mimeTypes;
    return all;
}

QByteArray Thumbnailers::run(const Thumbnailer &t, const QByteArray &path, int side,
                             const std::atomic<bool> &stop)
{
    // The picture goes to a folder only we may enter.
    gchar *made = g_dir_make_tmp("tarnwick-thumb-XXXXXX", nullptr);
    if (!made)
        return {};
    const QByteArray folder = made;
    g_free(made);
    const QByteArray output = folder + "/out.png";
    std::vector<QByteArray> words = commandLine(t.exec, path, output, side);
    QByteArray picture;
    if (!words.empty()) {
        words[0] = t.program;
        std::vector<char *> argv;
        for (QByteArray &w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        GPid pid = 0;
        const auto flags = GSpawnFlags(G_SPAWN_DO_NOT_REAP_CHILD | G_SPAWN_STDOUT_TO_DEV_NULL |
                                       G_SPAWN_STDERR_TO_DEV_NULL | G_SPAWN_STDIN_FROM_DEV_NULL);
        if (g_spawn_async(folder.constData(), argv.data(), nullptr, flags, limitChild, nullptr,
                          &pid, nullptr)) {
            using Clock = std::chrono::steady_clock;
            const auto deadline = Clock::now() + std::chrono::milliseconds(TimeoutMs);
            int status = 0;
            pid_t ended = 0;
            while ((ended = ::waitpid(pid, &status, WNOHANG)) == 0) {
                if (stop.load() || Clock::now() > deadline) {
                    ::kill(-pid, SIGKILL);
                    ::kill(pid, SIGKILL);
                    ::waitpid(pid, &status, 0);
                    ended = -1;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            if (ended == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0)
                picture = rawpath::readSmallFile(output, MaxOutputBytes);
        }
    }
    // Whatever else it left there goes too, its links not followed.
    if (const int parent =
            ::open(rawpath::parentOf(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        parent >= 0) {
        removeTree(parent, rawpath::baseName(folder).constData());
        ::close(parent);
    }
    return picture;
}

} // namespace tarnwick
