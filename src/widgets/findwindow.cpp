#include "findwindow.h"

#include "foldermodel.h"
#include "icons.h"
#include "jobs.h"
#include "naturalorder.h"
#include "plaintext.h"
#include "rawpaths.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstring>
#include <sys/stat.h>

namespace tarnwick {
namespace {

enum Role
{
    FolderRole = Qt::UserRole + 1, // QString
    SortRole,                      // qint64, for the size and date columns
};

// Sizes and dates sort by value, names the way people count.
class ResultItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == FindWindow::SizeColumn || column == FindWindow::ModifiedColumn)
            return data(column, SortRole).toLongLong() < other.data(column, SortRole).toLongLong();
        return naturalCompare(text(column), other.text(column)) < 0;
    }
};

QString countText(qint64 n, const char *one, const char *many)
{
    // Two forms in English; other languages take as many as they have.
    return n == 1 ? FindWindow::tr(one)
                  : FindWindow::tr(many, nullptr, int(qMin<qint64>(n, INT_MAX)));
}

} // namespace

FindWindow::FindWindow(const QString &folder, Navigator navigator, QWidget *parent)
    : QWidget(parent, Qt::Window), navigator_(std::move(navigator))
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

    results_ = new QTreeWidget(this);
    results_->setObjectName(QStringLiteral("results"));
    results_->setAccessibleName(tr("Results"));
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true); // keeps tens of thousands of rows quick
    results_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    results_->setHeaderLabels({tr("Name"), tr("In Folder"), tr("Size"), tr("Modified")});
    results_->header()->setStretchLastSection(false);
    results_->header()->setSectionResizeMode(FolderColumn, QHeaderView::Stretch);
    results_->setColumnWidth(NameColumn, 200);
    results_->setSortingEnabled(true);
    results_->sortByColumn(-1, Qt::AscendingOrder); // the order found until the user sorts
    connect(results_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { openResult(item); });
    auto *enter =
        new QShortcut(QKeySequence(Qt::Key_Return), results_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(enter, &QShortcut::activated, this, [this] { openResult(results_->currentItem()); });

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(results_, 1);
    layout->addWidget(status_);

    connect(&search_, &FileSearch::found, this, &FindWindow::addResults);
    connect(&search_, &FileSearch::finished, this, &FindWindow::onFinished);
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
                      .arg(folder, QString::fromLocal8Bit(strerror(errno)));
    else if (!S_ISDIR(st.st_mode))
        refusal = jobtext::notAFolder(folder);
    if (!refusal.isEmpty()) {
        status_->setText(refusal);
        return;
    }

    results_->clear();
    FindQuery q;
    q.folder = path;
    q.names = named_->text();
    q.text = containing_->text();
    q.matchCase = matchCase_->isChecked();
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

void FindWindow::addResults(const FoundFiles &batch)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(batch.size());
    const QLocale locale;
    for (const FoundFile &f : batch) {
        auto *item = new ResultItem;
        item->setText(NameColumn, rawpath::shown(f.name));
        item->setIcon(NameColumn, f.isDir ? Icons::folder() : Icons::file());
        item->setText(FolderColumn, rawpath::shown(f.folder));
        item->setData(NameColumn, FolderRole, f.folder);
        if (!f.isDir)
            item->setText(SizeColumn, FolderModel::sizeText(f.size));
        item->setData(SizeColumn, SortRole, f.isDir ? qint64(-1) : f.size);
        item->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(ModifiedColumn, locale.toString(QDateTime::fromSecsSinceEpoch(f.mtime),
                                                      QLocale::ShortFormat));
        item->setData(ModifiedColumn, SortRole, f.mtime);
        items.append(item);
    }
    results_->addTopLevelItems(items);
}

void FindWindow::onFinished(qint64 found, qint64 unreadable, bool stopped)
{
    QString text = countText(found, QT_TR_NOOP("1 file found"), QT_TR_N_NOOP("%Ln files found"));
    if (stopped)
        text = tr("Stopped: %1").arg(text);
    if (unreadable > 0)
        text += QLatin1String(" (") +
                countText(unreadable, QT_TR_NOOP("1 folder could not be read"),
                          QT_TR_N_NOOP("%Ln folders could not be read")) +
                QLatin1Char(')');
    status_->setText(text);
    setSearching(false);
    emit searchFinished();
}

void FindWindow::openResult(QTreeWidgetItem *item)
{
    if (item && navigator_)
        navigator_(item->data(NameColumn, FolderRole).toString());
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
