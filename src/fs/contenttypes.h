#pragma once

#include "fileentry.h"

#include <QHash>
#include <QMimeDatabase>
#include <QString>
#include <cstdint>

namespace tarnwick {

// Types read from a file's first bytes, for files whose name says nothing
// (no extension, or one the MIME database does not know): a README, a
// script, a picture saved without its extension. Entries carry the type as a
// small number; the names are kept once for the whole program.
namespace ContentTypes {

// The number standing for a MIME type name (never 0), from any thread.
std::uint16_t intern(const QString &mimeName);
// The MIME type name a number stands for; empty for 0.
QString name(std::uint16_t id);

} // namespace ContentTypes

// Reads the types of one listing's files, on the thread that lists. What it
// finds is remembered for the whole program by file identity, so listing a
// folder again reads only what changed.
class ContentSniffer
{
public:
    // How much of a file is read at most.
    static constexpr int HeadBytes = 4096;

    // The content type of `entry` (named `name` in the open folder `dirFd`),
    // or 0 when its name says enough, it is not a regular file with data, or
    // it cannot be read. For a link to a file, the file's type.
    std::uint16_t typeOf(int dirFd, const char *name, const FileEntry &entry,
                         const struct ::stat &st);

private:
    bool nameSays(const QString &name);
    std::uint16_t linkTypeOf(int dirFd, const char *name, const FileEntry &entry);
    // Reads the head of the regular file `st` describes, typed as if named
    // `typeName`; remembered by file identity.
    std::uint16_t sniff(int dirFd, const char *name, const QString &typeName,
                        const struct ::stat &st, int openFlags);

    QMimeDatabase db_;
    QHash<QString, bool> knownSuffix_;
};

} // namespace tarnwick
