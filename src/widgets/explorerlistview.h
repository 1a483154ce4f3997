#pragma once

#include "location.h"
#include "verbs.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QAbstractItemModel;
class QAbstractItemView;
class QItemSelectionModel;
class QLabel;
class QListView;
class QMenu;
class QStackedLayout;
class QTimer;
class QTreeView;

namespace tarnwick {

class FileOpener;
class FolderModel;
class FolderWatcher;
class Launcher;
class OpenAsker;
class JobAsker;
class JobRunner;
class TrashStore;
class MountMonitor;
class VolumeMonitor;
class ShellItemsModel;
class ThumbnailProvider;
struct ThumbnailPolicy;
class UserMessages;
struct Volume;

// The file list: the contents of one place in four views. A file-system
// folder shows through the folder model, a special place through the shell
// items model; view modes switch which view shows the model, never the model.
class ExplorerListView : public QWidget
{
    Q_OBJECT
public:
    // The four views, by the numbers the preferences store.
    enum class ViewMode
    {
        LargeIcons = 0,
        SmallIcons = 1,
        List = 2,
        Details = 3
    };
    static constexpr ViewMode LargeIcons = ViewMode::LargeIcons;
    static constexpr ViewMode SmallIcons = ViewMode::SmallIcons;
    static constexpr ViewMode ListMode = ViewMode::List;
    static constexpr ViewMode Details = ViewMode::Details;
    using Navigator = std::function<bool(const Location &location)>;
    using VolumeSource = std::function<QList<Volume>()>;
    using TrashTopSource = std::function<QList<QByteArray>()>;

    explicit ExplorerListView(QWidget *parent = nullptr);
    ~ExplorerListView() override;

    // Properties. Stored preferences arrive as text ("0".."3", "1"/"0"); the
    // text setters convert them and refuse, changing nothing, what they
    // cannot convert.
    ViewMode View() const { return view_; }
    void setView(ViewMode mode);
    bool setViewText(const QString &text);
    QString Pattern() const { return pattern_; }
    void setPattern(const QString &pattern);
    // `Hidden`: show hidden items. (QWidget::setHidden is taken.)
    bool Hidden() const { return showHidden_; }
    void setShowHidden(bool on);
    bool setHiddenText(const QString &text);
    bool System() const { return showSystem_; }
    void setSystem(bool on);
    bool setSystemText(const QString &text);
    bool AllowFileRename() const { return allowRename_; }
    void setAllowFileRename(bool on);
    bool setAllowFileRenameText(const QString &text);
    void setRedraw(bool on);
    // The side of Large Icons' pictures: 48 to 256 pixels, the style's own
    // at the start. Ctrl with the wheel, plus or minus changes it.
    int LargeIconSide() const;
    void setLargeIconSide(int side);
    // Which files get pictures of their own in Large Icons.
    void setThumbnailPolicy(const ThumbnailPolicy &policy);

    int ItemCount() const;
    bool Selected(int index) const;
    void setSelected(int index, bool on);
    // Selects exactly the items that were not selected, as whole rows.
    void invertSelection();
    QString ItemPath(int index) const;

    // The place shown; set by the linked tree, or by the list itself when it
    // stands alone.
    Location location() const { return location_; }
    void setLocation(const Location &location);
    // The folder shown, or empty for a special place.
    QString folder() const { return location_.isFolder() ? location_.path : QString(); }
    void setFolder(const QString &path) { setLocation(Location::folder(path)); }
    // Reads the place again, keeping selection and scroll position.
    void reload();
    // Shows `text` in place of the items while the next place is waited
    // for; an empty text, or any place set, shows the items again.
    void showWaiting(const QString &text);
    // What is shown while waiting; empty when not waiting.
    QString waitingText() const;

    // Runs a verb on the selection (Restore only in the Recycle Bin); Find
    // and New Folder are not the selection's.
    void InvokeVerb(Verb verb);
    // After a question, deletes for good everything in every trash the
    // Recycle Bin shows.
    void emptyRecycleBin();
    // The selected items as the bytes of their paths.
    QList<QByteArray> selectedPaths() const;
    // A new folder here, then renaming it in place.
    void newFolder();
    // Selects the items of these names in the folder shown as its listing
    // brings them in; the first is made current. Waits until the listing
    // ends, or for at most `patienceMs` when that is given.
    void selectWhenListed(const QStringList &names, int patienceMs = 0);
    // Once the job ends, what it made in the folder shown becomes the
    // selection, as the folder's watcher brings it in.
    void selectWhenArrived(JobRunner *runner);

    // Who moves to a place the user opens in the list: the linked tree, or
    // the list itself when none is set.
    void setNavigator(Navigator navigator);
    void setMessages(UserMessages *messages);
    void setLauncher(Launcher *launcher);
    // What opening files asks; the Open With dialog when none is set.
    void setOpenAsker(OpenAsker *asker) { openAsker_ = asker; }
    void setVolumeSource(VolumeSource volumes);
    // The desktop's volumes My Computer lists unmounted, who mounts and
    // shows one opened, and who adds a volume's entries to its menu; none
    // when null.
    using VolumeMenu = std::function<void(QMenu &, const QString &)>;
    void setVolumeMonitor(VolumeMonitor *monitor, std::function<void(const QString &)> open,
                          VolumeMenu entries = {});
    // The volume tops whose trashes the Recycle Bin shows and its verbs act
    // on; this process's mount table when none is set.
    void setTrashTopSource(TrashTopSource tops);

    FolderModel *model() const { return model_; }
    ShellItemsModel *shellModel() const { return shell_; }
    QAbstractItemModel *activeModel() const;
    QItemSelectionModel *selectionModel() const;
    QAbstractItemView *currentView() const;
    // Both inner views, for the window's tab order.
    QList<QAbstractItemView *> views() const;

    // The folder itself when it is there, else its nearest ancestor that is.
    static QString nearestFolder(QString path);

    // Text "1"/"0" as a switch; nullopt for anything else.
    static std::optional<bool> switchFromText(const QString &text);

signals:
    void FolderChanged(const QString &folder);
    void Click();
    void GotFocus();
    void showHiddenChanged(bool on);
    // The user made the icons larger or smaller.
    void largeIconSideChanged(int side);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open(const QModelIndex &index);
    // One request to open files, on the services set here.
    FileOpener *newOpener();
    // The files of the selection when `row` is among them, else that one.
    QList<QByteArray> filesToOpen(int row) const;
    void addOpenWith(QMenu &menu, int row);
    void openTerminalHere(const QByteArray &folder);
    void showContextMenu(QAbstractItemView *view, const QPoint &pos);
    void showContextMenuFromKeyboard(QAbstractItemView *view);
    void showContextMenuFor(QAbstractItemView *view, const QModelIndex &at, const QPoint &pos);
    // "Empty Recycle Bin", for the Recycle Bin's item or its background.
    void addEmptyTrash(QMenu &menu, bool enabled);
    bool handleDrag(QAbstractItemView *view, QEvent *event);
    QList<int> selectedRows() const;
    TrashStore trashStore() const;
    void applyEditTriggers();
    int largeIconSide() const;
    // Pictures of files: asked for the items in sight, and a screen around.
    void askForThumbnails();
    void zoomIcons(int steps);
    bool zoomEvent(QObject *watched, QEvent *event);
    void useModel(QAbstractItemModel *model, QItemSelectionModel *selection);
    void showSpecial(NameSpace nameSpace);
    void onFolderGone();
    // Tells the user the folder could not be read completely.
    void reportUnread(int error);
    // Leaves the folder `gone` for `path`, the nearest folder still there.
    void leaveGoneFolder(const QString &gone, const QString &path);
    void markCutItems();
    const std::vector<std::pair<int, int>> &selectedRanges() const;

    FolderModel *model_;
    QItemSelectionModel *selection_;
    ShellItemsModel *shell_;
    QItemSelectionModel *shellSelection_;
    FolderWatcher *specialWatcher_;
    MountMonitor *mounts_ = nullptr;
    QStackedLayout *stack_;
    QListView *icons_;
    QTreeView *details_;
    QLabel *waiting_ = nullptr;
    ThumbnailProvider *thumbs_;
    QTimer *thumbsWanted_;
    int iconSide_ = 0; // 0: the style's
    Location location_;
    ViewMode view_ = SmallIcons;
    QString pattern_ = QStringLiteral("*.*");
    bool showHidden_ = true;
    bool showSystem_ = true;
    bool allowRename_ = true;
    bool editingHeld_ = false; // renaming is off until a Ctrl or Shift click ends
    Navigator navigator_;
    UserMessages *messages_;
    Launcher *launcher_;
    OpenAsker *openAsker_ = nullptr;
    VolumeSource volumes_;
    QPointer<VolumeMonitor> driveVolumes_;
    std::function<void(const QString &)> openVolume_;
    VolumeMenu volumeMenu_;
    TrashTopSource trashTops_;
    JobAsker *asker_;
    // The selection as sorted, disjoint row ranges, rebuilt on the first read
    // after a change: walking every item's `Selected` is then cheap even for
    // 100,000 items.
    mutable std::vector<std::pair<int, int>> selectedRanges_;
    mutable bool selectionDirty_ = true;
};

} // namespace tarnwick
