#include "applications.h"

#include "rawpaths.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <vector>

// GLib names struct members "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace tarnwick::Applications {
namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Applications)
};

struct Unref
{
    void operator()(gpointer p) const { g_object_unref(p); }
};
template <class T> using GPtr = std::unique_ptr<T, Unref>;

QString text(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

// The errno closest to what GIO reported, with its own words.
LaunchResult failure(GError *error)
{
    LaunchResult result{EIO, text(error ? error->message : nullptr)};
    if (error && error->domain == G_SPAWN_ERROR) {
        switch (error->code) {
        case G_SPAWN_ERROR_NOENT:
            result.error = ENOENT;
            break;
        case G_SPAWN_ERROR_ACCES:
            result.error = EACCES;
            break;
        case G_SPAWN_ERROR_PERM:
            result.error = EPERM;
            break;
        case G_SPAWN_ERROR_NOEXEC:
            result.error = ENOEXEC;
            break;
        case G_SPAWN_ERROR_CHDIR:
            result.error = ENOENT;
            break;
        default:
            break;
        }
    } else if (error && g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND)) {
        result.error = ENOENT;
    }
    if (error)
        g_error_free(error);
    return result;
}

// Whether a command line takes several files or addresses at once. Field
// codes are GIO's to expand; this only looks for the list forms.
bool takesLists(const char *commandLine)
{
    for (const char *c = commandLine; c && *c; ++c) {
        if (*c != '%' || !c[1])
            continue;
        if (c[1] == 'F' || c[1] == 'U')
            return true;
        ++c; // "%%" and the single forms
    }
    return false;
}

Application fromInfo(GAppInfo *info)
{
    Application app;
    app.id = text(g_app_info_get_id(info));
    app.name = text(g_app_info_get_name(info));
    if (GIcon *icon = g_app_info_get_icon(info)) {
        if (G_IS_THEMED_ICON(icon)) {
            const gchar *const *names = g_themed_icon_get_names(G_THEMED_ICON(icon));
            if (names && names[0])
                app.iconName = text(names[0]);
        } else if (G_IS_FILE_ICON(icon)) {
            if (char *path = g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon)))) {
                app.iconName = rawpath::toText(QByteArray(path));
                g_free(path);
            }
        }
    }
    app.supportsMultiple = takesLists(g_app_info_get_commandline(info));
    return app;
}

GPtr<GAppInfo> infoFor(const QString &app)
{
    if (app.startsWith(QLatin1Char('/')))
        return GPtr<GAppInfo>(
            G_APP_INFO(g_desktop_app_info_new_from_filename(rawpath::toBytes(app).constData())));
    return GPtr<GAppInfo>(G_APP_INFO(g_desktop_app_info_new(app.toUtf8().constData())));
}

QList<Application> takeList(GList *infos)
{
    QList<Application> apps;
    for (GList *l = infos; l; l = l->next) {
        apps.append(fromInfo(G_APP_INFO(l->data)));
        g_object_unref(l->data);
    }
    g_list_free(infos);
    return apps;
}

} // namespace

std::optional<Application> find(const QString &id)
{
    GPtr<GAppInfo> info = infoFor(id);
    if (!info)
        return std::nullopt;
    return fromInfo(info.get());
}

std::optional<Application> defaultFor(const QString &contentType)
{
    GPtr<GAppInfo> info(g_app_info_get_default_for_type(contentType.toUtf8().constData(), FALSE));
    if (!info)
        return std::nullopt;
    return fromInfo(info.get());
}

QList<Application> recommendedFor(const QString &contentType)
{
    return takeList(g_app_info_get_recommended_for_type(contentType.toUtf8().constData()));
}

QList<Application> all()
{
    GList *infos = g_app_info_get_all();
    QList<Application> apps;
    for (GList *l = infos; l; l = l->next) {
        auto *info = G_APP_INFO(l->data);
        if (g_app_info_should_show(info))
            apps.append(fromInfo(info));
        g_object_unref(info);
    }
    g_list_free(infos);
    std::sort(apps.begin(), apps.end(), [](const Application &a, const Application &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return apps;
}

LaunchResult setDefault(const QString &id, const QString &contentType)
{
    GPtr<GAppInfo> info = infoFor(id);
    if (!info)
        return {ENOENT, Words::tr("The application “%1” is not installed.").arg(id)};
    GError *error = nullptr;
    if (!g_app_info_set_as_default_for_type(info.get(), contentType.toUtf8().constData(), &error))
        return failure(error);
    return {};
}

LaunchResult launch(const QString &app, const QList<QByteArray> &paths)
{
    GPtr<GAppInfo> info = infoFor(app);
    if (!info)
        return {ENOENT, Words::tr("The application “%1” is not installed.").arg(app)};
    GList *files = nullptr;
    for (const QByteArray &path : paths)
        files = g_list_prepend(files, g_file_new_for_path(path.constData()));
    files = g_list_reverse(files);
    GError *error = nullptr;
    const bool started = g_app_info_launch(info.get(), files, nullptr, &error);
    g_list_free_full(files, g_object_unref);
    return started ? LaunchResult{} : failure(error);
}

LaunchResult startIn(const QList<QByteArray> &argv, const QByteArray &workingDir)
{
    if (argv.isEmpty())
        return {ENOENT, Words::tr("There is no program to start.")};
    std::vector<char *> args;
    for (const QByteArray &a : argv)
        args.push_back(const_cast<char *>(a.constData()));
    args.push_back(nullptr);
    GError *error = nullptr;
    // Without G_SPAWN_DO_NOT_REAP_CHILD the program is left to the system to
    // reap: nothing here waits for it.
    if (!g_spawn_async(workingDir.isEmpty() ? nullptr : workingDir.constData(), args.data(),
                       nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr, &error))
        return failure(error);
    return {};
}

std::optional<std::pair<QString, QString>> launcherOf(const QByteArray &path)
{
    GPtr<GAppInfo> info(G_APP_INFO(g_desktop_app_info_new_from_filename(path.constData())));
    if (!info)
        return std::nullopt;
    return std::pair{text(g_app_info_get_name(info.get())),
                     text(g_app_info_get_commandline(info.get()))};
}

FileFacts factsOf(const QByteArray &path)
{
    FileFacts facts;
    facts.path = path;
    GPtr<GFile> file(g_file_new_for_path(path.constData()));
    GPtr<GFileInfo> info(g_file_query_info(file.get(),
                                           G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE
                                           "," G_FILE_ATTRIBUTE_STANDARD_TYPE
                                           "," G_FILE_ATTRIBUTE_UNIX_MODE,
                                           G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    if (!info)
        return facts;
    facts.contentType = text(g_file_info_get_content_type(info.get()));
    const GFileType type = g_file_info_get_file_type(info.get());
    facts.isDir = type == G_FILE_TYPE_DIRECTORY;
    const guint32 mode = g_file_info_get_attribute_uint32(info.get(), G_FILE_ATTRIBUTE_UNIX_MODE);
    facts.executable = type == G_FILE_TYPE_REGULAR && (mode & 0111) != 0;
    return facts;
}

QString typeByName(const QByteArray &name)
{
    char *type = g_content_type_guess(name.constData(), nullptr, 0, nullptr);
    const QString result = text(type);
    g_free(type);
    return result;
}

bool canBeExecutable(const QString &contentType)
{
    return g_content_type_can_be_executable(contentType.toUtf8().constData());
}

bool isLauncherType(const QString &contentType)
{
    return g_content_type_is_a(contentType.toUtf8().constData(), "application/x-desktop");
}

QString textType()
{
    return QStringLiteral("text/plain");
}

} // namespace tarnwick::Applications
