#include "terminal.h"

// GLib names struct members "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace tarnwick::Terminal {
namespace {

// `command` split as a shell would, its program found on PATH; empty when
// it cannot be parsed or the program is not there.
QList<QByteArray> usable(const QByteArray &command)
{
    int argc = 0;
    char **argv = nullptr;
    if (command.trimmed().isEmpty() ||
        !g_shell_parse_argv(command.constData(), &argc, &argv, nullptr))
        return {};
    QList<QByteArray> result;
    if (char *program = g_find_program_in_path(argv[0])) {
        result.append(QByteArray(program));
        g_free(program);
        for (int i = 1; i < argc; ++i)
            result.append(QByteArray(argv[i]));
    }
    g_strfreev(argv);
    return result;
}

// The terminal the desktop's settings name, read only when that schema is
// installed: GSettings aborts on a schema it does not know.
QByteArray desktopSetting()
{
    static const char schemaId[] = "org.gnome.desktop.default-applications.terminal";
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    if (!source)
        return {};
    GSettingsSchema *schema = g_settings_schema_source_lookup(source, schemaId, TRUE);
    if (!schema)
        return {};
    QByteArray command;
    if (g_settings_schema_has_key(schema, "exec")) {
        GSettings *settings = g_settings_new_full(schema, nullptr, nullptr);
        gchar *exec = g_settings_get_string(settings, "exec");
        command = exec;
        g_free(exec);
        g_object_unref(settings);
    }
    g_settings_schema_unref(schema);
    return command;
}

} // namespace

QList<QByteArray> find()
{
    if (auto found = usable(qgetenv("TERMINAL")); !found.isEmpty())
        return found;
    for (const char *program : {"xdg-terminal-exec", "x-terminal-emulator"}) {
        if (auto found = usable(program); !found.isEmpty())
            return found;
    }
    if (auto found = usable(desktopSetting()); !found.isEmpty())
        return found;
    for (const char *program :
         {"gnome-terminal", "konsole", "xfce4-terminal", "lxterminal", "qterminal", "mate-terminal",
          "tilix", "alacritty", "kitty", "foot", "xterm"}) {
        if (auto found = usable(program); !found.isEmpty())
            return found;
    }
    return {};
}

} // namespace tarnwick::Terminal
