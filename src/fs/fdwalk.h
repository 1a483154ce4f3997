#pragma once

#include <QByteArray>
#include <atomic>
#include <sys/types.h>
#include <vector>

// Changes made through file descriptors. Another user who may rename entries
// in a folder (a shared folder, /tmp) can swap anything in it for a link at
// any moment, so nothing here hands a path to a call that follows links:
// each entry is opened relative to its folder's descriptor with O_NOFOLLOW,
// and changed through what was opened.
namespace tarnwick {

// The calls whose failure means that data is not where the caller thinks it
// is. Each gives 0 or an errno, and the compiler insists that it is read.
namespace checked {
[[nodiscard]] int syncFile(int fd);
[[nodiscard]] int syncVolume(int fd);
// Linux frees the descriptor even when close fails, so it is never retried.
[[nodiscard]] int closeFd(int fd);
[[nodiscard]] int setMode(int fd, mode_t mode);
// The mode of `name` in `dirFd`, never through a link: ELOOP when it is one
// (or was made one meanwhile), EOPNOTSUPP when the system can change it
// only by following (no /proc).
[[nodiscard]] int setModeAt(int dirFd, const char *name, mode_t mode);
// Sets the bits of `set` and clears those of `clear` in the mode of `name`,
// as it is at the moment of the change, the same way.
[[nodiscard]] int updateModeAt(int dirFd, const char *name, mode_t set, mode_t clear);
} // namespace checked

// Every name in an open folder but "." and ".."; *error is 0 or an errno.
// Gathered first: changing a folder while reading it may skip entries.
std::vector<QByteArray> namesIn(int fd, int *error);

// A folder moved out from under a walk: what ".." leads to is no longer the
// folder the walk came down from. A code beside errno values.
constexpr int FolderMoved = -5;

struct RemoveOutcome
{
    int error = 0;      // the first failure, 0 when everything went
    qint64 removed = 0; // entries removed, folders included
    bool cancelled = false;
};

// Removes `name` in the open folder `dirFd` and everything below it. Links
// are removed, never followed. A folder of ours that we may not enter or
// write is opened up first, through its own descriptor. Whatever the depth,
// two descriptors at most are open. `cancel` is looked at between entries;
// `removed`, when given, counts as it goes and may be read by another thread.
// A failed entry is left and the rest still goes.
RemoveOutcome removeTree(int dirFd, const char *name, const std::atomic<bool> *cancel = nullptr,
                         std::atomic<qint64> *removed = nullptr);

// The entries below the folder `name` in `dirFd`, links not followed, by the
// same walk; -1 when it cannot be read, or not within `withinMs`.
qint64 countTree(int dirFd, const char *name, int withinMs);

} // namespace tarnwick
