#include "treewalk.h"

#include "rawpaths.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

namespace tarnwick {
namespace {

bool isKernelFileSystem(int fd)
{
    struct statfs fs;
    if (fstatfs(fd, &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case BPF_FS_MAGIC:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
        return true;
    default:
        return false;
    }
}

// A folder that went away or was replaced by something else between being
// listed and being opened is not one we failed to read.
bool merelyGone(int err)
{
    return err == ENOENT || err == ENOTDIR || err == ELOOP;
}

struct Pending
{
    QByteArray path;
    dev_t parentDevice = 0;
    bool top = false;
};

} // namespace

WalkResult walkFolder(const QByteArray &folder, bool recurse, const std::atomic<bool> &cancel,
                      const std::function<void(const WalkItem &)> &visit)
{
    WalkResult result;
    // Paths on a stack rather than open folders in recursion: a deep tree
    // cannot run out of file descriptors or stack.
    std::vector<Pending> pending{{folder, 0, true}};
    while (!pending.empty()) {
        if (cancel.load(std::memory_order_relaxed)) {
            result.cancelled = true;
            return result;
        }
        const Pending p = std::move(pending.back());
        pending.pop_back();
        const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (p.top ? 0 : O_NOFOLLOW);
        const int fd = open(p.path.constData(), flags);
        if (fd < 0) {
            if (p.top || !merelyGone(errno))
                ++result.unreadable;
            continue;
        }
        struct stat self;
        if (fstat(fd, &self) != 0 ||
            (!p.top && self.st_dev != p.parentDevice && isKernelFileSystem(fd))) {
            close(fd);
            continue;
        }
        DIR *dir = fdopendir(fd);
        if (!dir) {
            close(fd);
            ++result.unreadable;
            continue;
        }
        for (;;) {
            errno = 0;
            const dirent *d = readdir(dir);
            if (!d) {
                if (errno != 0)
                    ++result.unreadable;
                break;
            }
            const char *name = d->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            if (cancel.load(std::memory_order_relaxed)) {
                closedir(dir);
                result.cancelled = true;
                return result;
            }
            struct stat st;
            if (fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // removed while we were reading
            visit(WalkItem{fd, p.path, name, st});
            if (recurse && S_ISDIR(st.st_mode))
                pending.push_back({rawpath::join(p.path, name), self.st_dev, false});
        }
        closedir(dir);
    }
    return result;
}

} // namespace tarnwick
