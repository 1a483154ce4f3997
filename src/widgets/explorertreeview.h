#pragma once

#include "location.h"
#include "verbs.h"

#include <QPointer>
#include <QWidget>

class QMenu;
class QTreeView;

namespace tarnwick {

class ExplorerCombo;
class ExplorerListView;
class Launcher;
class MountMonitor;
class NamespaceModel;
class NetworkMounter;
class UserMessages;
class VolumeMonitor;

// The folder tree over the whole namespace. Once linked, it drives the file
// list and the address box: a place chosen here fills both, and a place
// opened in either moves the tree.
class ExplorerTreeView : public QWidget
{
    Q_OBJECT
public:
    // `model` defaults to the namespace of this machine and user.
    explicit ExplorerTreeView(QWidget *parent = nullptr, NamespaceModel *model = nullptr);
    ~ExplorerTreeView() override;

    void setLinkedListView(ExplorerListView *list);
    void setLinkedCombo(ExplorerCombo *combo);

    // The folder's path, or empty at a special place.
    QString CurrentFolder() const { return current_.isFolder() ? current_.path : QString(); }
    // Navigates; a path that does not exist or cannot be opened leaves every
    // control where it was and tells the user. "~" is the home folder and a
    // relative path is taken from the current folder.
    bool setCurrentFolder(const QString &path);
    // 0 at a file-system folder, else the special place's number.
    int IsNameSpace() const { return int(current_.nameSpace); }
    NameSpace CurrentNameSpace() const { return current_.nameSpace; }
    Location location() const { return current_; }
    // `orElse`, when it is a folder, is taken instead of a folder that
    // cannot be shown, if it can be.
    bool navigateTo(const Location &location, const Location &orElse = {});
    bool finishNavigation(const Location &location, const QString &refusal);
    // To the parent folder; from "/" to My Computer, from there to Desktop.
    void GoUpOneLevel();
    // Back and forward through the places this tree has shown, as a browser
    // goes; a new place drops the ones ahead.
    void GoBack();
    void GoForward();
    bool canGoBack() const { return visitedAt_ > 0; }
    bool canGoForward() const { return visitedAt_ + 1 < visited_.size(); }
    // The network drive dialogs, modal. A location mapped shows under My
    // Computer and the tree goes there. An address given is connected at once.
    void MapNetworkDriveDialog(const QString &address = {});
    void DisconnectNetworkDriveDialog();
    // Goes to a server's place by its address, connecting it first (through
    // the Map Network Drive dialog, which asks what the server wants) when
    // it is not connected.
    bool openAddress(const QString &address);
    // Who mounts network locations; the desktop's own unless set.
    void setMounter(NetworkMounter *mounter);
    NetworkMounter *mounter();
    // Who lists, mounts and unmounts the desktop's volumes; the desktop's own
    // unless set. Not taken over.
    void setVolumeMonitor(VolumeMonitor *monitor);
    VolumeMonitor *volumeMonitor() const { return volumes_; }
    // Mounts the volume and shows it once mounted.
    void openVolume(const QString &id);
    // Adds Unmount, Eject and Safely Remove to a volume's menu, as far as
    // the volume allows them, and Properties when asked to.
    void addVolumeEntries(QMenu &menu, const QString &id, bool properties = false);
    // The volume's kind, file system and space, in a window of its own.
    void showVolumeProperties(const QString &id);
    void setRedraw(bool on);
    void setMessages(UserMessages *messages);
    // What starts a terminal; the desktop's own unless set.
    void setLauncher(Launcher *launcher) { launcher_ = launcher; }

    // Runs a verb on the tree's folder; Restore and New Folder are not the
    // folder's.
    void InvokeVerb(Verb verb);

    NamespaceModel *model() const { return model_; }
    QTreeView *view() const { return view_; }

    // The absolute, clean path `text` names, seen from `current`.
    static QString resolvePath(const QString &text, const QString &current);
    // Why `path` cannot be shown, or empty when it can.
    static QString refusalFor(const QString &path);
    // To My Computer if the current folder is no longer there.
    void leaveIfGone();

signals:
    void FolderChanged(const QString &folder);
    void GotFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onCurrentChanged(const QModelIndex &current);
    void show(const Location &location);
    void openFind();
    void openTerminalHere();
    void showContextMenu(const QPoint &pos);
    void showContextMenuFor(const QModelIndex &at, const QPoint &pos);
    // The folder a place stands for: its own path, or the desktop folder
    // for the Desktop; empty for the other special places.
    QString folderOf(const Location &place) const;
    bool handleDrag(QEvent *event);
    void leaveGoneFolder();
    // Leaves the current folder, gone, for `path`, the nearest still there.
    void leaveGoneFolderFor(const QString &path);
    void tellVolumeLost(const QString &path, const QString &place);
    QString placeHolding(const QString &path) const;
    // Opens the local folder of a place just connected once it answers.
    void openConnectedPlace(const QString &path, const QString &server);
    void travel(qsizetype to);
    void remember(const Location &location);
    // Leaves the volume, then unmounts, ejects or stops it by `how`.
    void releaseVolume(const QString &id, void (VolumeMonitor::*how)(const QString &));
    void onVolumeFailed(const QString &id, const QString &message, bool busy);
    void askVolumePassword(const QString &id, const QString &message);
    void askVolumeQuestion(const QString &id, const QString &message, const QStringList &choices);

    NamespaceModel *model_;
    QTreeView *view_;
    MountMonitor *mounts_;
    NetworkMounter *mounter_ = nullptr;
    VolumeMonitor *volumes_ = nullptr;
    QString opening_;   // the volume being mounted to be shown
    QString releasing_; // the volume being unmounted, ejected or stopped
    QString left_;      // the folder on it the tree left for that
    QPointer<ExplorerListView> list_;
    QPointer<ExplorerCombo> combo_;
    UserMessages *messages_;
    Launcher *launcher_ = nullptr;
    Location current_;
    quint64 checks_ = 0;         // navigations whose folder check has started
    quint64 pendingCheck_ = 0;   // the one still waiting for its check; 0 if none
    bool currentGone_ = false;   // the current node is being removed
    bool volumeGone_ = false;    // with the volume it is on
    QString lostPlace_;          // the name of that volume, when it is a server's place
    bool disconnecting_ = false; // the Disconnect Network Drive dialog is open
    bool selecting_ = false;
    QList<Location> visited_;
    qsizetype visitedAt_ = -1;
    qsizetype travellingTo_ = -1; // the place in visited_ a back or forward is on its way to
};

} // namespace tarnwick
