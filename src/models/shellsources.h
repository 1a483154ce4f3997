#pragma once

#include "shellitems.h"
#include "volumemonitor.h"

namespace tarnwick {

struct Volume;

// Where each special place's items come from.
namespace ShellSources {

using VolumeSource = std::function<QList<Volume>()>;
// The tops of the volumes whose trashes count, as bytes.
using TrashTopSource = std::function<QList<QByteArray>()>;

// The special places, then what lies in the user's desktop folder.
ShellItemsModel::Source desktop(const QString &desktopDir);
// The root, the home folder and the mounted volumes, with their space.
// `unmounted`: the volumes present but not mounted, listed dimmed after them.
ShellItemsModel::Source myComputer(VolumeSource volumes, const QString &homeDir,
                                   const QList<DriveVolume> &unmounted = {});
// The kind of volume mounted at `mountPoint`, in the words My Computer uses
// ("Local Disk", "Network Drive"); empty when no volume of `volumes` is
// mounted there.
QString volumeKind(const QString &mountPoint, const QList<Volume> &volumes);
// The desktop's settings applications; opening one starts it.
ShellItemsModel::Source controlPanel();
// What is in the trash of the home and of the volumes `tops` gives; the
// trash verbs must be given the same tops.
ShellItemsModel::Source recycleBin(TrashTopSource tops);

} // namespace ShellSources
} // namespace tarnwick
