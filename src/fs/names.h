#pragma once

#include <QByteArray>
#include <QString>

// How every new item is named where its name is taken: one rule for Keep
// both, new folders, links and restores.
namespace tarnwick::names {

constexpr int MaxNumber = 10000; // "name (N)" tried before giving up

// `tail` after `base`, the base shortened (at a character boundary when it
// is UTF-8) so that the whole fits in a name.
QByteArray fitted(const QByteArray &base, const QByteArray &tail);

// n == 1: the name itself; then "report (2).pdf", "photos.2024 (2)" for a
// folder, ".bashrc (2)". An extension too long to be one is not kept apart.
QByteArray numbered(const QByteArray &name, int n, bool isDir);

// How much of `name` renaming selects at first: the name before its
// extension by the rule above ("beach" of "beach.jpg"), or all of it for a
// folder, a name starting with its only dot (".bashrc") and a name with none.
qsizetype stemLength(const QString &name, bool isDir);

// "Link to NAME", numbered by the same rule, after what it leads to: a link
// to a folder keeps no extension apart. The root is "root".
QByteArray link(const QByteArray &targetName, int n, bool toFolder);

// The first of numbered(name, n, isDir) from `n` on that is not taken in
// the open folder `dirFd`; empty when none is free.
QByteArray firstFree(int dirFd, const QByteArray &name, bool isDir, int n = 1);

} // namespace tarnwick::names
