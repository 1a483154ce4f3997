#pragma once

#include <QByteArray>

// File operations on paths as the bytes on disk. Names that are not valid
// UTF-8 do not survive a trip through QString, so whatever must reach exactly
// that file works on these.
namespace tarnwick::rawpath {

QByteArray parentOf(const QByteArray &path); // "/" for "/x"
QByteArray baseName(const QByteArray &path);
QByteArray join(const QByteArray &dir, const QByteArray &name);
// Links and dot components resolved; empty (errno set) when it does not exist.
QByteArray canonical(const QByteArray &path);
bool exists(const QByteArray &path); // without following a final link
// An absolute path with "." and empty components dropped and ".." taken
// back, by the bytes alone.
QByteArray cleanPath(const QByteArray &path);
// Whether `path` is `top` or lies below it, by the bytes.
bool isAtOrUnder(const QByteArray &path, const QByteArray &top);

// A name's extension, with its dot; none for a leading dot (".bashrc").
qsizetype extensionStart(const QByteArray &name);
// stem + tail in at most `limit` bytes, cutting the end of the stem; a stem
// that is valid UTF-8 is never cut inside a character.
QByteArray fitName(const QByteArray &stem, const QByteArray &tail, qsizetype limit);

// Creates the missing folders of `dir`; true when it is a folder afterwards.
bool makeFolders(const QByteArray &dir);

// Renames without ever replacing what is at `to`; 0 or an errno (EEXIST when
// something is there).
int moveNoReplace(const QByteArray &from, const QByteArray &to);

// Removes `name` in the open folder `dirFd` and all below it, never following
// links; 0 or the first errno met.
int removeTreeAt(int dirFd, const char *name);

// The whole of a regular file of at most `maxSize` bytes; empty for anything
// else. Never blocks on a pipe or device put in a file's place.
QByteArray readSmallFile(const QByteArray &path, qint64 maxSize);

} // namespace tarnwick::rawpath
