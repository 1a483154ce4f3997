#include "explorerlistview.h"

#include "foldermodel.h"
#include "usermessages.h"

#include <QDesktopServices>
#include <QEvent>
#include <QHeaderView>
#include <QListView>
#include <QStackedLayout>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <cstring>

namespace tarnwick {

ExplorerListView::ExplorerListView(QWidget *parent)
    : QWidget(parent), model_(new FolderModel(this)), messages_(&UserMessages::dialogs())
{
    setAccessibleName(tr("Contents"));
    selection_ = new QItemSelectionModel(model_, this);
    const auto dirty = [this] { selectionDirty_ = true; };
    connect(selection_, &QItemSelectionModel::selectionChanged, this, dirty);
    connect(model_, &QAbstractItemModel::layoutChanged, this, dirty);
    connect(model_, &QAbstractItemModel::modelReset, this, dirty);
    connect(model_, &QAbstractItemModel::rowsInserted, this, dirty);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, dirty);

    icons_ = new QListView(this);
    icons_->setModel(model_);
    icons_->setSelectionModel(selection_);
    icons_->setUniformItemSizes(true);
    icons_->setLayoutMode(QListView::Batched);
    icons_->setBatchSize(2000);
    icons_->setResizeMode(QListView::Adjust);
    icons_->setMovement(QListView::Static);
    icons_->setTextElideMode(Qt::ElideMiddle);

    details_ = new QTreeView(this);
    details_->setModel(model_);
    details_->setSelectionModel(selection_);
    details_->setRootIsDecorated(false);
    details_->setItemsExpandable(false);
    details_->setUniformRowHeights(true);
    details_->setAllColumnsShowFocus(true);
    details_->setSortingEnabled(true);
    details_->sortByColumn(FolderModel::NameColumn, Qt::AscendingOrder);
    details_->header()->resizeSection(FolderModel::NameColumn, 220);
    details_->header()->resizeSection(FolderModel::SizeColumn, 80);
    details_->header()->resizeSection(FolderModel::TypeColumn, 150);
    details_->header()->setStretchLastSection(true);

    for (QAbstractItemView *v :
         {static_cast<QAbstractItemView *>(icons_), static_cast<QAbstractItemView *>(details_)}) {
        v->setSelectionMode(QAbstractItemView::ExtendedSelection);
        v->setAccessibleName(tr("Contents"));
        v->installEventFilter(this);
        v->viewport()->installEventFilter(this);
        connect(v, &QAbstractItemView::activated, this, &ExplorerListView::open);
    }

    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    stack_->addWidget(icons_);
    stack_->addWidget(details_);

    navigator_ = [this](const QString &path) {
        setFolder(path);
        return true;
    };
    connect(model_, &FolderModel::loadingFinished, this, [this](int error) {
        if (error != 0)
            messages_->error(this,
                             tr("The folder “%1” could not be read completely: %2.")
                                 .arg(model_->folder(), QString::fromLocal8Bit(strerror(error))));
    });

    connect(model_, &FolderModel::renameRefused, this,
            [this](const QString &message) { messages_->error(this, message); });

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

bool ExplorerListView::setView(int mode)
{
    if (mode < LargeIcons || mode > Details)
        return false;
    view_ = mode;
    switch (mode) {
    case LargeIcons:
        icons_->setViewMode(QListView::IconMode);
        icons_->setFlow(QListView::LeftToRight);
        icons_->setIconSize(QSize(32, 32));
        icons_->setGridSize(QSize(96, 72));
        icons_->setWordWrap(true);
        break;
    case SmallIcons:
        icons_->setViewMode(QListView::ListMode);
        icons_->setFlow(QListView::LeftToRight);
        icons_->setIconSize(QSize(16, 16));
        icons_->setGridSize(QSize(180, 22));
        icons_->setWordWrap(false);
        break;
    case ListMode:
        icons_->setViewMode(QListView::ListMode);
        icons_->setFlow(QListView::TopToBottom);
        icons_->setIconSize(QSize(16, 16));
        icons_->setGridSize(QSize(220, 22));
        icons_->setWordWrap(false);
        break;
    case Details:
        break;
    }
    if (mode != Details) {
        // Setting the view mode resets these, so they follow it.
        icons_->setWrapping(true);
        icons_->setMovement(QListView::Static);
        icons_->setResizeMode(QListView::Adjust);
    }
    QAbstractItemView *next = currentView();
    const bool hadFocus = stack_->currentWidget() && stack_->currentWidget()->hasFocus();
    stack_->setCurrentWidget(next);
    setFocusProxy(next);
    if (hadFocus)
        next->setFocus();
    const QModelIndex current = selection_->currentIndex();
    if (current.isValid())
        next->scrollTo(current);
    return true;
}

bool ExplorerListView::setViewText(const QString &text)
{
    bool ok = false;
    const int mode = text.toInt(&ok);
    return ok && text == QString::number(mode) && setView(mode);
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

QString ExplorerListView::Pattern() const
{
    return model_->pattern();
}

void ExplorerListView::setPattern(const QString &pattern)
{
    model_->setPattern(pattern);
}

bool ExplorerListView::Hidden() const
{
    return model_->showHidden();
}

void ExplorerListView::setShowHidden(bool on)
{
    model_->setShowHidden(on);
}

bool ExplorerListView::setHiddenText(const QString &text)
{
    const auto v = switchFromText(text);
    if (v)
        setShowHidden(*v);
    return v.has_value();
}

bool ExplorerListView::System() const
{
    return model_->showSystem();
}

void ExplorerListView::setSystem(bool on)
{
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
    return model_->rowCount();
}

const std::vector<std::pair<int, int>> &ExplorerListView::selectedRanges() const
{
    if (!selectionDirty_)
        return selectedRanges_;
    selectedRanges_.clear();
    for (const QItemSelectionRange &r : selection_->selection()) {
        if (r.isValid())
            selectedRanges_.emplace_back(r.top(), r.bottom());
    }
    std::sort(selectedRanges_.begin(), selectedRanges_.end());
    // Ranges of different columns may overlap: merge them.
    std::vector<std::pair<int, int>> merged;
    for (const auto &r : selectedRanges_) {
        if (!merged.empty() && r.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, r.second);
        else
            merged.push_back(r);
    }
    selectedRanges_ = std::move(merged);
    selectionDirty_ = false;
    return selectedRanges_;
}

bool ExplorerListView::Selected(int index) const
{
    const auto &ranges = selectedRanges();
    const auto it = std::upper_bound(ranges.begin(), ranges.end(), std::pair(index, INT_MAX));
    return it != ranges.begin() && std::prev(it)->second >= index;
}

void ExplorerListView::setSelected(int index, bool on)
{
    if (index < 0 || index >= model_->rowCount())
        return;
    const QItemSelection row(model_->index(index, 0),
                             model_->index(index, FolderModel::ColumnCount - 1));
    selection_->select(row, on ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

QString ExplorerListView::ItemPath(int index) const
{
    if (index < 0 || index >= model_->rowCount())
        return {};
    return model_->pathAt(index);
}

QString ExplorerListView::folder() const
{
    return model_->folder();
}

void ExplorerListView::setFolder(const QString &path)
{
    if (path == model_->folder())
        return;
    model_->setFolder(path);
    emit FolderChanged(path);
}

void ExplorerListView::setNavigator(Navigator navigator)
{
    navigator_ = std::move(navigator);
}

void ExplorerListView::setMessages(UserMessages *messages)
{
    messages_ = messages;
}

void ExplorerListView::open(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QString path = model_->pathAt(index.row());
    if (model_->entryAt(index.row()).isDir) {
        navigator_(path);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        messages_->error(this, tr("No application is set up to open “%1”.").arg(path));
}

bool ExplorerListView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == icons_ || watched == details_)
            emit GotFocus();
        break;
    case QEvent::MouseButtonRelease:
        if (watched == icons_->viewport() || watched == details_->viewport())
            emit Click();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnwick
