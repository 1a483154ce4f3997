#include "toolbarcustomizer.h"

#include "panels.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

bool sameButton(const Toolbar::Button &a, const Toolbar::Button &b)
{
    return a.style == b.style && a.key == b.key && a.description == b.description;
}

} // namespace

ToolbarCustomizeDialog::ToolbarCustomizeDialog(std::vector<Toolbar::Button> design,
                                               std::vector<Toolbar::Button> current,
                                               QWidget *parent, std::vector<Toolbar::Button> extra)
    : QDialog(parent), design_(std::move(design)), extra_(std::move(extra)),
      current_(std::move(current))
{
    setWindowTitle(tr("Customize Toolbar"));
    widenForTitle(this);
    available_ = new QListWidget(this);
    available_->setAccessibleName(tr("Available buttons"));
    shown_ = new QListWidget(this);
    shown_->setAccessibleName(tr("Toolbar buttons"));
    addButton_ = new QPushButton(tr("&Add ->"), this);
    removeButton_ = new QPushButton(tr("<- &Remove"), this);
    upButton_ = new QPushButton(tr("Move &Up"), this);
    downButton_ = new QPushButton(tr("Move &Down"), this);
    auto *resetButton = new QPushButton(tr("R&eset"), this);
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto *grid = new QGridLayout;
    auto *availableLabel = new QLabel(tr("A&vailable buttons:"), this);
    availableLabel->setBuddy(available_);
    auto *shownLabel = new QLabel(tr("&Toolbar buttons:"), this);
    shownLabel->setBuddy(shown_);
    grid->addWidget(availableLabel, 0, 0);
    grid->addWidget(shownLabel, 0, 2);
    grid->addWidget(available_, 1, 0);
    auto *middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(addButton_);
    middle->addWidget(removeButton_);
    middle->addStretch();
    grid->addLayout(middle, 1, 1);
    grid->addWidget(shown_, 1, 2);
    auto *right = new QVBoxLayout;
    right->addWidget(upButton_);
    right->addWidget(downButton_);
    right->addStretch();
    right->addWidget(resetButton);
    grid->addLayout(right, 1, 3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(close);

    connect(addButton_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::add);
    connect(removeButton_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::remove);
    connect(upButton_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::moveUp);
    connect(downButton_, &QPushButton::clicked, this, &ToolbarCustomizeDialog::moveDown);
    connect(resetButton, &QPushButton::clicked, this, &ToolbarCustomizeDialog::reset);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::accept);
    connect(available_, &QListWidget::itemDoubleClicked, this, &ToolbarCustomizeDialog::add);
    connect(shown_, &QListWidget::itemDoubleClicked, this, &ToolbarCustomizeDialog::remove);
    connect(available_, &QListWidget::currentRowChanged, this,
            &ToolbarCustomizeDialog::updateButtons);
    connect(shown_, &QListWidget::currentRowChanged, this, &ToolbarCustomizeDialog::updateButtons);
    refill(0);
}

QString ToolbarCustomizeDialog::label(const Toolbar::Button &button)
{
    if (button.style == Toolbar::Style::Separator)
        return tr("Separator");
    // Some descriptions are the button's key ("UpOneLevel"); the user reads
    // the words of its tool tip instead.
    if (!button.description.isEmpty() && button.description != button.key)
        return button.description;
    if (!button.toolTip.isEmpty())
        return button.toolTip;
    if (!button.description.isEmpty())
        return button.description;
    return tr("(blank button)");
}

// The design's and the extra buttons not on the toolbar now; a separator is
// always there.
std::vector<Toolbar::Button> ToolbarCustomizeDialog::availableButtons() const
{
    std::vector<Toolbar::Button> out;
    Toolbar::Button separator;
    separator.style = Toolbar::Style::Separator;
    out.push_back(separator);
    std::vector<Toolbar::Button> offered = design_;
    offered.insert(offered.end(), extra_.begin(), extra_.end());
    for (const Toolbar::Button &b : offered) {
        if (b.style == Toolbar::Style::Separator)
            continue;
        const bool used = std::any_of(current_.begin(), current_.end(),
                                      [&](const Toolbar::Button &c) { return sameButton(b, c); });
        if (!used)
            out.push_back(b);
    }
    return out;
}

void ToolbarCustomizeDialog::refill(int selectCurrent)
{
    available_->clear();
    for (const Toolbar::Button &b : availableButtons())
        available_->addItem(new QListWidgetItem(b.picture, label(b)));
    shown_->clear();
    for (const Toolbar::Button &b : current_)
        shown_->addItem(new QListWidgetItem(b.picture, label(b)));
    available_->setCurrentRow(0);
    shown_->setCurrentRow(std::min(selectCurrent, int(current_.size()) - 1));
    updateButtons();
}

void ToolbarCustomizeDialog::updateButtons()
{
    const int row = shown_->currentRow();
    addButton_->setEnabled(available_->currentRow() >= 0);
    removeButton_->setEnabled(row >= 0);
    upButton_->setEnabled(row > 0);
    downButton_->setEnabled(row >= 0 && row + 1 < int(current_.size()));
}

void ToolbarCustomizeDialog::add()
{
    const std::vector<Toolbar::Button> candidates = availableButtons();
    const int from = available_->currentRow();
    if (from < 0 || from >= int(candidates.size()))
        return;
    // In front of the selected toolbar button, or at the end.
    const int at = shown_->currentRow() >= 0 ? shown_->currentRow() : int(current_.size());
    current_.insert(current_.begin() + at, candidates[size_t(from)]);
    refill(at);
    emit arrangementChanged();
}

void ToolbarCustomizeDialog::remove()
{
    const int row = shown_->currentRow();
    if (row < 0 || row >= int(current_.size()))
        return;
    current_.erase(current_.begin() + row);
    refill(row);
    emit arrangementChanged();
}

void ToolbarCustomizeDialog::moveUp()
{
    const int row = shown_->currentRow();
    if (row <= 0 || row >= int(current_.size()))
        return;
    std::swap(current_[size_t(row)], current_[size_t(row - 1)]);
    refill(row - 1);
    emit arrangementChanged();
}

void ToolbarCustomizeDialog::moveDown()
{
    const int row = shown_->currentRow();
    if (row < 0 || row + 1 >= int(current_.size()))
        return;
    std::swap(current_[size_t(row)], current_[size_t(row + 1)]);
    refill(row + 1);
    emit arrangementChanged();
}

void ToolbarCustomizeDialog::reset()
{
    current_ = design_;
    refill(0);
    emit arrangementChanged();
}

} // namespace tarnwick
