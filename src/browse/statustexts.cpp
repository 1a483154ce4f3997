#include "statustexts.h"

namespace tarnwick {

QString listCaption(int isNameSpace, int nameSpace, const QString &folder)
{
    if (isNameSpace == 0)
        return QStringLiteral("Contents of '") + folder + QLatin1Char('\'');
    switch (nameSpace) {
    case 1:
        return QStringLiteral("Contents of 'Desktop'");
    case 2:
        return QStringLiteral("Contents of 'Control Panel'");
    case 3:
        return QStringLiteral("Contents of 'Printers'");
    case 4:
        return QStringLiteral("Contents of 'Recycle Bin'");
    case 5:
        return QStringLiteral("Contents of 'My Computer'");
    default:
        return QStringLiteral("Contents of selected namespace");
    }
}

QString selectionStatus(qint64 count)
{
    if (count == 1)
        return QStringLiteral("1 Item Selected");
    // The leading blank stands where a minus sign would.
    return QLatin1Char(' ') + QString::number(count) + QStringLiteral(" Items Selected.");
}

} // namespace tarnwick
