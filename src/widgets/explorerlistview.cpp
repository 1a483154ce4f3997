#include "explorerlistview.h"

#include "jobs.h"
#include "verbs.h"

#include "clipboardfiles.h"
#include "fileopener.h"
#include "fileoperationdialogs.h"
#include "foldermodel.h"
#include "folderwatcher.h"
#include "gridcelldelegate.h"
#include "historyverbs.h"
#include "launcher.h"
#include "mounts.h"
#include "nameeditdelegate.h"
#include "printersource.h"
#include "rawpaths.h"
#include "shellitems.h"
#include "shellsources.h"
#include "sortheader.h"
#include "thumbnails.h"
#include "usermessages.h"
#include "volumemonitor.h"

#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStackedLayout>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <cstring>

namespace tarnwick {

ExplorerListView::ExplorerListView(QWidget *parent)
    : QWidget(parent), model_(new FolderModel(this)), shell_(new ShellItemsModel(this)),
      specialWatcher_(new FolderWatcher(this)), messages_(&UserMessages::dialogs()),
      launcher_(&Launcher::system()), volumes_(mountedVolumes), trashTops_(mountedTrashTops),
      asker_(&JobAsker::dialogs())
{
    setAccessibleName(tr("Contents"));
    selection_ = new QItemSelectionModel(model_, this);
    shellSelection_ = new QItemSelectionModel(shell_, this);
    const auto dirty = [this] { selectionDirty_ = true; };
    for (QAbstractItemModel *m :
         {static_cast<QAbstractItemModel *>(model_), static_cast<QAbstractItemModel *>(shell_)}) {
        connect(m, &QAbstractItemModel::layoutChanged, this, dirty);
        connect(m, &QAbstractItemModel::modelReset, this, dirty);
        connect(m, &QAbstractItemModel::rowsInserted, this, dirty);
        connect(m, &QAbstractItemModel::rowsRemoved, this, dirty);
    }
    connect(selection_, &QItemSelectionModel::selectionChanged, this, dirty);
    connect(shellSelection_, &QItemSelectionModel::selectionChanged, this, dirty);

    icons_ = new QListView(this);
    icons_->setUniformItemSizes(true);
    icons_->setLayoutMode(QListView::Batched);
    icons_->setBatchSize(2000);
    icons_->setTextElideMode(Qt::ElideMiddle);
    icons_->setItemDelegate(new GridCellDelegate(icons_));
    thumbs_ = new ThumbnailProvider(this);
    thumbsWanted_ = new QTimer(this);
    thumbsWanted_->setSingleShot(true);
    thumbsWanted_->setInterval(0);
    connect(thumbsWanted_, &QTimer::timeout, this, &ExplorerListView::askForThumbnails);
    const auto askSoon = [this] { thumbsWanted_->start(); };
    connect(icons_->verticalScrollBar(), &QScrollBar::valueChanged, this, askSoon);
    for (const auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model_, changed, this, askSoon);
    connect(model_, &QAbstractItemModel::layoutChanged, this, askSoon);
    connect(model_, &QAbstractItemModel::modelReset, this, askSoon);

    details_ = new QTreeView(this);
    details_->setHeader(new SortHeader(details_));
    details_->setRootIsDecorated(false);
    details_->setItemsExpandable(false);
    details_->setUniformRowHeights(true);
    details_->setAllColumnsShowFocus(true);
    details_->setSortingEnabled(true);
    details_->header()->setStretchLastSection(true);
    details_->header()->setSortIndicator(0, Qt::AscendingOrder);
    details_->setItemDelegate(new NameEditDelegate(details_, FolderModel::IsFolderRole));

    for (QAbstractItemView *v :
         {static_cast<QAbstractItemView *>(icons_), static_cast<QAbstractItemView *>(details_)}) {
        v->setSelectionMode(QAbstractItemView::ExtendedSelection);
        // Whole rows in every view: what a view shows selected is what the
        // verbs take, whichever columns it draws.
        v->setSelectionBehavior(QAbstractItemView::SelectRows);
        v->setAccessibleName(tr("Contents"));
        v->installEventFilter(this);
        v->viewport()->installEventFilter(this);
        connect(v, &QAbstractItemView::activated, this, &ExplorerListView::open);
        v->setContextMenuPolicy(Qt::CustomContextMenu);
        v->setDragEnabled(true);
        v->setAcceptDrops(true);
        v->setDragDropMode(QAbstractItemView::DragDrop);
        connect(v, &QWidget::customContextMenuRequested, this,
                [this, v](const QPoint &pos) { showContextMenu(v, pos); });
    }
    useModel(model_, selection_);
    details_->header()->resizeSection(FolderModel::NameColumn, 220);
    details_->header()->resizeSection(FolderModel::SizeColumn, 80);
    details_->header()->resizeSection(FolderModel::TypeColumn, 150);

    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    stack_->addWidget(icons_);
    stack_->addWidget(details_);

    navigator_ = [this](const Location &location) {
        setLocation(location);
        return true;
    };
    connect(model_, &FolderModel::loadingFinished, this, [this](int error) {
        if (error != 0)
            reportUnread(error);
    });
    connect(model_, &FolderModel::renameRefused, this,
            [this](const QString &message) { messages_->error(this, message); });
    connect(model_, &FolderModel::folderGone, this, &ExplorerListView::onFolderGone);
    connect(specialWatcher_, &FolderWatcher::changed, shell_, &ShellItemsModel::reload);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &ExplorerListView::markCutItems);

    setView(SmallIcons);
    applyEditTriggers();
}

ExplorerListView::~ExplorerListView() = default;

std::optional<bool> ExplorerListView::switchFromText(const QString &text)
{
    if (text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

void ExplorerListView::useModel(QAbstractItemModel *model, QItemSelectionModel *selection)
{
    for (QAbstractItemView *v :
         {static_cast<QAbstractItemView *>(icons_), static_cast<QAbstractItemView *>(details_)}) {
        if (v->model() == model)
            continue;
        QItemSelectionModel *old = v->selectionModel();
        v->setModel(model);
        v->setSelectionModel(selection);
        if (old && old != selection_ && old != shellSelection_)
            old->deleteLater();
    }
    selectionDirty_ = true;
}

void ExplorerListView::setView(ViewMode mode)
{
    view_ = mode;
    switch (mode) {
    case LargeIcons: {
        icons_->setViewMode(QListView::IconMode);
        icons_->setFlow(QListView::LeftToRight);
        const int side = LargeIconSide();
        icons_->setIconSize(QSize(side, side));
        // Room for two lines of name under the picture.
        const int line = icons_->fontMetrics().height();
        icons_->setGridSize(QSize(std::max(96, side + 40), side + 2 * line + 12));
        thumbs_->setSide(side, devicePixelRatioF());
        model_->setThumbnails(thumbs_);
        thumbsWanted_->start();
        icons_->setWordWrap(true);
        break;
    }
    case SmallIcons:
        model_->setThumbnails(nullptr);
        icons_->setViewMode(QListView::ListMode);
        icons_->setFlow(QListView::LeftToRight);
        icons_->setIconSize(QSize(16, 16));
        icons_->setGridSize(QSize(180, 22));
        icons_->setWordWrap(false);
        break;
    case ListMode:
        model_->setThumbnails(nullptr);
        icons_->setViewMode(QListView::ListMode);
        icons_->setFlow(QListView::TopToBottom);
        icons_->setIconSize(QSize(16, 16));
        icons_->setGridSize(QSize(220, 22));
        icons_->setWordWrap(false);
        break;
    case Details:
        model_->setThumbnails(nullptr);
        break;
    }
    if (mode != Details) {
        // Setting the view mode resets these, so they follow it.
        icons_->setWrapping(true);
        icons_->setMovement(QListView::Static);
        icons_->setResizeMode(QListView::Adjust);
        // A static list view turns dragging off; files still go both ways.
        icons_->setDragEnabled(true);
        icons_->viewport()->setAcceptDrops(true);
    }
    QAbstractItemView *next = currentView();
    const bool hadFocus = stack_->currentWidget() && stack_->currentWidget()->hasFocus();
    stack_->setCurrentWidget(next);
    setFocusProxy(next);
    if (hadFocus)
        next->setFocus();
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid())
        next->scrollTo(current);
}

// Today's screens want pictures of 48 pixels at least; a style that asks
// for more gets it.
int ExplorerListView::largeIconSide() const
{
    return std::max(48, style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, icons_));
}

bool ExplorerListView::setViewText(const QString &text)
{
    bool ok = false;
    const int mode = text.toInt(&ok);
    if (!ok || text != QString::number(mode) || mode < int(LargeIcons) || mode > int(Details))
        return false;
    setView(ViewMode(mode));
    return true;
}

QAbstractItemView *ExplorerListView::currentView() const
{
    if (view_ == Details)
        return details_;
    return icons_;
}

QList<QAbstractItemView *> ExplorerListView::views() const
{
    return {icons_, details_};
}

QAbstractItemModel *ExplorerListView::activeModel() const
{
    if (location_.isFolder())
        return model_;
    return shell_;
}

QItemSelectionModel *ExplorerListView::selectionModel() const
{
    return location_.isFolder() ? selection_ : shellSelection_;
}

void ExplorerListView::setPattern(const QString &pattern)
{
    pattern_ = pattern;
    model_->setPattern(pattern);
    shell_->setPattern(pattern);
}

void ExplorerListView::setShowHidden(bool on)
{
    showHidden_ = on;
    model_->setShowHidden(on);
    shell_->setShowHidden(on);
    emit showHiddenChanged(on);
}

bool ExplorerListView::setHiddenText(const QString &text)
{
    const auto v = switchFromText(text);
    if (v)
        setShowHidden(*v);
    return v.has_value();
}

void ExplorerListView::setSystem(bool on)
{
    showSystem_ = on;
    model_->setShowSystem(on);
}

bool ExplorerListView::setSystemText(const QString &text)
{
    const auto v = switchFromText(text);
    if (v)
        setSystem(*v);
    return v.has_value();
}

void ExplorerListView::setAllowFileRename(bool on)
{
    allowRename_ = on;
    applyEditTriggers();
}

bool ExplorerListView::setAllowFileRenameText(const QString &text)
{
    const auto v = switchFromText(text);
    if (v)
        setAllowFileRename(*v);
    return v.has_value();
}

void ExplorerListView::applyEditTriggers()
{
    model_->setRenameAllowed(allowRename_);
    const auto triggers =
        allowRename_ ? QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked
                     : QAbstractItemView::NoEditTriggers;
    icons_->setEditTriggers(triggers);
    details_->setEditTriggers(triggers);
}

void ExplorerListView::setRedraw(bool on)
{
    setUpdatesEnabled(on);
}

int ExplorerListView::ItemCount() const
{
    return activeModel()->rowCount();
}

QString ExplorerListView::ItemPath(int index) const
{
    QAbstractItemModel *m = activeModel();
    if (index < 0 || index >= m->rowCount())
        return {};
    return m->data(m->index(index, 0), FolderModel::PathRole).toString();
}

void ExplorerListView::setLocation(const Location &location)
{
    showWaiting({});
    if (location == location_ || !location.isValid())
        return;
    location_ = location;
    specialWatcher_->stop();
    if (location.isFolder()) {
        shell_->show(FolderSpace, {});
        model_->setFolder(location.path);
        useModel(model_, selection_);
        markCutItems();
    } else {
        model_->setFolder(QString());
        showSpecial(location.nameSpace);
        useModel(shell_, shellSelection_);
    }
    emit FolderChanged(location.displayName());
}

void ExplorerListView::showSpecial(NameSpace nameSpace)
{
    const QString desktopDir = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString trashFiles =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/Trash/files");
    switch (nameSpace) {
    case DesktopSpace:
        shell_->show(nameSpace, ShellSources::desktop(desktopDir));
        specialWatcher_->watch(desktopDir);
        break;
    case MyComputerSpace:
        shell_->show(nameSpace, ShellSources::myComputer(volumes_, QDir::homePath(),
                                                         unmountedVolumes(driveVolumes_)));
        if (!mounts_) {
            mounts_ = new MountMonitor(this);
            connect(mounts_, &MountMonitor::changed, this, [this] {
                if (location_.nameSpace == MyComputerSpace)
                    shell_->reload();
            });
        }
        break;
    case ControlPanelSpace:
        shell_->show(nameSpace, ShellSources::controlPanel());
        break;
    case PrintersSpace:
        shell_->show(nameSpace, ShellSources::printers());
        break;
    case RecycleBinSpace:
        shell_->show(nameSpace, ShellSources::recycleBin(trashTops_));
        specialWatcher_->watch(trashFiles);
        break;
    default:
        shell_->show(nameSpace, {});
        break;
    }
}

void ExplorerListView::markCutItems()
{
    QSet<QByteArray> names;
    const auto files = filesFromMimeData(QGuiApplication::clipboard()->mimeData());
    if (files && files->cut && location_.isFolder()) {
        const QByteArray folder = rawpath::toBytes(location_.path);
        for (const QByteArray &p : files->paths) {
            if (rawpath::parentOf(p) == folder)
                names.insert(rawpath::baseName(p));
        }
    }
    model_->setCutNames(names);
}

void ExplorerListView::reload()
{
    if (location_.isFolder())
        model_->refresh();
    else
        shell_->reload();
}

void ExplorerListView::leaveGoneFolder(const QString &gone, const QString &path)
{
    if (location_ != Location::folder(gone))
        return; // left already
    if (path == gone) {
        // Still a folder: its volume was unmounted and the mount point shows
        // through. Read it afresh, watching the folder now there.
        model_->setFolder(gone);
        return;
    }
    navigator_(Location::folder(path));
    messages_->error(this, jobtext::folderGone(rawpath::shown(gone)));
}

QString ExplorerListView::nearestFolder(QString path)
{
    while (path != QLatin1String("/") && !rawpath::isDir(rawpath::toBytes(path))) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        path = slash <= 0 ? QStringLiteral("/") : path.left(slash);
    }
    return path;
}

void ExplorerListView::setNavigator(Navigator navigator)
{
    navigator_ = std::move(navigator);
}

void ExplorerListView::setMessages(UserMessages *messages)
{
    messages_ = messages;
}

void ExplorerListView::setLauncher(Launcher *launcher)
{
    launcher_ = launcher;
}

void ExplorerListView::setVolumeSource(VolumeSource volumes)
{
    volumes_ = std::move(volumes);
}

void ExplorerListView::setVolumeMonitor(VolumeMonitor *monitor,
                                        std::function<void(const QString &)> open,
                                        VolumeMenu entries)
{
    volumeMenu_ = std::move(entries);
    if (driveVolumes_)
        disconnect(driveVolumes_, nullptr, this, nullptr);
    driveVolumes_ = monitor;
    openVolume_ = std::move(open);
    if (monitor)
        connect(monitor, &VolumeMonitor::changed, this, [this] {
            if (location_.nameSpace == MyComputerSpace)
                showSpecial(MyComputerSpace);
        });
}

void ExplorerListView::setTrashTopSource(TrashTopSource tops)
{
    trashTops_ = std::move(tops);
}

void ExplorerListView::open(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    if (location_.isFolder()) {
        const QString path = model_->pathAt(index.row());
        if (model_->entryAt(index.row()).isDir) {
            navigator_(Location::folder(path));
            return;
        }
        newOpener()->open(filesToOpen(index.row()));
        return;
    }
    const ShellItem &item = shell_->itemAt(index.row());
    if (item.target.isValid()) {
        navigator_(item.target);
    } else if (!item.volumeId.isEmpty()) {
        if (openVolume_)
            openVolume_(item.volumeId);
    } else if (!item.program.isEmpty()) {
        if (!launcher_->startDetached(item.program, item.arguments))
            messages_->error(this, tr("“%1” could not be started.").arg(item.name));
    } else if (!item.path.isEmpty()) {
        newOpener()->open({rawpath::toBytes(item.path)});
    } else {
        messages_->error(this, tr("There is nothing to open for “%1”.").arg(item.name));
    }
}

bool ExplorerListView::eventFilter(QObject *watched, QEvent *event)
{
    if (zoomEvent(watched, event))
        return true;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == icons_ || watched == details_)
            emit GotFocus();
        break;
    case QEvent::MouseButtonPress:
        // Ctrl or Shift with a click changes the selection; a click on an
        // item already selected must not also start renaming it.
        if ((watched == icons_->viewport() || watched == details_->viewport()) &&
            (static_cast<QMouseEvent *>(event)->modifiers() &
             (Qt::ControlModifier | Qt::ShiftModifier))) {
            icons_->setEditTriggers(QAbstractItemView::NoEditTriggers);
            details_->setEditTriggers(QAbstractItemView::NoEditTriggers);
            editingHeld_ = true;
        }
        break;
    case QEvent::MouseButtonRelease:
        // After the view has handled the release: a click on an item that
        // was already selected changes the selection only then.
        if (watched == icons_->viewport() || watched == details_->viewport()) {
            QMetaObject::invokeMethod(this, &ExplorerListView::Click, Qt::QueuedConnection);
            if (std::exchange(editingHeld_, false))
                QMetaObject::invokeMethod(
                    this, [this] { applyEditTriggers(); }, Qt::QueuedConnection);
        }
        break;
    case QEvent::KeyPress: {
        if (watched != icons_ && watched != details_)
            break;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F5) {
            reload();
            return true;
        }
        if (isContextMenuKey(*key)) {
            showContextMenuFromKeyboard(static_cast<QAbstractItemView *>(watched));
            return true;
        }
        if (const auto redo = HistoryVerbs::forKey(*key)) {
            HistoryVerbs::run(this, *messages_, *asker_, *redo);
            return true;
        }
        if (const auto verb = verbForKey(*key)) {
            InvokeVerb(*verb);
            return true;
        }
        break;
    }
    case QEvent::DragLeave:
        model_->setDropRow(-1);
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (watched == icons_->viewport() || watched == details_->viewport())
            return handleDrag(
                watched == icons_->viewport() ? static_cast<QAbstractItemView *>(icons_) : details_,
                event);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnwick
