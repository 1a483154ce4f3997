#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>

namespace tarnwick {

struct NetworkMount
{
    QString name; // as the desktop shows it, e.g. "share on host"
    QString uri;  // the server address, e.g. smb://host/share/
    QString path; // the local folder it can be reached at; empty when there is none
};

// The address in the form mounting takes it (surrounding blanks dropped,
// spaces in the path encoded), or an empty string with *why telling the user
// what is wrong with it. Takes smb, sftp, ftp, ftps, dav, davs, nfs and afp
// addresses that name a server and no password.
QString normalizeNetworkAddress(const QString &address, QString *why);

// Whether `path` lies under the local folder through which the desktop's file
// services show the network places they have connected, where every look at
// a file waits on the server. Looks at the path's text only.
bool isOnNetworkPlace(const QString &path);
// A server's folder also goes when the connection to it does, and the
// desktop's word that the connection went follows within this: a folder gone
// there is taken for gone on its own only once this has passed.
inline constexpr int ConnectionGraceMs = 1000;
// The address of such a folder as its user knows it, e.g.
// "sftp://user@host:2222/home/user" or "smb://host/share/dir"; empty for any
// other folder. Asks the desktop's file services, never the server.
QString networkAddressOf(const QString &path);
// The local folder a network address is reached at while it is connected;
// empty when it is not connected or names no network place.
QString localPathOfAddress(const QString &address);

// Mounting through whatever the desktop offers. Asynchronous: results arrive
// as signals on the caller's thread, never from inside the call that asked.
// The uri of a result is the string that was passed to mount() or unmount().
class NetworkMounter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // False, with *why in plain words, when nothing here can mount. Answers
    // at once and never waits on a service that does not answer.
    virtual bool available(QString *why) const = 0;
    // The network locations mounted now.
    virtual QList<NetworkMount> mounts() const = 0;
    virtual void mount(const QString &address) = 0;
    // Gives up a mount() still under way; it then reports nothing more.
    virtual void cancelMount(const QString &address) { Q_UNUSED(address) }
    virtual void unmount(const QString &uri) = 0;
    // Answers to credentialsNeeded.
    virtual void provideCredentials(const QString &user, const QString &domain,
                                    const QString &password, bool remember) = 0;
    virtual void cancelCredentials() = 0;
    // Answers questionAsked: the index of the choice taken, or -1 to give up.
    virtual void answerQuestion(int choice) { Q_UNUSED(choice) }

signals:
    void credentialsNeeded(const QString &message, const QString &defaultUser,
                           const QString &defaultDomain, bool needsDomain);
    // A question the connection puts to the user, such as whether to trust
    // a server's certificate that nobody vouches for, and the answers it takes.
    void questionAsked(const QString &message, const QStringList &choices);
    void mounted(const QString &uri, const QString &path);
    void mountFailed(const QString &uri, const QString &error);
    void unmounted(const QString &uri);
    void unmountFailed(const QString &uri, const QString &error);
};

// The desktop's own, through GIO. Every operation gives up after a minute.
// A parent given here must outlive the pointer, or take it over by release().
std::unique_ptr<NetworkMounter> makeSystemMounter(QObject *parent = nullptr);
// Starts finding out, off the window's thread, which network locations the
// desktop's file services handle, so that the answer is in when asked for.
// Does nothing without a desktop session.
void warmUpNetworkServices();

} // namespace tarnwick
