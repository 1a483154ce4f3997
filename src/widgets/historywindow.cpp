#include "historywindow.h"

#include "historyverbs.h"
#include "rawpaths.h"
#include "undo.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

// A burst of writes (an append, then a rewrite) is read once.
constexpr int RefreshDelayMs = 100;

QString folderOf(const QByteArray &path)
{
    return path.isEmpty() ? QString() : rawpath::shown(rawpath::parentOf(path));
}

QString stateOf(const UndoRecord &r)
{
    if (!undo::undoable(r.kind))
        return HistoryWindow::tr("Cannot be undone");
    if (r.busy)
        return HistoryWindow::tr("Under way");
    return r.undone ? HistoryWindow::tr("Undone") : HistoryWindow::tr("Done");
}

} // namespace

HistoryWindow::HistoryWindow(QWidget *parent, UserMessages &messages, JobAsker &asker)
    : QWidget(parent, Qt::Window), messages_(messages), asker_(asker), list_(new QTreeWidget(this)),
      undo_(new QPushButton(tr("&Undo"), this)), redo_(new QPushButton(tr("&Redo"), this))
{
    setWindowTitle(tr("Operation History"));
    setAccessibleName(windowTitle());
    list_->setHeaderLabels(
        {tr("When"), tr("Operation"), tr("Items"), tr("From"), tr("To"), tr("State")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAccessibleName(tr("Operations"));
    list_->header()->setStretchLastSection(false);
    list_->header()->setAccessibleName(tr("Columns"));
    undo_->setAccessibleName(tr("Undo"));
    redo_->setAccessibleName(tr("Redo"));
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(undo_, QDialogButtonBox::ActionRole);
    buttons->addButton(redo_, QDialogButtonBox::ActionRole);
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setAccessibleName(tr("Close"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(720, 360);

    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(undo_, &QPushButton::clicked, this, [this] { run(false); });
    connect(redo_, &QPushButton::clicked, this, [this] { run(true); });
    connect(list_, &QTreeWidget::currentItemChanged, this, &HistoryWindow::updateButtons);
    refreshSoon_.setSingleShot(true);
    refreshSoon_.setInterval(RefreshDelayMs);
    connect(&refreshSoon_, &QTimer::timeout, this, &HistoryWindow::refresh);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &refreshSoon_,
            qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &refreshSoon_,
            qOverload<>(&QTimer::start));
    refresh();
}

void HistoryWindow::refresh()
{
    const quint64 chosen = selectedId();
    auto journal = UndoJournal::shared();
    records_ = journal ? journal->load() : QList<UndoRecord>();
    if (journal) {
        // The file is replaced when the history is rewritten: watched anew.
        const QString file = journal->path();
        if (!watcher_.files().contains(file) && QFileInfo::exists(file))
            watcher_.addPath(file);
        const QString folder = QFileInfo(file).path();
        if (!watcher_.directories().contains(folder))
            watcher_.addPath(folder);
    }
    list_->clear();
    const QLocale locale;
    for (qsizetype i = records_.size() - 1; i >= 0; --i) {
        const UndoRecord &r = records_[i];
        const auto [from, to] = undo::ends(r);
        auto *row = new QTreeWidgetItem(
            list_, {locale.toString(QDateTime::fromSecsSinceEpoch(r.when), QLocale::ShortFormat),
                    undo::title(r), locale.toString(r.items.size()), folderOf(from), folderOf(to),
                    stateOf(r)});
        row->setData(0, Qt::UserRole, r.id);
        if (r.id == chosen)
            list_->setCurrentItem(row);
    }
    for (int c = 0; c < list_->columnCount(); ++c)
        list_->resizeColumnToContents(c);
    updateButtons();
}

quint64 HistoryWindow::selectedId() const
{
    const QTreeWidgetItem *row = list_->currentItem();
    return row ? row->data(0, Qt::UserRole).toULongLong() : 0;
}

bool HistoryWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        refreshSoon_.start();
    return QWidget::event(event);
}

void HistoryWindow::updateButtons()
{
    const quint64 id = selectedId();
    bool canUndo = false, canRedo = false;
    for (const UndoRecord &r : std::as_const(records_)) {
        if (r.id != id || r.busy || !undo::undoable(r.kind))
            continue;
        canUndo = !r.undone;
        canRedo = r.undone;
    }
    undo_->setEnabled(canUndo);
    redo_->setEnabled(canRedo);
}

void HistoryWindow::run(bool redo)
{
    if (const quint64 id = selectedId())
        HistoryVerbs::run(this, messages_, asker_, redo, id);
    refreshSoon_.start();
}

} // namespace tarnwick
