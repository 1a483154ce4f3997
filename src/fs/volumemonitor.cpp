#include "volumemonitor.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <memory>

// GLib names struct members "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace tarnwick {
namespace {

// How long the volume service is given to settle before a second try.
constexpr int RetryDelayMs = 500;

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(VolumeMonitor)
};

QString takeString(char *s)
{
    const QString out = QString::fromUtf8(s);
    g_free(s);
    return out;
}

// The first name of a themed icon; that is the most specific one.
QString iconNameOf(GIcon *icon)
{
    QString name;
    if (icon && G_IS_THEMED_ICON(icon)) {
        const gchar *const *names = g_themed_icon_get_names(G_THEMED_ICON(icon));
        if (names && *names)
            name = QString::fromUtf8(*names);
    }
    if (icon)
        g_object_unref(icon);
    return name;
}

QString kindOf(const QString &iconName, GDrive *drive, bool network)
{
    if (network)
        return Words::tr("Network Share");
    if (iconName.contains(QLatin1String("optical")))
        return Words::tr("CD/DVD Drive");
    if (iconName.contains(QLatin1String("encrypted")))
        return Words::tr("Encrypted Volume");
    if (drive && (g_drive_is_removable(drive) || g_drive_is_media_removable(drive)))
        return Words::tr("Removable Disk");
    if (iconName.contains(QLatin1String("removable")) || iconName.contains(QLatin1String("flash")))
        return Words::tr("Removable Disk");
    return Words::tr("Local Disk");
}

bool eventLoopRunsGlib()
{
    const QAbstractEventDispatcher *d = QAbstractEventDispatcher::instance();
    return d && d->inherits("QEventDispatcherGlib");
}

class GioVolumeMonitor : public VolumeMonitor
{
public:
    explicit GioVolumeMonitor(QObject *parent);
    ~GioVolumeMonitor() override;

    QList<DriveVolume> volumes() const override;
    void mount(const QString &id) override;
    void unmount(const QString &id) override;
    void eject(const QString &id) override;
    void stop(const QString &id) override;
    void providePassword(const QString &id, const QString &password, bool cancelled) override;
    void answerQuestion(const QString &id, int choice) override;

private:
    enum Kind
    {
        Mount,
        Unmount,
        Eject,
        Stop
    };
    // One operation under way. GIO's callback owns it and frees it, even
    // when the monitor is long gone.
    struct Operation
    {
        ~Operation()
        {
            g_signal_handlers_disconnect_by_data(gop, this);
            g_object_unref(gop);
        }
        GioVolumeMonitor *owner = nullptr; // null once nothing more is to be reported
        QString id;
        Kind kind = Mount;
        bool busy = false;  // the volume was in use
        bool again = false; // a second try after the volume service lost track
        GMountOperation *gop = g_mount_operation_new();
    };

    // The GIO objects behind an id, referenced; any may be null.
    struct Objects
    {
        GVolume *volume = nullptr;
        GMount *mount = nullptr;
        GDrive *drive = nullptr;
        ~Objects()
        {
            if (volume)
                g_object_unref(volume);
            if (mount)
                g_object_unref(mount);
            if (drive)
                g_object_unref(drive);
        }
    };
    bool find(const QString &id, Objects *out) const;
    QList<DriveVolume> list(QList<Objects *> *objects) const;
    Operation *begin(const QString &id, Kind kind);
    void fail(const QString &id, const QString &message);
    void finish(Operation *op, bool ok, const GError *error);
    Operation *operationFor(const QString &id) const;

    static void onChanged(GVolumeMonitor *, gpointer, gpointer data);
    static void askPassword(GMountOperation *gop, const char *message, const char *, const char *,
                            GAskPasswordFlags, gpointer data);
    static void askQuestion(GMountOperation *gop, const char *message, const char **choices,
                            gpointer data);
    static void showProcesses(GMountOperation *gop, const char *, GArray *, const char **,
                              gpointer data);
    static void done(GObject *source, GAsyncResult *result, gpointer data);

    GVolumeMonitor *monitor_ = nullptr;
    QList<Operation *> operations_;
    QTimer settle_;
    QString tryingAgain_; // the id begin() marks as a second try
};

GioVolumeMonitor::GioVolumeMonitor(QObject *parent) : VolumeMonitor(parent)
{
    // A burst of signals (a disk with several partitions) is one change.
    settle_.setSingleShot(true);
    settle_.setInterval(50);
    connect(&settle_, &QTimer::timeout, this, &VolumeMonitor::changed);
    if (!eventLoopRunsGlib())
        return;
    monitor_ = g_volume_monitor_get();
    for (const char *signal :
         {"volume-added", "volume-removed", "volume-changed", "mount-added", "mount-removed",
          "mount-changed", "drive-connected", "drive-disconnected", "drive-changed"})
        g_signal_connect(monitor_, signal, G_CALLBACK(onChanged), this);
}

GioVolumeMonitor::~GioVolumeMonitor()
{
    for (Operation *op : std::as_const(operations_))
        op->owner = nullptr;
    if (monitor_) {
        g_signal_handlers_disconnect_by_data(monitor_, this);
        g_object_unref(monitor_);
    }
}

void GioVolumeMonitor::onChanged(GVolumeMonitor *, gpointer, gpointer data)
{
    static_cast<GioVolumeMonitor *>(data)->settle_.start();
}

QList<DriveVolume> GioVolumeMonitor::volumes() const
{
    return list(nullptr);
}

QList<DriveVolume> GioVolumeMonitor::list(QList<Objects *> *objects) const
{
    QList<DriveVolume> out;
    if (!monitor_)
        return out;
    const auto add = [&](GVolume *volume, GMount *mount) {
        DriveVolume v;
        auto *o = new Objects;
        o->volume = volume ? G_VOLUME(g_object_ref(volume)) : nullptr;
        o->mount = mount ? G_MOUNT(g_object_ref(mount)) : nullptr;
        o->drive = volume ? g_volume_get_drive(volume) : mount ? g_mount_get_drive(mount) : nullptr;
        bool network = false;
        if (mount) {
            GFile *root = g_mount_get_root(mount);
            v.mountPath = takeString(g_file_get_path(root));
            const QString uri = takeString(g_file_get_uri(root));
            network = !uri.startsWith(QLatin1String("file:"));
            if (!volume)
                v.id = QStringLiteral("mount:") + uri;
            g_object_unref(root);
            v.canUnmount = g_mount_can_unmount(mount);
        }
        if (volume) {
            QString key = takeString(g_volume_get_uuid(volume));
            if (key.isEmpty())
                key = takeString(
                    g_volume_get_identifier(volume, G_VOLUME_IDENTIFIER_KIND_UNIX_DEVICE));
            if (key.isEmpty())
                key = takeString(g_volume_get_name(volume));
            v.id = QStringLiteral("volume:") + key;
            v.name = takeString(g_volume_get_name(volume));
            v.iconName = iconNameOf(g_volume_get_icon(volume));
            v.canMount = !mount && g_volume_can_mount(volume);
            v.canEject = g_volume_can_eject(volume);
        } else {
            v.name = takeString(g_mount_get_name(mount));
            v.iconName = iconNameOf(g_mount_get_icon(mount));
            v.canEject = g_mount_can_eject(mount);
        }
        v.canStop = o->drive && g_drive_can_stop(o->drive);
        v.network = network;
        v.kind = kindOf(v.iconName, o->drive, network);
        out.append(v);
        if (objects)
            objects->append(o);
        else
            delete o;
    };
    GList *volumes = g_volume_monitor_get_volumes(monitor_);
    for (GList *l = volumes; l; l = l->next) {
        GVolume *volume = G_VOLUME(l->data);
        GMount *mount = g_volume_get_mount(volume);
        add(volume, mount);
        if (mount)
            g_object_unref(mount);
    }
    g_list_free_full(volumes, g_object_unref);
    // Mounts of no volume: network shares, disk images.
    GList *mounts = g_volume_monitor_get_mounts(monitor_);
    for (GList *l = mounts; l; l = l->next) {
        GMount *mount = G_MOUNT(l->data);
        GVolume *volume = g_mount_get_volume(mount);
        if (volume)
            g_object_unref(volume);
        else if (!g_mount_is_shadowed(mount))
            add(nullptr, mount);
    }
    g_list_free_full(mounts, g_object_unref);
    return out;
}

bool GioVolumeMonitor::find(const QString &id, Objects *out) const
{
    QList<Objects *> objects;
    const QList<DriveVolume> all = list(&objects);
    bool found = false;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (!found && all[i].id == id) {
            std::swap(out->volume, objects[i]->volume);
            std::swap(out->mount, objects[i]->mount);
            std::swap(out->drive, objects[i]->drive);
            found = true;
        }
        delete objects[i];
    }
    return found;
}

void GioVolumeMonitor::fail(const QString &id, const QString &message)
{
    QMetaObject::invokeMethod(
        this, [this, id, message] { emit failed(id, message, false); }, Qt::QueuedConnection);
}

GioVolumeMonitor::Operation *GioVolumeMonitor::begin(const QString &id, Kind kind)
{
    auto *op = new Operation;
    op->owner = this;
    op->id = id;
    op->kind = kind;
    op->again = id == tryingAgain_;
    g_signal_connect(op->gop, "ask-password", G_CALLBACK(askPassword), op);
    g_signal_connect(op->gop, "ask-question", G_CALLBACK(askQuestion), op);
    g_signal_connect(op->gop, "show-processes", G_CALLBACK(showProcesses), op);
    operations_.append(op);
    return op;
}

GioVolumeMonitor::Operation *GioVolumeMonitor::operationFor(const QString &id) const
{
    for (Operation *op : operations_)
        if (op->id == id)
            return op;
    return nullptr;
}

void GioVolumeMonitor::mount(const QString &id)
{
    Objects o;
    if (!find(id, &o) || !o.volume)
        return fail(id, Words::tr("The volume is no longer there."));
    if (o.mount) {
        GFile *root = g_mount_get_root(o.mount);
        const QString path = takeString(g_file_get_path(root));
        g_object_unref(root);
        QMetaObject::invokeMethod(
            this, [this, id, path] { emit mounted(id, path); }, Qt::QueuedConnection);
        return;
    }
    Operation *op = begin(id, Mount);
    g_volume_mount(o.volume, G_MOUNT_MOUNT_NONE, op->gop, nullptr, done, op);
}

void GioVolumeMonitor::unmount(const QString &id)
{
    Objects o;
    if (!find(id, &o) || !o.mount)
        return fail(id, Words::tr("The volume is not mounted."));
    Operation *op = begin(id, Unmount);
    g_mount_unmount_with_operation(o.mount, G_MOUNT_UNMOUNT_NONE, op->gop, nullptr, done, op);
}

void GioVolumeMonitor::eject(const QString &id)
{
    Objects o;
    if (!find(id, &o))
        return fail(id, Words::tr("The volume is no longer there."));
    if (o.volume && g_volume_can_eject(o.volume)) {
        Operation *op = begin(id, Eject);
        g_volume_eject_with_operation(o.volume, G_MOUNT_UNMOUNT_NONE, op->gop, nullptr, done, op);
    } else if (o.mount && g_mount_can_eject(o.mount)) {
        Operation *op = begin(id, Eject);
        g_mount_eject_with_operation(o.mount, G_MOUNT_UNMOUNT_NONE, op->gop, nullptr, done, op);
    } else {
        fail(id, Words::tr("The volume cannot be ejected."));
    }
}

void GioVolumeMonitor::stop(const QString &id)
{
    Objects o;
    if (!find(id, &o) || !o.drive || !g_drive_can_stop(o.drive))
        return fail(id, Words::tr("The drive cannot be removed safely from here."));
    Operation *op = begin(id, Stop);
    g_drive_stop(o.drive, G_MOUNT_UNMOUNT_NONE, op->gop, nullptr, done, op);
}

void GioVolumeMonitor::askPassword(GMountOperation *gop, const char *message, const char *,
                                   const char *, GAskPasswordFlags, gpointer data)
{
    auto *op = static_cast<Operation *>(data);
    if (!op->owner) {
        g_mount_operation_reply(gop, G_MOUNT_OPERATION_ABORTED);
        return;
    }
    // GIO's own handler would answer "unhandled" before the user could.
    g_signal_stop_emission_by_name(gop, "ask-password");
    emit op->owner->passwordNeeded(op->id, QString::fromUtf8(message));
}

void GioVolumeMonitor::askQuestion(GMountOperation *gop, const char *message, const char **choices,
                                   gpointer data)
{
    auto *op = static_cast<Operation *>(data);
    if (!op->owner) {
        g_mount_operation_reply(gop, G_MOUNT_OPERATION_ABORTED);
        return;
    }
    g_signal_stop_emission_by_name(gop, "ask-question");
    QStringList list;
    for (; choices && *choices; ++choices)
        list << QString::fromUtf8(*choices);
    emit op->owner->questionAsked(op->id, QString::fromUtf8(message), list);
}

// The volume is in use: give up, and say so rather than force it.
void GioVolumeMonitor::showProcesses(GMountOperation *gop, const char *, GArray *, const char **,
                                     gpointer data)
{
    auto *op = static_cast<Operation *>(data);
    g_signal_stop_emission_by_name(gop, "show-processes");
    op->busy = true;
    g_mount_operation_reply(gop, G_MOUNT_OPERATION_ABORTED);
}

void GioVolumeMonitor::providePassword(const QString &id, const QString &password, bool cancelled)
{
    Operation *op = operationFor(id);
    if (!op)
        return;
    if (cancelled) {
        g_mount_operation_reply(op->gop, G_MOUNT_OPERATION_ABORTED);
        return;
    }
    g_mount_operation_set_password(op->gop, password.toUtf8().constData());
    g_mount_operation_set_password_save(op->gop, G_PASSWORD_SAVE_NEVER);
    g_mount_operation_reply(op->gop, G_MOUNT_OPERATION_HANDLED);
}

void GioVolumeMonitor::answerQuestion(const QString &id, int choice)
{
    Operation *op = operationFor(id);
    if (!op)
        return;
    if (choice < 0) {
        g_mount_operation_reply(op->gop, G_MOUNT_OPERATION_ABORTED);
        return;
    }
    g_mount_operation_set_choice(op->gop, choice);
    g_mount_operation_reply(op->gop, G_MOUNT_OPERATION_HANDLED);
}

void GioVolumeMonitor::finish(Operation *op, bool ok, const GError *error)
{
    operations_.removeOne(op);
    // Just after a volume is mounted, the desktop's volume service may put a
    // new mount in place of the one this process was told of, and refuses
    // the old one as not found: asked once more, with the objects found afresh.
    if (!ok && op->kind != Mount && !op->again &&
        g_error_matches(error, G_IO_ERROR, G_IO_ERROR_DBUS_ERROR)) {
        QTimer::singleShot(RetryDelayMs, this, [this, id = op->id, kind = op->kind] {
            tryingAgain_ = id;
            if (kind == Unmount)
                unmount(id);
            else if (kind == Eject)
                eject(id);
            else
                stop(id);
            tryingAgain_.clear();
        });
        return;
    }
    const bool busy = op->busy || g_error_matches(error, G_IO_ERROR, G_IO_ERROR_BUSY);
    if (op->kind == Mount &&
        (ok || g_error_matches(error, G_IO_ERROR, G_IO_ERROR_ALREADY_MOUNTED))) {
        Objects o;
        QString path;
        if (find(op->id, &o) && o.mount) {
            GFile *root = g_mount_get_root(o.mount);
            path = takeString(g_file_get_path(root));
            g_object_unref(root);
        }
        emit mounted(op->id, path);
    } else if (ok) {
        emit unmounted(op->id);
    } else if (busy) {
        emit failed(op->id, Words::tr("The volume is in use."), true);
    } else if (g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED) ||
               g_error_matches(error, G_IO_ERROR, G_IO_ERROR_FAILED_HANDLED)) {
        emit failed(op->id, QString(), false);
    } else {
        // GIO's messages are already meant for people.
        emit failed(op->id,
                    error && error->message && *error->message ? QString::fromUtf8(error->message)
                                                               : Words::tr("The operation failed."),
                    false);
    }
}

void GioVolumeMonitor::done(GObject *source, GAsyncResult *result, gpointer data)
{
    auto *op = static_cast<Operation *>(data);
    GError *error = nullptr;
    bool ok = false;
    switch (op->kind) {
    case Mount:
        ok = g_volume_mount_finish(G_VOLUME(source), result, &error);
        break;
    case Unmount:
        ok = g_mount_unmount_with_operation_finish(G_MOUNT(source), result, &error);
        break;
    case Eject:
        ok = G_IS_VOLUME(source)
                 ? g_volume_eject_with_operation_finish(G_VOLUME(source), result, &error)
                 : g_mount_eject_with_operation_finish(G_MOUNT(source), result, &error);
        break;
    case Stop:
        ok = g_drive_stop_finish(G_DRIVE(source), result, &error);
        break;
    }
    if (op->owner)
        op->owner->finish(op, ok, error);
    g_clear_error(&error);
    delete op;
}

} // namespace

namespace {

struct UsageQuery
{
    QPointer<QObject> context;
    std::function<void(const VolumeUsage &)> done;
};

void usageAnswered(GObject *source, GAsyncResult *result, gpointer data)
{
    std::unique_ptr<UsageQuery> query(static_cast<UsageQuery *>(data));
    VolumeUsage usage;
    GFileInfo *info = g_file_query_filesystem_info_finish(G_FILE(source), result, nullptr);
    if (info) {
        const auto number = [info](const char *attribute) {
            return g_file_info_has_attribute(info, attribute)
                       ? qint64(g_file_info_get_attribute_uint64(info, attribute))
                       : qint64(-1);
        };
        usage.size = number(G_FILE_ATTRIBUTE_FILESYSTEM_SIZE);
        usage.free = number(G_FILE_ATTRIBUTE_FILESYSTEM_FREE);
        usage.used = number(G_FILE_ATTRIBUTE_FILESYSTEM_USED);
        if (usage.used < 0 && usage.size >= 0 && usage.free >= 0)
            usage.used = usage.size - usage.free;
        usage.fileSystem = QString::fromUtf8(
            g_file_info_get_attribute_string(info, G_FILE_ATTRIBUTE_FILESYSTEM_TYPE));
        g_object_unref(info);
    }
    g_object_unref(source);
    if (query->context)
        query->done(usage);
}

} // namespace

void queryVolumeUsage(const QString &path, QObject *context,
                      std::function<void(const VolumeUsage &)> done)
{
    if (!eventLoopRunsGlib()) {
        QMetaObject::invokeMethod(
            context, [done] { done({}); }, Qt::QueuedConnection);
        return;
    }
    GFile *file = g_file_new_for_path(path.toUtf8().constData());
    g_file_query_filesystem_info_async(file, "filesystem::*", G_PRIORITY_DEFAULT, nullptr,
                                       usageAnswered, new UsageQuery{context, std::move(done)});
}

QList<DriveVolume> unmountedVolumes(const VolumeMonitor *monitor)
{
    QList<DriveVolume> out;
    if (monitor)
        for (const DriveVolume &v : monitor->volumes())
            if (!v.isMounted() && v.canMount)
                out.append(v);
    return out;
}

std::unique_ptr<VolumeMonitor> makeSystemVolumeMonitor(QObject *parent)
{
    return std::make_unique<GioVolumeMonitor>(parent);
}

} // namespace tarnwick
