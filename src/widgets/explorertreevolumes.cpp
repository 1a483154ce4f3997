// The folder tree's volumes: mounting one as it is opened.
#include "explorertreeview.h"
#include "location.h"
#include "namespacemodel.h"
#include "usermessages.h"
#include "volumemonitor.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
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
    if (!monitor)
        return;
    connect(monitor, &VolumeMonitor::mounted, this, [this](const QString &id, const QString &path) {
        if (id != std::exchange(opening_, QString()))
            return;
        model_->refreshVolumes();
        if (!path.isEmpty())
            navigateTo(Location::folder(path));
    });
    connect(monitor, &VolumeMonitor::failed, this,
            [this](const QString &id, const QString &message) {
                if (id == opening_)
                    opening_.clear();
                // Empty when the user cancelled: nothing to tell.
                if (!message.isEmpty())
                    messages_->error(this, message);
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
    auto *box =
        new QMessageBox(QMessageBox::Question, windowTitle(), message, QMessageBox::NoButton, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices) {
        // A choice is plain text: an ampersand in it is not a mnemonic.
        QString label = choice;
        buttons.append(box->addButton(label.replace(QLatin1Char('&'), QLatin1String("&&")),
                                      QMessageBox::AcceptRole));
    }
    box->addButton(QMessageBox::Cancel);
    showAsPlainText(*box);
    QPointer<VolumeMonitor> monitor(volumes_);
    connect(box, &QMessageBox::finished, this, [box, buttons, monitor, id] {
        if (monitor)
            monitor->answerQuestion(id, int(buttons.indexOf(box->clickedButton())));
    });
    box->open();
}

} // namespace tarnwick
