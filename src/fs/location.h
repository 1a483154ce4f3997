#pragma once

#include <QMetaType>
#include <QString>

namespace tarnwick {

// The special places of the namespace, by the numbers the program uses.
enum NameSpace : int
{
    FolderSpace = 0, // a file-system folder
    DesktopSpace = 1,
    ControlPanelSpace = 2,
    PrintersSpace = 3,
    RecycleBinSpace = 4,
    MyComputerSpace = 5,
};

// Where a control can be: a file-system folder (an absolute path without a
// trailing separator, except "/") or one of the special places.
struct Location
{
    int nameSpace = FolderSpace;
    QString path;

    static Location folder(const QString &path) { return {FolderSpace, path}; }
    static Location special(int nameSpace) { return {nameSpace, {}}; }

    bool isFolder() const { return nameSpace == FolderSpace; }
    bool isValid() const { return isFolder() ? !path.isEmpty() : nameSpace > 0; }
    // The path, or the special place's name.
    QString displayName() const;
    bool operator==(const Location &) const = default;
};

// "Desktop", "Control Panel", "Printers", "Recycle Bin", "My Computer".
QString nameSpaceName(int nameSpace);
// The special place a typed name means (any case), or FolderSpace.
int nameSpaceFromName(const QString &name);

} // namespace tarnwick

Q_DECLARE_METATYPE(tarnwick::Location)
