#include "printersource.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace tarnwick::ShellSources {
namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ShellSources)
};

} // namespace

ShellItemsModel::Source printers()
{
    ShellItemsModel::Source s;
    s.headers = {Words::tr("Name"), Words::tr("Status"), Words::tr("Location"), Words::tr("Model")};
    // The print system's client is not meant to be used from other threads.
    s.onCallingThread = true;
    s.gather = [] {
        QList<ShellItem> items;
        const QString manager =
            QStandardPaths::findExecutable(QStringLiteral("system-config-printer"));
        for (const QPrinterInfo &p : QPrinterInfo::availablePrinters()) {
            ShellItem item;
            item.name = p.printerName();
            item.iconName = QStringLiteral("printer");
            QString status;
            switch (p.state()) {
            case QPrinter::Idle:
                status = Words::tr("Ready");
                break;
            case QPrinter::Active:
                status = Words::tr("Printing");
                break;
            case QPrinter::Aborted:
                status = Words::tr("Stopped");
                break;
            case QPrinter::Error:
                status = Words::tr("Error");
                break;
            }
            if (p.isDefault())
                status = Words::tr("%1 (default)").arg(status);
            item.columns = {status, p.location(), p.makeAndModel()};
            if (!manager.isEmpty()) {
                item.program = manager;
                item.arguments = {QStringLiteral("--show-jobs"), p.printerName()};
            }
            items.append(item);
        }
        return items;
    };
    return s;
}

} // namespace tarnwick::ShellSources
