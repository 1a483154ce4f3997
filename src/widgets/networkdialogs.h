#pragma once

#include <QDialog>
#include <QPointer>
#include <QSet>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMessageBox;
class QProgressBar;
class QPushButton;

namespace tarnwick {

class NetworkMounter;

// What a server asks for before it lets the user in. `refused` when it asks
// again because it turned the last answer down.
class CredentialsDialog : public QDialog
{
    Q_OBJECT
public:
    CredentialsDialog(const QString &message, const QString &user, const QString &domain,
                      bool needsDomain, QWidget *parent = nullptr, bool refused = false);

    QString user() const;
    QString domain() const; // empty unless the server asked for one
    QString password() const;
    bool remember() const;

private:
    QLineEdit *user_;
    QLineEdit *domain_ = nullptr;
    QLineEdit *password_;
    QCheckBox *remember_;
};

// Connects a shared folder on another computer. Accepted once the folder is
// connected; a refused address or a failure stays in the dialog so the user
// can put it right. The mounter must outlive the dialog.
class MapNetworkDriveDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MapNetworkDriveDialog(NetworkMounter &mounter, QWidget *parent = nullptr);

    // Once accepted: the local folder the location can be opened at (empty
    // when the desktop offers none), and the address it was connected from.
    QString mountedPath() const { return mountedPath_; }
    QString mountedUri() const { return mountedUri_; }

    // Starts connecting `address` as if the user had typed it.
    void connectTo(const QString &address);
    // Closing while connecting gives the connection up.
    void done(int result) override;

private:
    void connectDrive();
    void askCredentials(const QString &message, const QString &user, const QString &domain,
                        bool needsDomain);
    void askQuestion(const QString &message, const QStringList &choices);
    void onMounted(const QString &uri, const QString &path);
    void onMountFailed(const QString &uri, const QString &error);
    void dropCredentials();
    void setBusy(bool busy);
    void showStatus(const QString &text);

    NetworkMounter &mounter_;
    QLineEdit *address_ = nullptr; // null when nothing here can mount
    QPushButton *connect_ = nullptr;
    QProgressBar *busy_ = nullptr;
    QLabel *status_;
    QPointer<CredentialsDialog> credentials_;
    QPointer<QMessageBox> question_;
    QString pending_;       // the address being connected
    bool answered_ = false; // the user gave credentials for it
    QString mountedPath_;
    QString mountedUri_;
};

// Lists the connected network locations and disconnects the one chosen.
// The mounter must outlive the dialog.
class DisconnectNetworkDriveDialog : public QDialog
{
    Q_OBJECT
public:
    explicit DisconnectNetworkDriveDialog(NetworkMounter &mounter, QWidget *parent = nullptr);

signals:
    // Just before the location at `path` (empty when it has no local
    // folder) is disconnected: whatever has it open lets it go.
    void disconnecting(const QString &path);

private:
    void disconnectSelected();
    void onUnmounted(const QString &uri);
    void onUnmountFailed(const QString &uri, const QString &error);
    void updateState();
    void showStatus(const QString &text);

    NetworkMounter &mounter_;
    QListWidget *list_ = nullptr;
    QLabel *empty_ = nullptr;
    QPushButton *disconnect_ = nullptr;
    QLabel *status_;
    QSet<QString> leaving_; // addresses being disconnected
};

} // namespace tarnwick
