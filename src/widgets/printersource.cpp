#include "printersource.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace tarnwick::ShellSources {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ShellSources", text);
}

} // namespace

ShellItemsModel::Source printers()
{
    ShellItemsModel::Source s;
    s.headers = {tr("Name"), tr("Status"), tr("Location"), tr("Model")};
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
                status = tr("Ready");
                break;
            case QPrinter::Active:
                status = tr("Printing");
                break;
            case QPrinter::Aborted:
                status = tr("Stopped");
                break;
            case QPrinter::Error:
                status = tr("Error");
                break;
            }
            if (p.isDefault())
                status = tr("%1 (default)").arg(status);
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
