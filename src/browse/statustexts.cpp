#include "statustexts.h"

#include <QCoreApplication>

namespace tarnwick {

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(StatusTexts)
};

} // namespace

QString listCaption(int isNameSpace, int nameSpace, const QString &folder)
{
    if (isNameSpace == 0)
        return Words::tr("Contents of '%1'").arg(folder);
    switch (nameSpace) {
    case 1:
        return Words::tr("Contents of 'Desktop'");
    case 2:
        return Words::tr("Contents of 'Control Panel'");
    case 3:
        return Words::tr("Contents of 'Printers'");
    case 4:
        return Words::tr("Contents of 'Recycle Bin'");
    case 5:
        return Words::tr("Contents of 'My Computer'");
    default:
        return Words::tr("Contents of selected namespace");
    }
}

QString selectionStatus(qint64 count)
{
    if (count == 1)
        return Words::tr("1 Item Selected");
    // The leading blank stands where a minus sign would. Languages with
    // more forms than English's two take theirs from the count.
    return Words::tr(" %n Items Selected.", nullptr, int(qMin<qint64>(count, INT_MAX)));
}

} // namespace tarnwick
