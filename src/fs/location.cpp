#include "location.h"

#include <QCoreApplication>

namespace tarnwick {

QString nameSpaceName(NameSpace nameSpace)
{
    switch (nameSpace) {
    case DesktopSpace:
        return QCoreApplication::translate("Location", "Desktop");
    case ControlPanelSpace:
        return QCoreApplication::translate("Location", "Control Panel");
    case PrintersSpace:
        return QCoreApplication::translate("Location", "Printers");
    case RecycleBinSpace:
        return QCoreApplication::translate("Location", "Recycle Bin");
    case MyComputerSpace:
        return QCoreApplication::translate("Location", "My Computer");
    case FolderSpace:
        break;
    }
    return {};
}

NameSpace nameSpaceFromName(const QString &name)
{
    for (NameSpace n : SpecialPlaces) {
        if (name.compare(nameSpaceName(n), Qt::CaseInsensitive) == 0)
            return n;
    }
    return FolderSpace;
}

QString Location::displayName() const
{
    return isFolder() ? path : nameSpaceName(nameSpace);
}

} // namespace tarnwick
