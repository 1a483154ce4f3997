#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnwick {

// Where a window opens: a folder, and the names in it to show selected.
struct StartPlace
{
    QString folder;       // absolute, lossless text (rawpath::toText)
    QStringList selected; // names in `folder`
    bool operator==(const StartPlace &) const = default;
};

// What the paths and addresses given to the program ask for.
struct StartRequest
{
    QList<StartPlace> places; // one window each, in the order given
    QStringList problems;     // one sentence per argument that leads nowhere
};

// Reads arguments as the command line and other programs give them: paths
// (relative to the current folder) or file:// URIs; an address of another
// kind only where it is connected and so has a local path. A folder opens on
// itself, anything else opens its folder with it selected. With
// `selectItems`, every argument is an item to show selected in its folder.
// Each folder is one place: the items of one folder share its window.
StartRequest startPlaces(const QStringList &arguments, bool selectItems);

// The arguments that make another copy of the program open on `place`.
QStringList argumentsFor(const StartPlace &place);

} // namespace tarnwick
