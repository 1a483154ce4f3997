#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarnwick {

// One item in a trash: a .trashinfo file in <trash>/info and its entry of the
// same name in <trash>/files.
struct TrashItem
{
    QString name;         // last component of the original path, for display
    QString originalPath; // absolute, decoded for display
    QDateTime deletedAt;  // local time; invalid when the info file has none we can read
    QString filesPath;
    QString infoPath;
    QString trashDir;
    qint64 size = 0; // lstat size; 0 for folders
    bool isDir = false;

    // The on-disk bytes of the paths above. Names that are not valid UTF-8 do
    // not survive the trip through QString, so every operation uses these.
    QByteArray encodedOriginalPath;
    QByteArray encodedFilesPath;
    QByteArray encodedInfoPath;
};

// The user's trashes in the freedesktop.org layout: the home trash and those
// at the top of mounted volumes.
class TrashStore
{
public:
    // homeTrash empty: $XDG_DATA_HOME/Trash. volumeTops: the top folders of
    // mounted volumes whose trashes are listed as well.
    explicit TrashStore(QString homeTrash = {}, QStringList volumeTops = {});

    const QString &homeTrash() const { return home_; }

    // Every item with both an info file and an entry in files/. Info files
    // that cannot be read are skipped.
    QList<TrashItem> items() const;

    // Moves `path` into the trash of its own volume: the home trash when it
    // lives on the same device, else the trash at the top of its volume. Only
    // ever renames; false with *error set when that is not possible.
    bool trash(const QString &path, QString *error = nullptr);
    bool trashEncoded(const QByteArray &path, QString *error = nullptr);

    // Moves the item back to `targetPath`, or to where it came from when that
    // is empty. Missing parent folders are created. Never replaces anything.
    bool restore(const TrashItem &item, const QString &targetPath = {}, QString *error = nullptr);

    // Deletes the item for good: its entry in files/, then its info file.
    bool erase(const TrashItem &item, QString *error = nullptr);

private:
    struct TrashDir
    {
        QByteArray dir; // the trash folder
        QByteArray top; // what relative Path= values are relative to; empty for the home trash
    };
    QList<TrashDir> trashDirs() const;
    bool owns(const TrashItem &item) const;

    QString home_;
    QStringList volumeTops_;
};

} // namespace tarnwick
