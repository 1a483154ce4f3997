#pragma once

#include <QByteArray>
#include <atomic>
#include <functional>
#include <sys/stat.h>

namespace tarnwick {

// One entry met on a walk: the folder it is in (as bytes, and open as
// `dirFd`), its name there, and what lstat says of it.
struct WalkItem
{
    int dirFd;
    const QByteArray &folder;
    const char *name;
    const struct stat &st;
};

struct WalkResult
{
    qint64 unreadable = 0; // folders whose contents could not be read
    bool cancelled = false;
};

// Visits everything inside `folder`, and inside its subfolders when
// `recurse`, a folder before its contents. Links are never followed (only
// `folder` itself may be one), so a link to an ancestor cannot make it loop.
// The kernel's own file systems (/proc, /sys...) mounted below `folder` are
// not entered: their files claim absurd sizes and some block when read.
// Runs until done or until `cancel` is set; meant for worker threads.
WalkResult walkFolder(const QByteArray &folder, bool recurse, const std::atomic<bool> &cancel,
                      const std::function<void(const WalkItem &)> &visit);

} // namespace tarnwick
