#pragma once

#include "bigarray.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <sys/stat.h>

namespace tarnwick {

// File attributes as one number, in the classic bit values.
enum FileAttribute : std::uint32_t
{
    AttrReadOnly = 1, // the user may not write it
    AttrHidden = 2,   // name begins with "."
    AttrSystem = 4,   // not a regular file, directory or symbolic link
    AttrDirectory = 16,
    AttrArchive = 32, // never set here
};

// One directory entry as the lister reads it; plain data, cheap to move.
struct FileEntry
{
    QString name;                 // the on-disk bytes as lossless text (rawpath::toText)
    qint64 size = 0;              // of a link to a file, the file's
    qint64 mtime = 0;             // seconds since the epoch
    std::uint32_t mode = 0;       // st_mode of the entry itself (lstat)
    std::uint32_t attributes = 0; // FileAttribute bits
    bool isDir = false;           // a directory, or a link to one
    bool isSymlink = false;
    bool brokenLink = false;       // a link whose target cannot be reached
    bool mayHaveSubdirs = true;    // for the tree's expanders; false when known empty
    bool removed = false;          // gone from disk; kept until the model compacts
    std::uint16_t contentType = 0; // read from the file's first bytes (ContentTypes); 0 if not

    // Whether what the list shows of it differs.
    bool sameAs(const FileEntry &o) const
    {
        return size == o.size && mtime == o.mtime && mode == o.mode && attributes == o.attributes &&
               isDir == o.isDir;
    }

    QByteArray encodedName() const;
};

// A listing's batch; large ones hold hundreds of thousands.
using FileEntries = BigVector<FileEntry>;

// The attribute value of an entry from its own status (not following a
// link), whether it is or leads to a folder, and its name.
std::uint32_t attributesOf(const struct ::stat &own, bool isDir, const char *name);

// Reads one entry by name in an open directory; false when it vanished.
// `own`, if given, receives the entry's own status.
bool statEntry(int dirFd, const char *name, FileEntry &out, struct ::stat *own = nullptr);

// Why `name` cannot name an item in any folder (empty, "." or "..", a "/",
// longer than the file system allows), or empty when its form is fine.
QString unusableNameReason(const QString &name);

// Builds an absolute path from a folder and a child name.
QString joinPath(const QString &folder, const QString &name);

} // namespace tarnwick
