#include "explorertreeview.h"

#include "background.h"
#include "clipboardfiles.h"
#include "explorercombo.h"
#include "explorerlistview.h"
#include "fileoperationdialogs.h"
#include "historyverbs.h"
#include "jobs.h"
#include "mounts.h"
#include "nameeditdelegate.h"
#include "namespacemodel.h"
#include "networkmounts.h"
#include "rawpaths.h"
#include "usermessages.h"
#include "volumemonitor.h"

#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStringList>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>
#include <chrono>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tarnwick {

namespace {

// How long the window waits for a folder to say whether it can be opened.
constexpr std::chrono::milliseconds CheckPatience{40};

} // namespace

ExplorerTreeView::ExplorerTreeView(QWidget *parent, NamespaceModel *model)
    : QWidget(parent), model_(model ? model : new NamespaceModel(this)), view_(new QTreeView(this)),
      mounts_(new MountMonitor(this)), messages_(&UserMessages::dialogs())
{
    if (!model) {
        // Locations mounted through the desktop's network mounter have no
        // line of their own in the mount table: add those it knows of, once
        // it is in use.
        model_->setVolumeSource([this] {
            QList<Volume> volumes = mountedVolumes();
            if (mounter_) {
                for (const NetworkMount &m : mounter_->mounts()) {
                    if (!m.path.isEmpty())
                        volumes.append(
                            {m.path, m.name, m.uri, QStringLiteral("network"), true, false});
                }
            }
            return volumes;
        });
    }
    model_->setParent(this);
    setAccessibleName(tr("Folders"));
    view_->setAccessibleName(tr("Folders"));
    // Rows going away move the view's current item; that is not the user
    // choosing a place. Connected before the view's own selection model, so
    // that the guard is up when it moves the current item.
    connect(model_, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { selecting_ = true; });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { selecting_ = false; });
    view_->setModel(model_);
    view_->setHeaderHidden(true);
    view_->setUniformRowHeights(true);
    // Deep folders keep their names: the column grows with what is in
    // sight, and a scroll bar appears, rather than names cut to stubs.
    view_->header()->setStretchLastSection(false);
    view_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view_->setEditTriggers(QAbstractItemView::EditKeyPressed);
    view_->setItemDelegate(new NameEditDelegate(view_, -1)); // folders only
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->installEventFilter(this);
    view_->viewport()->installEventFilter(this);
    view_->setAcceptDrops(true);
    view_->setDragEnabled(true);
    view_->setDropIndicatorShown(true);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this, &ExplorerTreeView::showContextMenu);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onCurrentChanged(current); });
    connect(model_, &NamespaceModel::renameRefused, this,
            [this](const QString &message) { messages_->error(this, message); });
    // A renamed folder holding the current one: follow it under its new name.
    connect(model_, &NamespaceModel::renamed, this, [this](const QString &from, const QString &to) {
        if (!current_.isFolder() ||
            !(current_.path == from || current_.path.startsWith(from + QLatin1Char('/'))))
            return;
        const Location moved = Location::folder(to + current_.path.mid(from.size()));
        current_ = Location(); // the old place is gone: any place is a change
        navigateTo(moved);
    });
    // The current folder removed from outside: the tree would pick a
    // neighbour as current; go to the nearest folder still there instead.
    connect(model_, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &parent, int first, int last) {
                if (!current_.isFolder() || currentGone_)
                    return;
                const bool volumes =
                    model_->locationOf(parent) == Location::special(MyComputerSpace);
                const auto gone = [&](const QModelIndex &i) {
                    currentGone_ = true;
                    volumeGone_ = volumes;
                    lostPlace_ = volumes && i.data(NamespaceModel::NetworkRole).toBool()
                                     ? i.data().toString()
                                     : QString();
                    selecting_ = true;
                };
                for (QModelIndex i = view_->currentIndex(); i.isValid(); i = i.parent()) {
                    if (i.parent() == parent && i.row() >= first && i.row() <= last)
                        return gone(i);
                }
                // The current node itself may have gone first (a server's
                // folder goes as its connection does): the volume is still
                // the one the current folder is on.
                for (int row = first; volumes && row <= last; ++row) {
                    const QModelIndex i = model_->index(row, 0, parent);
                    const QString top = model_->pathOf(i);
                    if (!top.isEmpty() && top != model_->rootFolder() &&
                        current_.path.startsWith(top + QLatin1Char('/')))
                        return gone(i);
                }
            });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] {
        if (currentGone_)
            QMetaObject::invokeMethod(this, &ExplorerTreeView::leaveGoneFolder,
                                      Qt::QueuedConnection);
    });
    // Siblings arriving above the current place push it down: keep it in view.
    connect(model_, &NamespaceModel::childrenLoaded, this,
            [this] { view_->scrollTo(view_->currentIndex()); });
    connect(mounts_, &MountMonitor::changed, this, [this] {
        model_->refreshVolumes();
        leaveIfGone(); // a volume unmounted under the current folder takes the user up
    });
    setVolumeMonitor(makeSystemVolumeMonitor(this).release());
    setCurrentFolder(model_->rootFolder());
    warmUpNetworkServices();
}

ExplorerTreeView::~ExplorerTreeView() = default;

void ExplorerTreeView::leaveGoneFolder()
{
    currentGone_ = false;
    selecting_ = false;
    const QString gone = current_.path;
    if (!volumeGone_ && isOnNetworkPlace(gone)) {
        // Gone with its connection, the place as a whole goes next and is
        // left as a volume is. Nor is it looked at on the window's thread.
        Background::run(this, [this, gone](BackgroundTask &task) {
            std::this_thread::sleep_for(std::chrono::milliseconds(ConnectionGraceMs));
            if (task.cancelled())
                return;
            const QString path = ExplorerListView::nearestFolder(gone);
            task.post([this, gone, path] {
                if (current_ == Location::folder(gone))
                    leaveGoneFolderFor(path);
            });
        });
        return;
    }
    // Its volume went away: what is left at the mount point is not it.
    if (std::exchange(volumeGone_, false)) {
        current_ = Location(); // whatever is shown now is a change
        navigateTo(Location::special(MyComputerSpace));
        const QString place = std::exchange(lostPlace_, QString());
        // The user disconnected it: nothing was lost.
        if (!place.isEmpty() && disconnecting_)
            return;
        tellVolumeLost(gone, place);
        return;
    }
    leaveGoneFolderFor(ExplorerListView::nearestFolder(gone));
}

void ExplorerTreeView::tellVolumeLost(const QString &path, const QString &place)
{
    messages_->error(
        this, place.isEmpty()
                  ? tr("The volume of %1 is no longer there, so My Computer is shown.")
                        .arg(rawpath::shown(path))
                  : tr("The connection to “%1” was lost, so My Computer is shown.").arg(place));
}

// The name of the server's place under My Computer that holds the path, if any.
QString ExplorerTreeView::placeHolding(const QString &path) const
{
    const QModelIndex computer = model_->indexOf(Location::special(MyComputerSpace));
    for (int row = 0, rows = model_->rowCount(computer); row < rows; ++row) {
        const QModelIndex i = model_->index(row, 0, computer);
        const QString top = model_->pathOf(i);
        if (i.data(NamespaceModel::NetworkRole).toBool() && !top.isEmpty() &&
            (path == top || path.startsWith(top + QLatin1Char('/'))))
            return i.data().toString();
    }
    return {};
}

void ExplorerTreeView::leaveGoneFolderFor(const QString &path)
{
    const QString gone = std::exchange(current_, Location()).path; // any place is a change now
    navigateTo(Location::folder(path));
    if (path != gone)
        messages_->error(this, jobtext::folderGone(rawpath::shown(gone)));
}

void ExplorerTreeView::setLinkedListView(ExplorerListView *list)
{
    list_ = list;
    if (!list)
        return;
    list->setNavigator([this](const Location &location) { return navigateTo(location); });
    list->setVolumeMonitor(
        volumes_, [this](const QString &id) { openVolume(id); },
        [this](QMenu &menu, const QString &id) { addVolumeEntries(menu, id, true); });
    list->setLocation(current_);
    // Hidden folders show in the tree as hidden items do in the list.
    model_->setShowHidden(list->Hidden());
    connect(list, &ExplorerListView::showHiddenChanged, model_, &NamespaceModel::setShowHidden);
    // Tell the host where we are, once its handlers are connected.
    QMetaObject::invokeMethod(
        this, [this] { emit FolderChanged(current_.displayName()); }, Qt::QueuedConnection);
}

void ExplorerTreeView::setLinkedCombo(ExplorerCombo *combo)
{
    combo_ = combo;
    if (!combo)
        return;
    combo->setNavigator([this](const Location &location, const Location &orElse) {
        return navigateTo(location, orElse);
    });
    combo->setConnector([this](const QString &address) { return openAddress(address); });
    combo->showLocation(current_);
}

QString ExplorerTreeView::resolvePath(const QString &text, const QString &current)
{
    QString path = text;
    if (path.startsWith(QLatin1String("file://")))
        path = rawpath::toText(pathOfFileUrl(rawpath::toBytes(path)));
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path = QDir::homePath() + path.mid(1);
    if (!path.startsWith(QLatin1Char('/')))
        path = (current.isEmpty() ? QDir::homePath() : current) + QLatin1Char('/') + path;
    // ".." climbs, "." stays, empty parts vanish; nothing climbs above "/".
    QStringList parts;
    for (const QString &part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            parts.isEmpty() ? void() : parts.removeLast();
        else if (part != QLatin1String("."))
            parts.append(part);
    }
    return QLatin1Char('/') + parts.join(QLatin1Char('/'));
}

QString ExplorerTreeView::refusalFor(const QString &path)
{
    const QByteArray bytes = rawpath::toBytes(path);
    const QString shown = rawpath::shown(path);
    struct stat st;
    if (stat(bytes.constData(), &st) != 0)
        return jobtext::noSuchFolder(shown);
    if (!S_ISDIR(st.st_mode))
        return jobtext::notAFolder(shown);
    if (access(bytes.constData(), R_OK | X_OK) != 0)
        return tr("You do not have permission to open the folder “%1”.").arg(shown);
    return {};
}

// Looked at off the window's thread: a mount that changed may be one that
// no longer answers.
void ExplorerTreeView::leaveIfGone()
{
    if (!current_.isFolder())
        return;
    const Location here = current_;
    Background::run(this, [this, here](BackgroundTask &task) {
        const bool gone = !refusalFor(here.path).isEmpty();
        task.post([this, here, gone] {
            if (!gone || current_ != here)
                return;
            // Told as when its node goes, which then finds the user gone already.
            const QString place = placeHolding(here.path);
            current_ = Location();
            navigateTo(Location::special(MyComputerSpace));
            if (!place.isEmpty() && disconnecting_)
                return;
            tellVolumeLost(here.path, place);
        });
    });
}

bool ExplorerTreeView::setCurrentFolder(const QString &text)
{
    if (text.isEmpty())
        return false;
    return navigateTo(Location::folder(resolvePath(text, CurrentFolder())));
}

bool ExplorerTreeView::navigateTo(const Location &location, const Location &orElse)
{
    if (!location.isFolder()) {
        if (!location.isValid() || location.nameSpace > MyComputerSpace)
            return false;
        pendingCheck_ = 0;
        show(location);
        return true;
    }
    // The folder is checked off the window's thread, as a dead mount never
    // answers. A disk that answers within the patience below (any working
    // one, by far) is waited for, so the navigation completes at once; one
    // that does not is left to answer when it can, and the window carries on.
    using Checked = std::pair<Location, QString>; // where to go, and why not
    const quint64 ticket = ++checks_;
    const auto answer = std::make_shared<std::promise<Checked>>();
    std::future<Checked> checked = answer->get_future();
    Background::run(this, [this, answer, ticket, location, orElse](BackgroundTask &task) {
        Checked result{location, refusalFor(location.path)};
        if (!result.second.isEmpty() && orElse.isFolder() && refusalFor(orElse.path).isEmpty())
            result = {orElse, QString()};
        answer->set_value(result);
        task.post([this, ticket, result] {
            if (ticket == pendingCheck_)
                finishNavigation(result.first, result.second);
        });
    });
    if (checked.wait_for(CheckPatience) != std::future_status::ready) {
        pendingCheck_ = ticket;
        return true;
    }
    pendingCheck_ = 0;
    const Checked result = checked.get();
    return finishNavigation(result.first, result.second);
}

bool ExplorerTreeView::finishNavigation(const Location &location, const QString &refusal)
{
    pendingCheck_ = 0;
    if (!refusal.isEmpty()) {
        messages_->error(this, refusal);
        if (combo_)
            combo_->showLocation(current_);
        return false;
    }
    show(location);
    return true;
}

void ExplorerTreeView::GoUpOneLevel()
{
    if (current_.nameSpace == MyComputerSpace) {
        navigateTo(Location::special(DesktopSpace));
    } else if (!current_.isFolder()) {
        if (current_.nameSpace != DesktopSpace)
            navigateTo(Location::special(DesktopSpace));
    } else if (current_.path == QLatin1String("/")) {
        navigateTo(Location::special(MyComputerSpace));
    } else {
        const qsizetype slash = current_.path.lastIndexOf(QLatin1Char('/'));
        navigateTo(Location::folder(slash <= 0 ? QStringLiteral("/") : current_.path.left(slash)));
    }
}

void ExplorerTreeView::GoBack()
{
    if (canGoBack())
        travel(visitedAt_ - 1);
}

void ExplorerTreeView::GoForward()
{
    if (canGoForward())
        travel(visitedAt_ + 1);
}

void ExplorerTreeView::travel(qsizetype to)
{
    travellingTo_ = to;
    if (!navigateTo(visited_[to]))
        travellingTo_ = -1;
}

void ExplorerTreeView::remember(const Location &location)
{
    constexpr qsizetype Longest = 100;
    const qsizetype travelled = std::exchange(travellingTo_, -1);
    if (travelled >= 0 && travelled < visited_.size() && visited_[travelled] == location) {
        visitedAt_ = travelled;
        return;
    }
    visited_.resize(visitedAt_ + 1);
    visited_.append(location);
    if (visited_.size() > Longest)
        visited_.removeFirst();
    visitedAt_ = visited_.size() - 1;
}

void ExplorerTreeView::show(const Location &location)
{
    const QModelIndex index = model_->indexOf(location);
    selecting_ = true;
    view_->setCurrentIndex(index);
    view_->expand(index);
    view_->scrollTo(index);
    selecting_ = false;
    if (location == current_)
        return;
    current_ = location;
    remember(location);
    if (list_)
        list_->setLocation(location);
    if (combo_)
        combo_->showLocation(location);
    emit FolderChanged(location.displayName());
}

void ExplorerTreeView::onCurrentChanged(const QModelIndex &current)
{
    if (selecting_ || !current.isValid())
        return;
    // A volume not mounted is mounted first, and shown once it is.
    const Location location = model_->locationOf(current);
    const bool unmounted = location.isFolder() && location.path.isEmpty();
    if (unmounted)
        openVolume(model_->data(current, NamespaceModel::VolumeIdRole).toString());
    if (unmounted || !navigateTo(location)) {
        // Refused: the selection goes back to where we are.
        QMetaObject::invokeMethod(
            this,
            [this] {
                selecting_ = true;
                view_->setCurrentIndex(model_->indexOf(current_));
                selecting_ = false;
            },
            Qt::QueuedConnection);
    }
}

void ExplorerTreeView::setRedraw(bool on)
{
    setUpdatesEnabled(on);
}

void ExplorerTreeView::setMessages(UserMessages *messages)
{
    messages_ = messages;
}

bool ExplorerTreeView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view_->viewport() &&
        (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
         event->type() == QEvent::Drop))
        return handleDrag(event);
    if (watched == view_) {
        if (event->type() == QEvent::FocusIn) {
            emit GotFocus();
        } else if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_F5) {
                model_->refresh(view_->currentIndex());
                if (list_)
                    list_->reload();
                return true;
            }
            if (isContextMenuKey(*key)) {
                const QModelIndex current = view_->currentIndex();
                showContextMenuFor(current, keyboardMenuPoint(*view_, current));
                return true;
            }
            if (const auto redo = HistoryVerbs::forKey(*key)) {
                HistoryVerbs::run(this, *messages_, JobAsker::dialogs(), *redo);
                return true;
            }
            if (const auto verb = verbForKey(*key)) {
                InvokeVerb(*verb);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnwick
