#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <atomic>
#include <optional>
#include <sys/types.h>

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

// What a .trashinfo file records.
struct TrashInfo
{
    QByteArray path;     // absolute, as bytes, without "." or ".." components
    QDateTime deletedAt; // invalid when missing or unreadable
};

// Reads the text of a .trashinfo file of a trash whose relative paths are
// relative to `top` (empty for the home trash, which records absolute paths
// only). Nothing when the file is not one we can trust: no [Trash Info]
// group, no usable Path, a NUL byte, or a ".." that could climb anywhere.
std::optional<TrashInfo> parseTrashInfo(const QByteArray &text, const QByteArray &top);

// One trash folder and the top of the volume it serves (empty for the home
// trash).
struct TrashDir
{
    QByteArray dir;
    QByteArray top;
};

// The trash folders to look at, before checking that they are usable: the
// home trash, then $top/.Trash/$uid and $top/.Trash-$uid of each volume top.
QList<TrashDir> trashDirCandidates(const QByteArray &homeTrash, const QList<QByteArray> &tops);

// The user's trashes in the freedesktop.org layout: the home trash and those
// at the top of mounted volumes. Listing, trashing, restoring and erasing all
// go by the same list of volume tops, so a store built from the list the
// Recycle Bin shows can act on everything it shows.
class TrashStore
{
public:
    // homeTrash empty: $XDG_DATA_HOME/Trash. volumeTops: the top folders of
    // the mounted volumes whose trashes count; without them only the home
    // trash does.
    explicit TrashStore(QString homeTrash = {}, QList<QByteArray> volumeTops = {});

    const QString &homeTrash() const { return home_; }

    // Every item with both an info file and an entry in files/. Info files
    // that cannot be read are skipped.
    QList<TrashItem> items() const;

    // The item whose entry in files/ is `filesPath`, looking at that one trash
    // only; nothing when it is not (or no longer) in one of ours.
    std::optional<TrashItem> item(const QByteArray &filesPath) const;

    // Every trash folder this store may hold items in, usable or not, and
    // the items of one of them (none when it is not usable): for a job that
    // goes through them one by one, off the window's thread.
    QList<TrashDir> dirs() const;
    QList<TrashItem> itemsIn(const TrashDir &loc) const;

    // Moves `path` into the trash of its own volume: the home trash when it
    // lives on the same device, else the trash at the top of its volume. Only
    // ever renames; false with *error set when that is not possible.
    // *placed, when given, is where it went in files/.
    bool trash(const QString &path, QString *error = nullptr) const;
    bool trashEncoded(const QByteArray &path, QString *error = nullptr,
                      QByteArray *placed = nullptr) const;

    // Moves the item back to `target`, or to where its info file says it
    // came from when that is empty. Missing parent folders are created under
    // their exact bytes. Never replaces anything, and never leaves the volume
    // of a volume's trash.
    bool restore(const TrashItem &item, const QByteArray &target = {},
                 QString *error = nullptr) const;

    // Deletes the item for good: its entry in files/, then its info file.
    // Links are removed, never followed. Stops between entries once `cancel`
    // is set, keeping the info file of what is left; *error then says how
    // much went.
    bool erase(const TrashItem &item, QString *error = nullptr,
               const std::atomic<bool> *cancel = nullptr) const;

private:
    QList<TrashDir> usableDirs() const;
    std::optional<TrashDir> dirOf(const TrashItem &item) const;
    QList<TrashItem> itemsOf(const TrashDir &loc) const;
    std::optional<TrashItem> makeItem(const TrashDir &loc, const QByteArray &entry) const;
    std::optional<TrashDir> volumeTrash(const QByteArray &folder, dev_t dev, const QString &what,
                                        QString *error) const;

    QString home_;
    QList<QByteArray> volumeTops_;
};

} // namespace tarnwick
