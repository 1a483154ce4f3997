/* Makes one folder behave like a dead network mount, for the tests: loaded
 * with LD_PRELOAD, it holds every call that opens, reads or looks up a path
 * inside that folder until the test lets go. The test names the folder and
 * what hangs through the functions at the bottom, found with dlsym. */
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <stdarg.h>
#include <stdatomic.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

static char deadPath[PATH_MAX];
static atomic_int armed;      /* a folder is named */
static atomic_int lookupsHang; /* stat and access hang too, not only opening */
static atomic_int released;
static atomic_int held;       /* calls being held now */

/* The path `path` names, relative to `dirFd` where it is relative. */
static int resolve(int dirFd, const char *path, char *out)
{
    if (!path)
        return 0;
    if (path[0] == '/') {
        if (strlen(path) >= PATH_MAX)
            return 0;
        strcpy(out, path);
        return 1;
    }
    char base[PATH_MAX];
    ssize_t n;
    if (dirFd == AT_FDCWD) {
        if (!getcwd(base, sizeof base))
            return 0;
        n = (ssize_t)strlen(base);
    } else {
        char link[64];
        snprintf(link, sizeof link, "/proc/self/fd/%d", dirFd);
        n = readlink(link, base, sizeof base - 1);
        if (n < 0)
            return 0;
        base[n] = 0;
    }
    const size_t baseLength = strlen(base), pathLength = strlen(path);
    if (baseLength + 1 + pathLength >= PATH_MAX)
        return 0;
    memcpy(out, base, baseLength);
    out[baseLength] = '/';
    memcpy(out + baseLength + 1, path, pathLength + 1);
    return 1;
}

static void holdIfDead(int dirFd, const char *path, int isLookup)
{
    if (!atomic_load(&armed) || atomic_load(&released))
        return;
    if (isLookup && !atomic_load(&lookupsHang))
        return;
    char full[PATH_MAX];
    if (!resolve(dirFd, path, full))
        return;
    const size_t len = strlen(deadPath);
    if (strncmp(full, deadPath, len) != 0 || (full[len] != 0 && full[len] != '/'))
        return;
    atomic_fetch_add(&held, 1);
    /* Twenty seconds at most, so a window that froze fails its test
     * instead of hanging it. */
    const struct timespec step = {0, 5 * 1000 * 1000};
    for (int i = 0; i < 4000 && !atomic_load(&released); ++i)
        nanosleep(&step, NULL);
    atomic_fetch_sub(&held, 1);
}

/* The next definition of `name` (the C library's), through a union, as ISO C
 * has no cast from the object pointer dlsym gives to a function pointer. */
#define REAL(name)                                                                                \
    (((union {                                                                                     \
         void *object;                                                                             \
         __typeof__(&name) function;                                                               \
     }){.object = dlsym(RTLD_NEXT, #name)})                                                        \
         .function)

int open(const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    holdIfDead(AT_FDCWD, path, 0);
    return REAL(open)(path, flags, mode);
}

int open64(const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    holdIfDead(AT_FDCWD, path, 0);
    return REAL(open64)(path, flags, mode);
}

int openat(int dirFd, const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    holdIfDead(dirFd, path, 0);
    return REAL(openat)(dirFd, path, flags, mode);
}

int openat64(int dirFd, const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    holdIfDead(dirFd, path, 0);
    return REAL(openat64)(dirFd, path, flags, mode);
}

DIR *opendir(const char *path)
{
    holdIfDead(AT_FDCWD, path, 0);
    return REAL(opendir)(path);
}

int stat(const char *path, struct stat *st)
{
    holdIfDead(AT_FDCWD, path, 1);
    return REAL(stat)(path, st);
}

int lstat(const char *path, struct stat *st)
{
    holdIfDead(AT_FDCWD, path, 1);
    return REAL(lstat)(path, st);
}

int fstatat(int dirFd, const char *path, struct stat *st, int flags)
{
    holdIfDead(dirFd, path, 1);
    return REAL(fstatat)(dirFd, path, st, flags);
}

int statx(int dirFd, const char *path, int flags, unsigned mask, struct statx *st)
{
    holdIfDead(dirFd, path, 1);
    return REAL(statx)(dirFd, path, flags, mask, st);
}

int access(const char *path, int mode)
{
    holdIfDead(AT_FDCWD, path, 1);
    return REAL(access)(path, mode);
}

int faccessat(int dirFd, const char *path, int mode, int flags)
{
    holdIfDead(dirFd, path, 1);
    return REAL(faccessat)(dirFd, path, mode, flags);
}

/* For the test. */
void tarnwick_dead_mount(const char *path, int lookupsToo)
{
    snprintf(deadPath, sizeof deadPath, "%s", path);
    atomic_store(&lookupsHang, lookupsToo);
    atomic_store(&released, 0);
    atomic_store(&armed, 1);
}

void tarnwick_dead_mount_release(void)
{
    atomic_store(&released, 1);
    atomic_store(&armed, 0);
}

int tarnwick_dead_mount_held(void)
{
    return atomic_load(&held);
}
