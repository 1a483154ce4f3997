#include "explorertreeview.h"

#include "explorercombo.h"
#include "explorerlistview.h"
#include "namespacemodel.h"
#include "usermessages.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QStringList>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace tarnwick {

ExplorerTreeView::ExplorerTreeView(QWidget *parent)
    : QWidget(parent), model_(new NamespaceModel(this)), view_(new QTreeView(this)),
      messages_(&UserMessages::dialogs())
{
    setAccessibleName(tr("Folders"));
    view_->setAccessibleName(tr("Folders"));
    view_->setModel(model_);
    view_->setHeaderHidden(true);
    view_->setUniformRowHeights(true);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onCurrentChanged(current); });
    // Siblings arriving above the current folder push it down: keep it in view.
    connect(model_, &NamespaceModel::childrenLoaded, this,
            [this] { view_->scrollTo(view_->currentIndex()); });
    setCurrentFolder(QStringLiteral("/"));
}

ExplorerTreeView::~ExplorerTreeView() = default;

void ExplorerTreeView::setLinkedListView(ExplorerListView *list)
{
    list_ = list;
    if (!list)
        return;
    list->setNavigator([this](const QString &path) { return setCurrentFolder(path); });
    list->setFolder(current_);
    // Tell the host where we are, once its handlers are connected.
    QMetaObject::invokeMethod(
        this, [this] { emit FolderChanged(current_); }, Qt::QueuedConnection);
}

void ExplorerTreeView::setLinkedCombo(ExplorerCombo *combo)
{
    combo_ = combo;
    if (!combo)
        return;
    combo->setNavigator([this](const QString &text) { return setCurrentFolder(text); });
    combo->showLocation(current_);
}

QString ExplorerTreeView::resolvePath(const QString &text, const QString &current)
{
    QString path = text;
    if (path.startsWith(QLatin1String("file://")))
        path = QUrl(path).toLocalFile();
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
    const QFileInfo fi(path);
    if (!fi.exists())
        return tr("The folder “%1” does not exist.").arg(path);
    if (!fi.isDir())
        return tr("“%1” is not a folder.").arg(path);
    if (!fi.isReadable() || !fi.isExecutable())
        return tr("You do not have permission to open the folder “%1”.").arg(path);
    return {};
}

bool ExplorerTreeView::setCurrentFolder(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QString path = resolvePath(text, current_);
    const QString refusal = refusalFor(path);
    if (!refusal.isEmpty()) {
        messages_->error(this, refusal);
        if (combo_)
            combo_->showLocation(current_);
        return false;
    }
    show(path);
    return true;
}

void ExplorerTreeView::show(const QString &path)
{
    const QModelIndex index = model_->ensurePath(path);
    selecting_ = true;
    view_->setCurrentIndex(index);
    view_->expand(index);
    view_->scrollTo(index);
    selecting_ = false;
    if (path == current_)
        return;
    current_ = path;
    if (list_)
        list_->setFolder(path);
    if (combo_)
        combo_->showLocation(path);
    emit FolderChanged(path);
}

void ExplorerTreeView::onCurrentChanged(const QModelIndex &current)
{
    if (selecting_ || !current.isValid())
        return;
    const QString path = model_->pathOf(current);
    const QString refusal = refusalFor(path);
    if (!refusal.isEmpty()) {
        messages_->error(this, refusal);
        return;
    }
    show(path);
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
    if (watched == view_ && event->type() == QEvent::FocusIn)
        emit GotFocus();
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnwick
