#pragma once

#include <QByteArray>
#include <QString>

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
bool isDir(const QByteArray &path);  // a folder, or a link to one
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

// The whole of a regular file of at most `maxSize` bytes; empty for anything
// else. Never blocks on a pipe or device put in a file's place.
QByteArray readSmallFile(const QByteArray &path, qint64 maxSize);

} // namespace tarnwick::rawpath

namespace tarnwick::rawpath {

// Paths as text without losing a byte. Valid UTF-8 decodes as usual; every
// byte that is not part of valid UTF-8 becomes the lone surrogate
// U+DC80..U+DCFF, which no valid UTF-8 can produce, so toBytes(toText(b))
// gives back `b` exactly. Any path kept as a QString is made with these.
QString toText(const QByteArray &bytes);
QByteArray toBytes(const QString &text);
// What the user reads: the stand-ins of undecodable bytes shown as U+FFFD.
QString shown(const QString &text);
// As shown(), with control characters written as escapes ("new\nline",
// "\x1b"), as no common font draws them: for a name on one line in a
// list, a tree or a title.
QString visible(const QString &text);
QString shown(const QByteArray &path); // shown(toText(path))

} // namespace tarnwick::rawpath
