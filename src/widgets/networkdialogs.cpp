#include "networkdialogs.h"

#include "networkmounts.h"

#include "panels.h"
#include "plaintext.h"
#include "usermessages.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

namespace tarnwick {
namespace {

// The platform would add the application's name itself; putting it in the
// title keeps it there on every platform, and only once.
QString dialogTitle(const QString &what)
{
    const QString app = QGuiApplication::applicationDisplayName();
    return app.isEmpty() ? what : what + QStringLiteral(" \u2014 ") + app;
}

QLabel *plainLabel(const QString &text, const QString &accessibleName, const char *objectName,
                   QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAccessibleName(accessibleName);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

// A form row whose label is named like its field for screen readers.
void addRow(QFormLayout *form, const QString &label, QWidget *field)
{
    auto *l = new QLabel(label, field->parentWidget());
    l->setBuddy(field);
    l->setAccessibleName(field->accessibleName());
    form->addRow(l, field);
}

// Addresses as people read them: decoded, and never with a password.
QString readable(const QString &uri)
{
    return QUrl(uri).toDisplayString(QUrl::RemovePassword);
}

// Shows or hides a dialog's message line. A dialog on screen grows to show a
// longer message whole: a top-level layout does not follow a wrapped label's
// height by itself, and the text would be cut or drawn over its neighbours.
void showMessage(QDialog *dialog, QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleDescription(text);
    label->setVisible(!text.isEmpty());
    QLayout *layout = dialog->layout();
    if (!dialog->isVisible() || !layout)
        return;
    layout->activate();
    const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(dialog->width())
                                                   : layout->totalSizeHint().height();
    if (dialog->height() < needed)
        dialog->resize(dialog->width(), needed);
}

} // namespace

// ---- CredentialsDialog ----

CredentialsDialog::CredentialsDialog(const QString &message, const QString &user,
                                     const QString &domain, bool needsDomain, QWidget *parent,
                                     bool refused)
    : QDialog(parent)
{
    setWindowTitle(dialogTitle(tr("Log In")));
    widenForTitle(this);
    auto *layout = new QVBoxLayout(this);
    if (refused)
        layout->addWidget(plainLabel(tr("The server refused the last try. Check the user name "
                                        "and the password."),
                                     tr("Note"), "refused", this));
    layout->addWidget(plainLabel(message.isEmpty() ? tr("The server asks who you are.") : message,
                                 tr("Message"), "message", this));

    auto *form = new QFormLayout;
    user_ = new QLineEdit(user, this);
    user_->setObjectName(QStringLiteral("user"));
    user_->setAccessibleName(tr("User name"));
    addRow(form, tr("&User name:"), user_);
    if (needsDomain) {
        domain_ = new QLineEdit(domain, this);
        domain_->setObjectName(QStringLiteral("domain"));
        domain_->setAccessibleName(tr("Domain"));
        addRow(form, tr("&Domain:"), domain_);
    }
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("password"));
    password_->setAccessibleName(tr("Password"));
    password_->setEchoMode(QLineEdit::Password);
    addRow(form, tr("&Password:"), password_);
    layout->addLayout(form);

    remember_ = new QCheckBox(tr("&Remember password"), this);
    remember_->setObjectName(QStringLiteral("remember"));
    remember_->setAccessibleName(tr("Remember password"));
    layout->addWidget(remember_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setAccessibleName(tr("Buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Log In"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("Log In"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    (user.isEmpty() ? user_ : password_)->setFocus();
}

QString CredentialsDialog::user() const
{
    return user_->text();
}

QString CredentialsDialog::domain() const
{
    return domain_ ? domain_->text() : QString();
}

QString CredentialsDialog::password() const
{
    return password_->text();
}

bool CredentialsDialog::remember() const
{
    return remember_->isChecked();
}

// ---- MapNetworkDriveDialog ----

MapNetworkDriveDialog::MapNetworkDriveDialog(NetworkMounter &mounter, QWidget *parent)
    : QDialog(parent), mounter_(mounter)
{
    setWindowTitle(dialogTitle(tr("Map Network Drive")));
    widenForTitle(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(plainLabel(tr("Connect a shared folder on another computer, so that you "
                                    "can open it like one of your own folders."),
                                 tr("About this dialog"), "intro", this));
    status_ = plainLabel(QString(), tr("Status"), "status", this);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(this);
    buttons->setAccessibleName(tr("Buttons"));

    QString why;
    if (!mounter_.available(&why)) {
        showStatus(why);
        layout->addWidget(status_);
        buttons->addButton(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
        return;
    }

    auto *form = new QFormLayout;
    address_ = new QLineEdit(this);
    address_->setObjectName(QStringLiteral("address"));
    address_->setAccessibleName(tr("Address"));
    address_->setPlaceholderText(QStringLiteral("smb://server/share"));
    addRow(form, tr("&Address:"), address_);
    layout->addLayout(form);
    layout->addWidget(
        plainLabel(tr("For example:\n"
                      "smb://server/share \u2014 a Windows or Samba share\n"
                      "sftp://user@server/folder \u2014 a folder reached over SSH\n"
                      "ftp://server/folder \u2014 an FTP server\n"
                      "dav://server/folder \u2014 a WebDAV folder (davs:// for a secure one)"),
                   tr("Address forms"), "help", this));

    busy_ = new QProgressBar(this);
    busy_->setObjectName(QStringLiteral("busy"));
    busy_->setAccessibleName(tr("Connecting"));
    busy_->setRange(0, 0); // no end known: it just moves
    busy_->setTextVisible(false);
    busy_->hide();
    layout->addWidget(busy_);
    layout->addWidget(status_);

    connect_ = buttons->addButton(tr("&Connect"), QDialogButtonBox::AcceptRole);
    connect_->setObjectName(QStringLiteral("connect"));
    connect_->setAccessibleName(tr("Connect"));
    connect_->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &MapNetworkDriveDialog::connectDrive);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // An old complaint about the address goes once the user changes it.
    connect(address_, &QLineEdit::textEdited, this, [this] { showStatus(QString()); });
    connect(&mounter_, &NetworkMounter::credentialsNeeded, this,
            &MapNetworkDriveDialog::askCredentials);
    connect(&mounter_, &NetworkMounter::questionAsked, this, &MapNetworkDriveDialog::askQuestion);
    connect(&mounter_, &NetworkMounter::mounted, this, &MapNetworkDriveDialog::onMounted);
    connect(&mounter_, &NetworkMounter::mountFailed, this, &MapNetworkDriveDialog::onMountFailed);
    address_->setFocus();
}

void MapNetworkDriveDialog::connectTo(const QString &address)
{
    if (!address_ || !pending_.isEmpty())
        return;
    address_->setText(address);
    connectDrive();
}

void MapNetworkDriveDialog::connectDrive()
{
    if (!address_ || !pending_.isEmpty())
        return;
    QString why;
    const QString address = normalizeNetworkAddress(address_->text(), &why);
    if (address.isEmpty()) {
        showStatus(why);
        address_->setFocus();
        address_->selectAll();
        return;
    }
    pending_ = address;
    answered_ = false;
    setBusy(true);
    showStatus(tr("Connecting to %1\u2026").arg(readable(address)));
    mounter_.mount(address);
}

void MapNetworkDriveDialog::askCredentials(const QString &message, const QString &user,
                                           const QString &domain, bool needsDomain)
{
    // Another part of the program is connecting something.
    if (pending_.isEmpty() || credentials_)
        return;
    // Asked again for the same connection: what the user gave was turned down.
    auto *d = new CredentialsDialog(message, user, domain, needsDomain, this, answered_);
    credentials_ = d;
    connect(d, &QDialog::finished, this, [this, d](int result) {
        credentials_ = nullptr;
        d->deleteLater();
        answered_ = result == QDialog::Accepted;
        if (result == QDialog::Accepted)
            mounter_.provideCredentials(d->user(), d->domain(), d->password(), d->remember());
        else
            mounter_.cancelCredentials();
    });
    d->open();
}

// Not waited for: the dialog goes on showing that it is connecting.
void MapNetworkDriveDialog::askQuestion(const QString &message, const QStringList &choices)
{
    if (pending_.isEmpty() || credentials_ || question_)
        return;
    question_ = askChoice(this, windowTitle(), message, choices, [this](int choice) {
        question_ = nullptr;
        mounter_.answerQuestion(choice);
    });
}

void MapNetworkDriveDialog::onMounted(const QString &uri, const QString &path)
{
    if (pending_.isEmpty() || uri != pending_)
        return;
    pending_.clear();
    dropCredentials();
    setBusy(false);
    mountedUri_ = uri;
    mountedPath_ = path;
    accept();
}

void MapNetworkDriveDialog::onMountFailed(const QString &uri, const QString &error)
{
    if (pending_.isEmpty() || uri != pending_)
        return;
    pending_.clear();
    dropCredentials(); // the server gave up while the user was typing
    setBusy(false);
    showStatus(error.isEmpty() ? tr("%1 could not be connected.").arg(readable(uri)) : error);
    address_->setFocus();
    address_->selectAll();
}

void MapNetworkDriveDialog::done(int result)
{
    if (!pending_.isEmpty()) {
        if (credentials_ || question_) {
            dropCredentials();
            mounter_.cancelCredentials();
        }
        mounter_.cancelMount(std::exchange(pending_, QString()));
        setBusy(false);
        showStatus(QString());
    }
    QDialog::done(result);
}

// Closes the credentials dialog or the question without passing the answer on.
void MapNetworkDriveDialog::dropCredentials()
{
    if (QMessageBox *box = std::exchange(question_, nullptr)) {
        box->disconnect(this);
        box->reject(); // and it deletes itself
    }
    if (CredentialsDialog *d = std::exchange(credentials_, nullptr)) {
        d->disconnect(this);
        d->reject();
        d->deleteLater();
    }
}

void MapNetworkDriveDialog::setBusy(bool busy)
{
    address_->setReadOnly(busy);
    connect_->setEnabled(!busy);
    busy_->setVisible(busy);
}

void MapNetworkDriveDialog::showStatus(const QString &text)
{
    showMessage(this, status_, text);
}

// ---- DisconnectNetworkDriveDialog ----

DisconnectNetworkDriveDialog::DisconnectNetworkDriveDialog(NetworkMounter &mounter, QWidget *parent)
    : QDialog(parent), mounter_(mounter)
{
    setWindowTitle(dialogTitle(tr("Disconnect Network Drive")));
    widenForTitle(this);
    auto *layout = new QVBoxLayout(this);
    status_ = plainLabel(QString(), tr("Status"), "status", this);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(this);
    buttons->setAccessibleName(tr("Buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    QString why;
    if (!mounter_.available(&why)) {
        showStatus(why);
        layout->addWidget(status_);
        buttons->addButton(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
        layout->addWidget(buttons);
        return;
    }

    auto *caption = plainLabel(tr("&Network locations:"), tr("Network locations"), "caption", this);
    caption->setTextFormat(Qt::AutoText); // for the mnemonic
    layout->addWidget(caption);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("locations"));
    list_->setAccessibleName(tr("Network locations"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    caption->setBuddy(list_);
    for (const NetworkMount &m : mounter_.mounts()) {
        auto *item =
            new QListWidgetItem(QStringLiteral("%1 \u2014 %2").arg(m.name, readable(m.uri)), list_);
        item->setData(Qt::UserRole, m.uri);
        item->setData(Qt::UserRole + 1, m.path);
        item->setToolTip(plainToolTip(m.path.isEmpty() ? readable(m.uri) : m.path));
    }
    layout->addWidget(list_);
    empty_ = plainLabel(tr("No network locations are connected."), tr("No network locations"),
                        "empty", this);
    layout->addWidget(empty_);
    layout->addWidget(status_);

    disconnect_ = buttons->addButton(tr("&Disconnect"), QDialogButtonBox::ActionRole);
    disconnect_->setObjectName(QStringLiteral("disconnect"));
    disconnect_->setAccessibleName(tr("Disconnect"));
    buttons->addButton(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    layout->addWidget(buttons);

    connect(disconnect_, &QPushButton::clicked, this,
            &DisconnectNetworkDriveDialog::disconnectSelected);
    connect(list_, &QListWidget::itemSelectionChanged, this,
            &DisconnectNetworkDriveDialog::updateState);
    connect(&mounter_, &NetworkMounter::unmounted, this,
            &DisconnectNetworkDriveDialog::onUnmounted);
    connect(&mounter_, &NetworkMounter::unmountFailed, this,
            &DisconnectNetworkDriveDialog::onUnmountFailed);
    showStatus(QString());
    updateState();
}

void DisconnectNetworkDriveDialog::disconnectSelected()
{
    const QList<QListWidgetItem *> chosen = list_->selectedItems();
    if (chosen.isEmpty())
        return;
    const QString uri = chosen.first()->data(Qt::UserRole).toString();
    if (leaving_.contains(uri))
        return;
    leaving_.insert(uri);
    showStatus(tr("Disconnecting %1\u2026").arg(readable(uri)));
    updateState();
    emit disconnecting(chosen.first()->data(Qt::UserRole + 1).toString());
    mounter_.unmount(uri);
}

void DisconnectNetworkDriveDialog::onUnmounted(const QString &uri)
{
    leaving_.remove(uri);
    for (int row = list_->count() - 1; row >= 0; --row)
        if (list_->item(row)->data(Qt::UserRole).toString() == uri)
            delete list_->takeItem(row);
    if (status_->text().contains(readable(uri)))
        showStatus(QString());
    updateState();
}

void DisconnectNetworkDriveDialog::onUnmountFailed(const QString &uri, const QString &error)
{
    // Only what this dialog asked for is its business.
    if (!leaving_.remove(uri))
        return;
    showStatus(tr("%1 could not be disconnected. %2").arg(readable(uri), error).trimmed());
    updateState();
}

void DisconnectNetworkDriveDialog::updateState()
{
    const bool none = list_->count() == 0;
    list_->setVisible(!none);
    empty_->setVisible(none);
    const QList<QListWidgetItem *> chosen = list_->selectedItems();
    disconnect_->setEnabled(!chosen.isEmpty() &&
                            !leaving_.contains(chosen.first()->data(Qt::UserRole).toString()));
}

void DisconnectNetworkDriveDialog::showStatus(const QString &text)
{
    showMessage(this, status_, text);
}

} // namespace tarnwick
