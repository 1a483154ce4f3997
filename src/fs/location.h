#pragma once

#include <QMetaType>
#include <QString>

namespace tarnwick {

// The special places of the namespace, by the numbers the program uses.
enum class NameSpace : int
{
    Folder = 0, // a file-system folder
    Desktop = 1,
    ControlPanel = 2,
    Printers = 3,
    RecycleBin = 4,
    MyComputer = 5,
};
inline constexpr NameSpace FolderSpace = NameSpace::Folder;
inline constexpr NameSpace DesktopSpace = NameSpace::Desktop;
inline constexpr NameSpace ControlPanelSpace = NameSpace::ControlPanel;
inline constexpr NameSpace PrintersSpace = NameSpace::Printers;
inline constexpr NameSpace RecycleBinSpace = NameSpace::RecycleBin;
inline constexpr NameSpace MyComputerSpace = NameSpace::MyComputer;
// Every special place, in the order the tree shows them under the desktop.
inline constexpr NameSpace SpecialPlaces[] = {DesktopSpace, ControlPanelSpace, PrintersSpace,
                                              RecycleBinSpace, MyComputerSpace};

// Where a control can be: a file-system folder (an absolute path without a
// trailing separator, except "/") or one of the special places.
struct Location
{
    NameSpace nameSpace = FolderSpace;
    QString path;

    static Location folder(const QString &path) { return {FolderSpace, path}; }
    static Location special(NameSpace nameSpace) { return {nameSpace, {}}; }

    bool isFolder() const { return nameSpace == FolderSpace; }
    bool isValid() const { return isFolder() ? !path.isEmpty() : true; }
    // The path, or the special place's name.
    QString displayName() const;
    bool operator==(const Location &) const = default;
};

// "Desktop", "Control Panel", "Printers", "Recycle Bin", "My Computer".
QString nameSpaceName(NameSpace nameSpace);
// The special place a typed name means (any case), or FolderSpace.
NameSpace nameSpaceFromName(const QString &name);

} // namespace tarnwick

Q_DECLARE_METATYPE(tarnwick::Location)
