#include "findwindow.h"
#include "nameeditdelegate.h"

#include "founditemsmodel.h"
#include "jobs.h"
#include "plaintext.h"
#include "rawpaths.h"
#include "verbs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>
#include <climits>
#include <cstring>
#include <sys/stat.h>

namespace tarnwick {
namespace {

QString countText(qint64 n, const char *one, const char *many)
{
    // Two forms in English; other languages take as many as they have.
    return n == 1 ? FindWindow::tr(one)
                  : FindWindow::tr(many, nullptr, int(qMin<qint64>(n, INT_MAX)));
}

} // namespace

FindWindow::FindWindow(const QString &folder, Navigator navigator, QWidget *parent,
                       Services services)
    : QWidget(parent, Qt::Window), navigator_(std::move(navigator)), services_(services),
      model_(new FoundItemsModel(this))
{
    auto *form = new QFormLayout;
    const auto field = [&](const QString &label, const QString &accessible, const char *name) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setAccessibleName(accessible);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::returnPressed, this, &FindWindow::findNow);
        return edit;
    };
    named_ = field(tr("&Named:"), tr("Named"), "named");
    named_->setPlaceholderText(tr("*.txt; report"));
    named_->setToolTip(
        tr("Wildcards * and ?, several patterns separated by ';'. Case is ignored."));
    containing_ = field(tr("Containing &text:"), tr("Containing text"), "containing");
    matchCase_ = new QCheckBox(tr("Match &case"), this);
    matchCase_->setObjectName(QStringLiteral("matchCase"));
    form->addRow(QString(), matchCase_);
    binaryFiles_ = new QCheckBox(tr("Look in binar&y files too"), this);
    binaryFiles_->setObjectName(QStringLiteral("binaryFiles"));
    form->addRow(QString(), binaryFiles_);

    lookIn_ = new QLineEdit(folder, this);
    lookIn_->setObjectName(QStringLiteral("lookIn"));
    lookIn_->setAccessibleName(tr("Look in"));
    connect(lookIn_, &QLineEdit::returnPressed, this, &FindWindow::findNow);
    auto *browse = new QPushButton(tr("&Browse…"), this);
    browse->setObjectName(QStringLiteral("browse"));
    connect(browse, &QPushButton::clicked, this, &FindWindow::browse);
    auto *lookInRow = new QHBoxLayout;
    lookInRow->addWidget(lookIn_, 1);
    lookInRow->addWidget(browse);
    auto *lookInLabel = new QLabel(tr("&Look in:"), this);
    lookInLabel->setBuddy(lookIn_);
    form->addRow(lookInLabel, lookInRow);
    subfolders_ = new QCheckBox(tr("Include &subfolders"), this);
    subfolders_->setObjectName(QStringLiteral("subfolders"));
    subfolders_->setChecked(true);
    form->addRow(QString(), subfolders_);

    findNow_ = new QPushButton(tr("F&ind Now"), this);
    findNow_->setObjectName(QStringLiteral("findNow"));
    connect(findNow_, &QPushButton::clicked, this, &FindWindow::findNow);
    stop_ = new QPushButton(tr("S&top"), this);
    stop_->setObjectName(QStringLiteral("stop"));
    stop_->setEnabled(false);
    connect(stop_, &QPushButton::clicked, this, &FindWindow::stop);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(findNow_);
    buttons->addWidget(stop_);
    buttons->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addLayout(buttons);

    results_ = new QTreeView(this);
    results_->setObjectName(QStringLiteral("results"));
    results_->setAccessibleName(tr("Results"));
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true); // keeps a hundred thousand rows quick
    results_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setItemDelegate(new NameEditDelegate(results_, -1)); // names keep their direction
    results_->setModel(model_);
    results_->header()->setStretchLastSection(false);
    results_->header()->setSectionResizeMode(FolderColumn, QHeaderView::Stretch);
    results_->setColumnWidth(NameColumn, 200);
    results_->header()->setSortIndicator(-1, Qt::AscendingOrder); // the order found
    results_->setSortingEnabled(true);
    results_->setContextMenuPolicy(Qt::CustomContextMenu);
    results_->installEventFilter(this);
    connect(results_, &QWidget::customContextMenuRequested, this, &FindWindow::showMenu);
    connect(results_, &QAbstractItemView::doubleClicked, this, &FindWindow::openResult);
    auto *enter =
        new QShortcut(QKeySequence(Qt::Key_Return), results_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(enter, &QShortcut::activated, this, [this] { openResult(results_->currentIndex()); });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(results_, 1);
    layout->addWidget(status_);

    connect(&search_, &FileSearch::found, model_, &FoundItemsModel::append);
    connect(&search_, &FileSearch::finished, this, &FindWindow::onFinished);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] {
        if (!isSearching())
            showCount();
    });
    connect(named_, &QLineEdit::textChanged, this, &FindWindow::updateTitle);
    updateTitle();
    resize(640, 440);
    named_->setFocus();
}

FindWindow::~FindWindow() = default;

void FindWindow::findNow()
{
    QString folder = lookIn_->text().trimmed();
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    const QByteArray path = rawpath::toBytes(folder);
    struct stat st;
    QString refusal;
    if (folder.isEmpty())
        refusal = tr("Type the folder to look in.");
    else if (!folder.startsWith(QLatin1Char('/')))
        refusal = tr("Type the folder's full path, starting with “/”.");
    else if (stat(path.constData(), &st) != 0)
        refusal = tr("The folder “%1” cannot be searched: %2.")
                      .arg(rawpath::shown(folder), QString::fromLocal8Bit(strerror(errno)));
    else if (!S_ISDIR(st.st_mode))
        refusal = jobtext::notAFolder(folder);
    if (!refusal.isEmpty()) {
        status_->setText(refusal);
        return;
    }

    // What the last search still had on its way must not join the new one.
    search_.abandon();
    model_->clear();
    FindQuery q;
    q.folder = path;
    q.names = named_->text();
    q.text = containing_->text();
    q.matchCase = matchCase_->isChecked();
    q.binaryFiles = binaryFiles_->isChecked();
    q.subfolders = subfolders_->isChecked();
    search_.start(q);
    setSearching(true);
    status_->setText(tr("Searching…"));
}

void FindWindow::stop()
{
    search_.stop();
}

void FindWindow::closeEvent(QCloseEvent *event)
{
    search_.stop();
    QWidget::closeEvent(event);
}

bool FindWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == results_ && event->type() == QEvent::KeyPress &&
        isContextMenuKey(*static_cast<QKeyEvent *>(event))) {
        showMenu(keyboardMenuPoint(*results_, results_->currentIndex()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FindWindow::onFinished(qint64, qint64 unreadable, bool stopped)
{
    stopped_ = stopped;
    unreadable_ = unreadable;
    showCount();
    setSearching(false);
    emit searchFinished();
}

// The count is of the rows shown: items deleted from here leave it.
void FindWindow::showCount()
{
    QString text =
        countText(model_->rowCount(), QT_TR_NOOP("1 item found"), QT_TR_N_NOOP("%Ln items found"));
    if (stopped_)
        text = tr("Stopped: %1").arg(text);
    if (unreadable_ > 0)
        text += QLatin1String(" (") +
                countText(unreadable_, QT_TR_NOOP("1 folder could not be read"),
                          QT_TR_N_NOOP("%Ln folders could not be read")) +
                QLatin1Char(')');
    status_->setText(text);
}

void FindWindow::openResult(const QModelIndex &index)
{
    if (index.isValid() && navigator_)
        navigator_(rawpath::toText(model_->folderAt(index.row())));
}

void FindWindow::browse()
{
    const QString chosen =
        QFileDialog::getExistingDirectory(this, tr("Look In"), lookIn_->text().trimmed());
    if (!chosen.isEmpty())
        lookIn_->setText(chosen);
}

void FindWindow::updateTitle()
{
    const QString named = named_->text().trimmed();
    setWindowTitle(named.isEmpty() ? tr("Find: All Files")
                                   : plainWindowTitle(tr("Find: Files named %1").arg(named)));
}

void FindWindow::setSearching(bool on)
{
    findNow_->setEnabled(!on);
    stop_->setEnabled(on);
}

} // namespace tarnwick
