#include "shellsources.h"

#include "desktopentries.h"
#include "fileentry.h"
#include "foldermodel.h"
#include "icons.h"
#include "mounts.h"
#include "rawpaths.h"
#include "trash.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace tarnwick::ShellSources {
namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ShellSources)
};

QString dateText(const QDateTime &when)
{
    return when.isValid() ? QLocale().toString(when, QLocale::ShortFormat) : QString();
}

QString mimeComment(const QString &name, QString *iconName)
{
    static const QMimeDatabase db;
    const QMimeType mime = db.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    if (iconName)
        *iconName = mime.isDefault() ? QStringLiteral("text-x-generic") : mime.iconName();
    return mime.isDefault() ? Words::tr("File") : mime.comment();
}

ShellItem place(NameSpace nameSpace)
{
    ShellItem item;
    item.name = nameSpaceName(nameSpace);
    item.iconName = Icons::placeIconName(nameSpace);
    item.container = true;
    item.pinned = true;
    item.target = Location::special(nameSpace);
    item.columns = {QString(), Words::tr("System Folder"), QString()};
    return item;
}

QList<ShellItem> folderItems(const QString &folder)
{
    QList<ShellItem> items;
    const int fd = open(rawpath::toBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return items;
    DIR *dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return items;
    }
    while (const dirent *d = readdir(dir)) {
        const char *n = d->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        FileEntry e;
        if (!statEntry(fd, n, e))
            continue;
        ShellItem item;
        item.name = e.name;
        item.path = joinPath(folder, e.name);
        item.encodedPath = rawpath::join(rawpath::toBytes(folder), e.encodedName());
        item.container = e.isDir;
        item.hidden = e.attributes & AttrHidden;
        const QString modified = dateText(QDateTime::fromSecsSinceEpoch(e.mtime));
        if (e.isDir) {
            item.target = Location::folder(item.path);
            item.iconName = QStringLiteral("folder");
            item.columns = {QString(), Words::tr("Folder"), modified};
        } else {
            QString icon;
            item.columns = {FolderModel::sizeText(e.size), mimeComment(e.name, &icon), modified};
            item.iconName = icon;
        }
        item.sortKeys = {e.isDir ? 0 : e.size, QVariant(), e.mtime};
        items.append(item);
    }
    closedir(dir);
    return items;
}

} // namespace

ShellItemsModel::Source desktop(const QString &desktopDir)
{
    ShellItemsModel::Source s;
    s.headers = {Words::tr("Name"), Words::tr("Size"), Words::tr("Type"), Words::tr("Modified")};
    s.gather = [desktopDir] {
        QList<ShellItem> items;
        for (NameSpace n : {MyComputerSpace, ControlPanelSpace, PrintersSpace, RecycleBinSpace})
            items.append(place(n));
        if (!desktopDir.isEmpty() && desktopDir != QDir::homePath())
            items += folderItems(desktopDir);
        return items;
    };
    return s;
}

QString volumeKind(const QString &mountPoint, const QList<Volume> &volumes)
{
    if (mountPoint == QLatin1String("/"))
        return Words::tr("Local Disk");
    for (const Volume &v : volumes) {
        if (v.mountPoint == mountPoint)
            return v.network ? Words::tr("Network Drive")
                             : Words::tr("Local Disk (%1)").arg(v.fileSystem);
    }
    return {};
}

ShellItemsModel::Source myComputer(VolumeSource volumes, const QString &homeDir,
                                   const QList<DriveVolume> &unmounted)
{
    ShellItemsModel::Source s;
    s.headers = {Words::tr("Name"), Words::tr("Type"), Words::tr("Total Size"),
                 Words::tr("Free Space")};
    s.gather = [volumes, homeDir, unmounted] {
        QList<ShellItem> items;
        auto add = [&items](const QString &path, const QString &name, const QString &type,
                            const QString &icon) {
            ShellItem item;
            item.name = name;
            item.iconName = icon;
            item.container = true;
            item.target = Location::folder(path);
            item.path = path;
            item.encodedPath = rawpath::toBytes(path);
            qint64 total = 0, available = 0;
            if (volumeSpace(path, &total, &available)) {
                item.columns = {type, FolderModel::sizeText(total),
                                FolderModel::sizeText(available)};
                item.sortKeys = {QVariant(), total, available};
            } else {
                item.columns = {type, QString(), QString()};
            }
            items.append(item);
        };
        const QList<Volume> mounted = volumes();
        add(QStringLiteral("/"), QStringLiteral("/"), volumeKind(QStringLiteral("/"), mounted),
            QStringLiteral("drive-harddisk"));
        add(homeDir, Words::tr("Home"), Words::tr("Home Folder"), QStringLiteral("user-home"));
        for (const Volume &v : mounted) {
            if (v.mountPoint == QLatin1String("/") || v.mountPoint == homeDir)
                continue;
            add(v.mountPoint, v.name, volumeKind(v.mountPoint, mounted),
                v.network ? QStringLiteral("folder-remote") : QStringLiteral("drive-harddisk"));
        }
        for (const DriveVolume &v : unmounted) {
            ShellItem item;
            item.name = v.name;
            item.iconName =
                v.iconName.isEmpty() ? QStringLiteral("drive-removable-media") : v.iconName;
            item.container = true;
            item.volumeId = v.id;
            item.dimmed = true;
            item.columns = {v.kind, QString(), QString()};
            items.append(item);
        }
        return items;
    };
    return s;
}

ShellItemsModel::Source controlPanel()
{
    ShellItemsModel::Source s;
    s.headers = {Words::tr("Name"), Words::tr("Description")};
    s.gather = [] {
        QList<ShellItem> items;
        for (const DesktopApp &app : settingsApplications()) {
            const QStringList command = execArguments(app.exec);
            if (command.isEmpty())
                continue;
            ShellItem item;
            item.name = app.name;
            item.iconName = app.iconName;
            item.columns = {app.comment};
            item.path = app.file;
            item.program = command.first();
            item.arguments = command.mid(1);
            items.append(item);
        }
        return items;
    };
    return s;
}

ShellItemsModel::Source recycleBin(TrashTopSource tops)
{
    ShellItemsModel::Source s;
    s.headers = {Words::tr("Name"), Words::tr("Original Location"), Words::tr("Date Deleted"),
                 Words::tr("Size"), Words::tr("Type")};
    s.gather = [tops] {
        QList<ShellItem> items;
        for (const TrashItem &t : TrashStore({}, tops()).items()) {
            ShellItem item;
            item.name = t.name;
            item.path = t.filesPath;
            item.encodedPath = t.encodedFilesPath;
            QString icon = QStringLiteral("folder");
            const QString type = t.isDir ? Words::tr("Folder") : mimeComment(t.name, &icon);
            item.iconName = icon;
            const qsizetype slash = t.originalPath.lastIndexOf(QLatin1Char('/'));
            const QString where = slash <= 0 ? QStringLiteral("/") : t.originalPath.left(slash);
            item.columns = {where, dateText(t.deletedAt),
                            t.isDir ? QString() : FolderModel::sizeText(t.size), type};
            item.sortKeys = {QVariant(), t.deletedAt.toSecsSinceEpoch(), t.size, QVariant()};
            items.append(item);
        }
        return items;
    };
    return s;
}

} // namespace tarnwick::ShellSources
