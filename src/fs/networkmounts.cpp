#include "networkmounts.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFile>
#include <QMetaMethod>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sys/stat.h>
#include <thread>

// GLib names struct members "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace tarnwick {
namespace {

// A server that takes longer than this is not coming back.
constexpr int OperationTimeoutMs = 60000;
// How long the window waits for the check for the desktop's file services.
// The check starts with the first window (warmUpNetworkServices), so by the
// time anyone asks it has long answered; a service that has not by then is
// reported as not answering, and asked again next time.
constexpr auto ProbeWait = std::chrono::milliseconds(250);

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(NetworkMounter)
};

QString text(const char *source)
{
    return Words::tr(source);
}

const QStringList &networkSchemes()
{
    static const QStringList schemes{"smb", "sftp", "ftp", "ftps", "dav", "davs", "nfs", "afp"};
    return schemes;
}

// The URI schemes GIO's default file system layer handles. Finding out may
// start the desktop's file service over the session bus; that happens on a
// thread of its own, so a service that never answers cannot hold up the
// window. The state is never freed: the thread may outlive everything else.
struct SchemeProbe
{
    std::mutex lock;
    std::condition_variable finished;
    bool started = false;
    bool done = false;
    QStringList schemes;
};

SchemeProbe *schemeProbe()
{
    static SchemeProbe *const probe = new SchemeProbe;
    return probe;
}

// Starts the check once; called with the probe's lock held.
void startProbe(SchemeProbe *probe)
{
    if (!probe->started) {
        probe->started = true;
        std::thread([probe] {
            QStringList found;
            const gchar *const *list = g_vfs_get_supported_uri_schemes(g_vfs_get_default());
            for (; list && *list; ++list)
                found << QString::fromUtf8(*list);
            std::lock_guard<std::mutex> done(probe->lock);
            probe->schemes = found;
            probe->done = true;
            probe->finished.notify_all();
        }).detach();
    }
}

// False while the answer is not in yet.
bool supportedSchemes(QStringList *schemes)
{
    SchemeProbe *probe = schemeProbe();
    std::unique_lock<std::mutex> hold(probe->lock);
    startProbe(probe);
    probe->finished.wait_for(hold, ProbeWait, [probe] { return probe->done; });
    *schemes = probe->schemes;
    return probe->done;
}

// GIO reports on the GLib main context, which only Qt's GLib event loop runs.
bool eventLoopRunsGlib()
{
    const QAbstractEventDispatcher *d = QAbstractEventDispatcher::instance();
    return d && d->inherits("QEventDispatcherGlib");
}

// Without a session bus, GIO would try to start one on its own.
bool sessionBusPresent()
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return !address.startsWith("autolaunch:");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat st;
    return !runtime.isEmpty() && stat((runtime + "/bus").constData(), &st) == 0 &&
           S_ISSOCK(st.st_mode);
}

QString takeString(char *s)
{
    const QString out = QString::fromUtf8(s);
    g_free(s);
    return out;
}

QString errorText(const GError *error, bool mounting)
{
    if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED) ||
        g_error_matches(error, G_IO_ERROR, G_IO_ERROR_FAILED_HANDLED))
        return mounting ? Words::tr("Connecting was cancelled.")
                        : Words::tr("Disconnecting was cancelled.");
    // GIO's messages are already meant for people.
    if (error && error->message && *error->message)
        return QString::fromUtf8(error->message);
    return mounting ? Words::tr("The network drive could not be connected.")
                    : Words::tr("The network drive could not be disconnected.");
}

class GioMounter : public NetworkMounter
{
public:
    using NetworkMounter::NetworkMounter;
    ~GioMounter() override;

    bool available(QString *why) const override;
    QList<NetworkMount> mounts() const override;
    void mount(const QString &address) override;
    void cancelMount(const QString &address) override;
    void unmount(const QString &uri) override;
    void provideCredentials(const QString &user, const QString &domain, const QString &password,
                            bool remember) override;
    void cancelCredentials() override;
    void answerQuestion(int choice) override;

private:
    // One mount or unmount under way. GIO's callback owns it and frees it,
    // even when the mounter is long gone.
    struct Operation
    {
        ~Operation()
        {
            g_signal_handlers_disconnect_by_data(gop, this);
            g_object_unref(gop);
            g_object_unref(cancellable);
            if (target)
                g_object_unref(target);
        }
        GioMounter *owner = nullptr; // null once nothing more is to be reported
        QString uri;
        bool mounting = true;
        bool anonymousAllowed = false;
        GObject *target = nullptr; // the GFile mounted or the GMount unmounted
        GMountOperation *gop = g_mount_operation_new();
        GCancellable *cancellable = g_cancellable_new();
        QTimer timeout;
    };

    Operation *begin(const QString &uri, bool mounting, GObject *target);
    // Reports nothing more for `op` and stops it.
    void abandon(Operation *op);
    void finish(Operation *op, bool ok, const GError *error);
    void later(void (NetworkMounter::*signal)(const QString &, const QString &), const QString &uri,
               const QString &message);
    // The network locations mounted now; with `objects`, their GMounts too, referenced.
    QList<NetworkMount> list(QList<GMount *> *objects) const;

    static void askPassword(GMountOperation *gop, const char *message, const char *user,
                            const char *domain, GAskPasswordFlags flags, gpointer data);
    static void askQuestion(GMountOperation *gop, const char *message, const char **choices,
                            gpointer data);
    // Whether `op` may wait on the user to answer `question` through
    // `signal`; if not, it is given up at once rather than left to the timeout.
    static bool mayAsk(Operation *op, const char *question, const QMetaMethod &signal);
    static void done(GObject *source, GAsyncResult *result, gpointer data);

    QList<Operation *> operations_;
    Operation *asking_ = nullptr; // waiting for the user's credentials or answer
    mutable GVolumeMonitor *monitor_ = nullptr;
};

GioMounter::~GioMounter()
{
    while (!operations_.isEmpty())
        abandon(operations_.first());
    if (monitor_)
        g_object_unref(monitor_);
}

bool GioMounter::available(QString *why) const
{
    const auto no = [why](const char *reason) {
        if (why)
            *why = text(reason);
        return false;
    };
    if (!eventLoopRunsGlib())
        return no(QT_TRANSLATE_NOOP(
            "NetworkMounter",
            "This copy of the program cannot work with the desktop's file services."));
    if (!sessionBusPresent())
        return no(QT_TRANSLATE_NOOP(
            "NetworkMounter", "Network drives need a desktop session, and none is running here."));
    QStringList schemes;
    if (!supportedSchemes(&schemes))
        return no(
            QT_TRANSLATE_NOOP("NetworkMounter", "The desktop's file services do not answer."));
    if (!schemes.contains(QLatin1String("smb")) && !schemes.contains(QLatin1String("sftp")))
        return no(QT_TRANSLATE_NOOP(
            "NetworkMounter",
            "Network drives need the desktop's file services for network locations "
            "(the gvfs and gvfs-backends packages), and they are not installed."));
    return true;
}

QList<NetworkMount> GioMounter::mounts() const
{
    return available(nullptr) ? list(nullptr) : QList<NetworkMount>();
}

QList<NetworkMount> GioMounter::list(QList<GMount *> *objects) const
{
    if (!monitor_)
        monitor_ = g_volume_monitor_get();
    QList<NetworkMount> out;
    GList *all = g_volume_monitor_get_mounts(monitor_);
    for (GList *l = all; l; l = l->next) {
        GMount *m = G_MOUNT(l->data);
        GFile *root = g_mount_get_root(m);
        if (!g_mount_is_shadowed(m) &&
            networkSchemes().contains(takeString(g_file_get_uri_scheme(root)))) {
            out.append({takeString(g_mount_get_name(m)), takeString(g_file_get_uri(root)),
                        takeString(g_file_get_path(root))});
            if (objects)
                objects->append(G_MOUNT(g_object_ref(m)));
        }
        g_object_unref(root);
    }
    g_list_free_full(all, g_object_unref);
    return out;
}

void GioMounter::later(void (NetworkMounter::*signal)(const QString &, const QString &),
                       const QString &uri, const QString &message)
{
    QMetaObject::invokeMethod(
        this, [this, signal, uri, message] { emit(this->*signal)(uri, message); },
        Qt::QueuedConnection);
}

GioMounter::Operation *GioMounter::begin(const QString &uri, bool mounting, GObject *target)
{
    auto *op = new Operation;
    op->owner = this;
    op->uri = uri;
    op->mounting = mounting;
    op->target = target;
    op->timeout.setSingleShot(true);
    connect(&op->timeout, &QTimer::timeout, this, [this, op] {
        abandon(op);
        later(op->mounting ? &NetworkMounter::mountFailed : &NetworkMounter::unmountFailed, op->uri,
              Words::tr("The server did not answer within a minute."));
    });
    op->timeout.start(OperationTimeoutMs);
    operations_.append(op);
    return op;
}

void GioMounter::abandon(Operation *op)
{
    if (asking_ == op) {
        asking_ = nullptr;
        g_mount_operation_reply(op->gop, G_MOUNT_OPERATION_ABORTED);
    }
    op->owner = nullptr;
    op->timeout.stop();
    operations_.removeOne(op);
    g_cancellable_cancel(op->cancellable);
}

void GioMounter::finish(Operation *op, bool ok, const GError *error)
{
    abandon(op);
    if (op->mounting && (ok || g_error_matches(error, G_IO_ERROR, G_IO_ERROR_ALREADY_MOUNTED)))
        emit mounted(op->uri, takeString(g_file_get_path(G_FILE(op->target))));
    else if (op->mounting)
        emit mountFailed(op->uri, errorText(error, true));
    else if (ok || g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_MOUNTED))
        emit unmounted(op->uri);
    else
        emit unmountFailed(op->uri, errorText(error, false));
}

void GioMounter::mount(const QString &address)
{
    QString why;
    const QString uri = normalizeNetworkAddress(address, &why);
    if (uri.isEmpty() || !available(&why))
        return later(&NetworkMounter::mountFailed, address, why);
    QStringList schemes;
    supportedSchemes(&schemes);
    const QString scheme = QUrl(uri).scheme();
    if (!schemes.contains(scheme))
        return later(
            &NetworkMounter::mountFailed, address,
            Words::tr("%1:// addresses cannot be connected here: the desktop's file services "
                      "for them are not installed.")
                .arg(scheme));
    // Credentials are asked for one connection at a time.
    for (const Operation *op : std::as_const(operations_))
        if (op->mounting)
            return later(&NetworkMounter::mountFailed, address,
                         Words::tr("Another network drive is still being connected."));

    GFile *file = g_file_new_for_uri(uri.toUtf8().constData());
    Operation *op = begin(address, true, G_OBJECT(file));
    g_signal_connect(op->gop, "ask-password", G_CALLBACK(askPassword), op);
    g_signal_connect(op->gop, "ask-question", G_CALLBACK(askQuestion), op);
    g_file_mount_enclosing_volume(file, G_MOUNT_MOUNT_NONE, op->gop, op->cancellable, done, op);
}

void GioMounter::cancelMount(const QString &address)
{
    for (Operation *op : std::as_const(operations_))
        if (op->mounting && op->uri == address)
            return abandon(op);
}

void GioMounter::unmount(const QString &uri)
{
    QString why;
    if (!available(&why))
        return later(&NetworkMounter::unmountFailed, uri, why);
    const auto bare = [](QString u) { return u.endsWith(QLatin1Char('/')) ? u.chopped(1) : u; };
    QList<GMount *> objects;
    const QList<NetworkMount> all = list(&objects);
    GMount *m = nullptr;
    for (qsizetype i = 0; i < all.size(); ++i)
        if (!m && bare(all[i].uri) == bare(uri))
            m = objects[i];
        else
            g_object_unref(objects[i]);
    if (!m)
        return later(&NetworkMounter::unmountFailed, uri,
                     Words::tr("%1 is not connected.").arg(QUrl(uri).toDisplayString()));
    Operation *op = begin(uri, false, G_OBJECT(m));
    g_mount_unmount_with_operation(m, G_MOUNT_UNMOUNT_NONE, op->gop, op->cancellable, done, op);
}

void GioMounter::askPassword(GMountOperation *, const char *message, const char *user,
                             const char *domain, GAskPasswordFlags flags, gpointer data)
{
    auto *op = static_cast<Operation *>(data);
    GioMounter *self = op->owner;
    if (!mayAsk(op, "ask-password", QMetaMethod::fromSignal(&NetworkMounter::credentialsNeeded)))
        return;
    op->anonymousAllowed = flags & G_ASK_PASSWORD_ANONYMOUS_SUPPORTED;
    emit self->credentialsNeeded(QString::fromUtf8(message), QString::fromUtf8(user),
                                 QString::fromUtf8(domain), flags & G_ASK_PASSWORD_NEED_DOMAIN);
}

void GioMounter::askQuestion(GMountOperation *, const char *message, const char **choices,
                             gpointer data)
{
    auto *op = static_cast<Operation *>(data);
    if (!mayAsk(op, "ask-question", QMetaMethod::fromSignal(&NetworkMounter::questionAsked)))
        return;
    QStringList list;
    for (; choices && *choices; ++choices)
        list << QString::fromUtf8(*choices);
    emit op->owner->questionAsked(QString::fromUtf8(message), list);
}

bool GioMounter::mayAsk(Operation *op, const char *question, const QMetaMethod &signal)
{
    // GIO's own handler would answer "unhandled" before the user could.
    g_signal_stop_emission_by_name(op->gop, question);
    // Nobody to ask: fail now rather than wait for the timeout.
    GioMounter *self = op->owner;
    if (!self || self->asking_ || !self->isSignalConnected(signal)) {
        g_mount_operation_reply(op->gop, G_MOUNT_OPERATION_ABORTED);
        return false;
    }
    // The user may take their time.
    op->timeout.stop();
    self->asking_ = op;
    return true;
}

void GioMounter::answerQuestion(int choice)
{
    Operation *op = std::exchange(asking_, nullptr);
    if (!op)
        return;
    op->timeout.start(OperationTimeoutMs);
    if (choice >= 0)
        g_mount_operation_set_choice(op->gop, choice);
    g_mount_operation_reply(op->gop,
                            choice >= 0 ? G_MOUNT_OPERATION_HANDLED : G_MOUNT_OPERATION_ABORTED);
}

void GioMounter::provideCredentials(const QString &user, const QString &domain,
                                    const QString &password, bool remember)
{
    Operation *op = std::exchange(asking_, nullptr);
    if (!op)
        return;
    if (user.isEmpty() && password.isEmpty() && op->anonymousAllowed) {
        g_mount_operation_set_anonymous(op->gop, TRUE);
    } else {
        g_mount_operation_set_username(op->gop, user.toUtf8().constData());
        g_mount_operation_set_domain(op->gop, domain.toUtf8().constData());
        g_mount_operation_set_password(op->gop, password.toUtf8().constData());
    }
    g_mount_operation_set_password_save(op->gop, remember ? G_PASSWORD_SAVE_PERMANENTLY
                                                          : G_PASSWORD_SAVE_NEVER);
    op->timeout.start(OperationTimeoutMs);
    g_mount_operation_reply(op->gop, G_MOUNT_OPERATION_HANDLED);
}

void GioMounter::cancelCredentials()
{
    if (Operation *op = std::exchange(asking_, nullptr)) {
        op->timeout.start(OperationTimeoutMs);
        g_mount_operation_reply(op->gop, G_MOUNT_OPERATION_ABORTED);
    }
}

void GioMounter::done(GObject *source, GAsyncResult *result, gpointer data)
{
    auto *op = static_cast<Operation *>(data);
    GError *error = nullptr;
    const bool ok = op->mounting
                        ? g_file_mount_enclosing_volume_finish(G_FILE(source), result, &error)
                        : g_mount_unmount_with_operation_finish(G_MOUNT(source), result, &error);
    if (op->owner)
        op->owner->finish(op, ok, error);
    g_clear_error(&error);
    delete op;
}

} // namespace

QString normalizeNetworkAddress(const QString &address, QString *why)
{
    const auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return QString();
    };
    const QString typed = address.trimmed();
    if (typed.isEmpty())
        return refuse(
            Words::tr("Type the address of a shared folder, such as smb://server/share."));
    for (const QChar c : typed)
        if (c.category() == QChar::Other_Control)
            return refuse(Words::tr("The address contains characters that cannot be part of one."));
    const qsizetype separator = typed.indexOf(QLatin1String("://"));
    if (separator <= 0)
        return refuse(Words::tr("\"%1\" is not a network address. Start it with the kind of "
                                "connection, such as smb:// or sftp://.")
                          .arg(typed));
    const QString scheme = typed.left(separator).toLower();
    if (!networkSchemes().contains(scheme))
        return refuse(Words::tr("%1:// addresses cannot be connected as a network drive. "
                                "Use smb://, sftp://, ftp:// or dav://.")
                          .arg(scheme));
    const QUrl url(typed, QUrl::TolerantMode);
    if (!url.isValid())
        return refuse(Words::tr("\"%1\" is not a valid address.").arg(typed));
    if (url.host().isEmpty())
        return refuse(
            Words::tr("The address names no server. Write it as %1://server/folder.").arg(scheme));
    if (!url.password().isEmpty())
        return refuse(
            Words::tr("Leave the password out of the address; you will be asked for it."));
    // They would be dropped from the name silently, reaching another folder.
    if (url.hasQuery() || url.hasFragment())
        return refuse(Words::tr("Write \"?\" and \"#\" in a name as %3F and %23."));
    return url.toString(QUrl::FullyEncoded);
}

bool isOnNetworkPlace(const QString &path)
{
    // Where the desktop's file services put their local folder: the runtime
    // folder, else the user's cache folder.
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        runtime = qEnvironmentVariable("XDG_CACHE_HOME",
                                       qEnvironmentVariable("HOME") + QStringLiteral("/.cache"));
    const QString root = runtime + QStringLiteral("/gvfs/");
    return path.startsWith(root) && path.size() > root.size();
}

QString networkAddressOf(const QString &path)
{
    if (!isOnNetworkPlace(path) || !sessionBusPresent())
        return {};
    GFile *file = g_file_new_for_path(QFile::encodeName(path).constData());
    const QString uri = takeString(g_file_get_uri(file));
    g_object_unref(file);
    const QUrl url(uri);
    if (!networkSchemes().contains(url.scheme()))
        return {};
    // A share's top reads as the share, as a folder's path has no separator
    // at its end.
    QString shown = url.toDisplayString();
    if (shown.endsWith(QLatin1Char('/')) && url.path().size() > 1)
        shown.chop(1);
    return shown;
}

QString localPathOfAddress(const QString &address)
{
    const QString uri = normalizeNetworkAddress(address, nullptr);
    if (uri.isEmpty() || !sessionBusPresent())
        return {};
    GFile *file = g_file_new_for_uri(uri.toUtf8().constData());
    char *path = g_file_get_path(file);
    g_object_unref(file);
    const QString out = path ? QFile::decodeName(path) : QString();
    g_free(path);
    return out;
}

void warmUpNetworkServices()
{
    if (!eventLoopRunsGlib() || !sessionBusPresent())
        return;
    SchemeProbe *probe = schemeProbe();
    std::lock_guard<std::mutex> hold(probe->lock);
    startProbe(probe);
}

std::unique_ptr<NetworkMounter> makeSystemMounter(QObject *parent)
{
    return std::make_unique<GioMounter>(parent);
}

} // namespace tarnwick
