#pragma once

#include "jobs.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace tarnwick {

class JobAsker;
class JobRunner;
class TrashStore;
class UserMessages;

// The verbs the tree and the list run on their folder or their selection.
// Paths are the bytes on disk.
namespace ShellVerbs {

// "copy" and "cut": the items go on the system clipboard as files.
void putOnClipboard(const QList<QByteArray> &paths, bool cut);

// "paste": the clipboard's files into `folder`, copied, or moved when they
// were cut (the clipboard is then cleared once all went), as a job that goes
// on after this returns. Returns its runner, or null when it could not
// start, after telling the user why.
JobRunner *pasteInto(QWidget *parent, UserMessages &messages, JobAsker &asker,
                     const QByteArray &folder);

// "properties": the properties dialog of the items, modal.
void showProperties(QWidget *parent, UserMessages &messages, const QList<QByteArray> &paths);

// "delete": after a confirmation naming the item (or the count), moves the
// items to the trash of their volume; what cannot be trashed is deleted for
// good only after a second confirmation. Returns how many items went.
int moveToTrash(QWidget *parent, UserMessages &messages, const QList<QByteArray> &paths,
                const TrashStore &trash);

// Shift+Delete: after its own question, default No, deletes the items for
// good, never by way of the trash. Returns how many items went.
int deleteForGood(QWidget *parent, UserMessages &messages, const QList<QByteArray> &paths);

// Deleting trashed items for good, after a confirmation. `entries` are the
// items' paths in files/ of one of `trash`'s trashes; those that are not
// there any more are reported.
int eraseFromTrash(QWidget *parent, UserMessages &messages, const TrashStore &trash,
                   const QList<QByteArray> &entries);

// "Empty Recycle Bin": after a question, deletes every item of every trash
// of `trash` for good, in one job. Returns how many items went.
int emptyTrash(QWidget *parent, UserMessages &messages, const TrashStore &trash);

// Puts trashed items back where they came from; where that place is taken,
// asks to restore under a numbered name beside it. Whatever could not be
// restored is reported with the reason.
int restoreFromTrash(QWidget *parent, UserMessages &messages, const TrashStore &trash,
                     const QList<QByteArray> &entries);

// "link": a symbolic link "Link to NAME" to each of `targets` in `folder`
// (numbered "Link to NAME (2)" and so on when taken). Returns the links made;
// what failed was reported.
QList<QByteArray> makeLinks(QWidget *parent, UserMessages &messages, JobAsker &asker,
                            const QList<QByteArray> &targets, const QByteArray &folder);

// A new folder "New Folder" (numbered when taken) in `folder`. Returns its
// path, or empty after telling the user why.
QByteArray makeFolder(QWidget *parent, UserMessages &messages, const QByteArray &folder);

// What a drop of `sources` on `target` does: on one file system a move,
// across file systems a copy; Ctrl forces a copy, Shift a move, both a link.
JobKind dropKind(Qt::KeyboardModifiers mods, const QList<QByteArray> &sources,
                 const QByteArray &target);
Qt::DropAction dropAction(JobKind kind);

} // namespace ShellVerbs
} // namespace tarnwick
