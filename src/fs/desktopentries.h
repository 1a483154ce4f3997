#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnwick {

// One application as its .desktop file describes it.
struct DesktopApp
{
    QString id;       // "subdir-foo.desktop" for applications/subdir/foo.desktop
    QString name;     // localized
    QString comment;  // localized
    QString iconName; // a theme icon name or an absolute path
    QString exec;     // the Exec value with string escapes resolved; see execArguments
    QString file;     // the .desktop file it was read from
};

// The desktop's settings applications: Type=Application entries in the
// "Settings" category that are meant to be shown here and can be started.
// Entries in $XDG_DATA_HOME/applications hide those of the same id in the
// $XDG_DATA_DIRS ones. Sorted by name, ignoring case.
QList<DesktopApp> settingsApplications();

// Reads the [Desktop Entry] group of one file, localized for the current
// locale. *ok is false when the file is not a desktop entry.
DesktopApp readDesktopFile(const QString &path, bool *ok);

// Splits an Exec value into the program and its arguments, dropping field
// codes (%f, %U, ...) and turning "%%" into "%". Empty for a value that
// cannot be parsed (an open quote, an unknown field code).
QStringList execArguments(const QString &exec);

} // namespace tarnwick
