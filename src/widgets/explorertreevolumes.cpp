// The folder tree's volumes: mounting one as it is opened.
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "location.h"
#include "namespacemodel.h"
#include "usermessages.h"
#include "volumemonitor.h"
#include "volumeproperties.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace tarnwick {

void ExplorerTreeView::setVolumeMonitor(VolumeMonitor *monitor)
{
    if (volumes_) {
        disconnect(volumes_, nullptr, this, nullptr);
        if (volumes_->parent() == this)
            volumes_->deleteLater();
    }
    volumes_ = monitor;
    opening_.clear();
    model_->setVolumeMonitor(monitor);
    if (list_)
        list_->setVolumeMonitor(
            monitor, [this](const QString &id) { openVolume(id); },
            [this](QMenu &menu, const QString &id) { addVolumeEntries(menu, id, true); });
    if (!monitor)
        return;
    connect(monitor, &VolumeMonitor::mounted, this, [this](const QString &id, const QString &path) {
        if (id != std::exchange(opening_, QString()))
            return;
        model_->refreshVolumes();
        if (!path.isEmpty())
            navigateTo(Location::folder(path));
    });
    connect(monitor, &VolumeMonitor::failed, this, &ExplorerTreeView::onVolumeFailed);
    connect(monitor, &VolumeMonitor::unmounted, this, [this](const QString &id) {
        if (id == releasing_) {
            releasing_.clear();
            left_.clear();
        }
        model_->refreshVolumes();
    });
    connect(monitor, &VolumeMonitor::passwordNeeded, this, &ExplorerTreeView::askVolumePassword);
    connect(monitor, &VolumeMonitor::questionAsked, this, &ExplorerTreeView::askVolumeQuestion);
}

void ExplorerTreeView::openVolume(const QString &id)
{
    if (!volumes_ || id.isEmpty())
        return;
    opening_ = id;
    volumes_->mount(id);
}

namespace {

DriveVolume volumeById(const VolumeMonitor *monitor, const QString &id)
{
    if (monitor)
        for (const DriveVolume &v : monitor->volumes())
            if (v.id == id)
                return v;
    return {};
}

bool isOn(const QString &path, const QString &mountPath)
{
    return path == mountPath || path.startsWith(mountPath + QLatin1Char('/')) ||
           mountPath == QLatin1String("/");
}

} // namespace

void ExplorerTreeView::onVolumeFailed(const QString &id, const QString &message, bool busy)
{
    if (id == opening_)
        opening_.clear();
    const QString left = id == releasing_ ? std::exchange(left_, QString()) : QString();
    if (id == releasing_)
        releasing_.clear();
    if (busy) {
        const DriveVolume v = volumeById(volumes_, id);
        QString text = tr("“%1” is in use, so it was left mounted. Close the files and programs "
                          "that use it, then try again.")
                           .arg(v.name.isEmpty() ? v.mountPath : v.name);
        if (!left.isEmpty())
            text +=
                QLatin1Char('\n') + tr("This window has left %1, which was open on it.").arg(left);
        messages_->error(this, text);
        return;
    }
    // Empty when the user cancelled: nothing to tell.
    if (!message.isEmpty())
        messages_->error(this, message);
}

void ExplorerTreeView::showVolumeProperties(const QString &id)
{
    const DriveVolume v = volumeById(volumes_, id);
    if (v.id.isEmpty())
        return;
    auto *dialog = new VolumePropertiesDialog(v, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void ExplorerTreeView::addVolumeEntries(QMenu &menu, const QString &id, bool properties)
{
    const DriveVolume v = volumeById(volumes_, id);
    if (v.id.isEmpty())
        return;
    // Mnemonics apart from the rest of the menu's.
    if (v.isMounted() && v.canUnmount)
        menu.addAction(tr("U&nmount"), this,
                       [this, id] { releaseVolume(id, &VolumeMonitor::unmount); });
    if (v.canEject)
        menu.addAction(tr("E&ject"), this,
                       [this, id] { releaseVolume(id, &VolumeMonitor::eject); });
    if (v.canStop)
        menu.addAction(tr("Safel&y Remove"), this,
                       [this, id] { releaseVolume(id, &VolumeMonitor::stop); });
    if (properties) {
        menu.addSeparator();
        menu.addAction(tr("P&roperties"), this, [this, id] { showVolumeProperties(id); });
    }
}

// The tree's own listing and watch would hold the volume busy: it goes to
// My Computer first.
void ExplorerTreeView::releaseVolume(const QString &id, void (VolumeMonitor::*how)(const QString &))
{
    const DriveVolume v = volumeById(volumes_, id);
    if (v.id.isEmpty())
        return;
    left_.clear();
    if (v.isMounted() && current_.isFolder() && isOn(current_.path, v.mountPath)) {
        left_ = current_.path;
        navigateTo(Location::special(MyComputerSpace));
    }
    // Released before its mount was reported done: the user has changed
    // their mind, and the tree does not go into it after all.
    if (opening_ == id)
        opening_.clear();
    releasing_ = id;
    (volumes_->*how)(id);
}

// Not waited for: the window goes on while the user types.
void ExplorerTreeView::askVolumePassword(const QString &id, const QString &message)
{
    auto *dialog = new QInputDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Unlock Volume"));
    dialog->setLabelText(message.isEmpty() ? tr("Passphrase:") : message);
    if (auto *label = dialog->findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    dialog->setTextEchoMode(QLineEdit::Password);
    dialog->setInputMode(QInputDialog::TextInput);
    QPointer<VolumeMonitor> monitor(volumes_);
    connect(dialog, &QInputDialog::finished, this, [dialog, monitor, id](int result) {
        if (monitor)
            monitor->providePassword(id, dialog->textValue(), result != QDialog::Accepted);
    });
    dialog->open();
}

void ExplorerTreeView::askVolumeQuestion(const QString &id, const QString &message,
                                         const QStringList &choices)
{
    QPointer<VolumeMonitor> monitor(volumes_);
    askChoice(this, windowTitle(), message, choices, [monitor, id](int choice) {
        if (monitor)
            monitor->answerQuestion(id, choice);
    });
}

} // namespace tarnwick
