#include "openwithdialog.h"

#include "applications.h"
#include "fileopener.h"
#include "usermessages.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnwick {
namespace {

constexpr int IdRole = Qt::UserRole;

class DialogOpenAsker : public OpenAsker
{
public:
    std::optional<Choice> chooseApplication(QWidget *parent, const QString &contentType,
                                            const QString &prompt) override
    {
        OpenWithDialog dialog(contentType, prompt, parent);
        if (dialog.exec() != QDialog::Accepted || dialog.chosenId().isEmpty())
            return std::nullopt;
        return Choice{dialog.chosenId(), dialog.always()};
    }

    RunAnswer askRun(QWidget *parent, const QString &question, const QString &detail) override
    {
        QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), question,
                        QMessageBox::NoButton, parent);
        box.setInformativeText(detail);
        QPushButton *run = box.addButton(FileOpener::tr("&Run"), QMessageBox::AcceptRole);
        QPushButton *asText =
            box.addButton(FileOpener::tr("Open as &Text"), QMessageBox::ActionRole);
        QPushButton *cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        showAsPlainText(box);
        box.exec();
        if (box.clickedButton() == run)
            return RunAnswer::Run;
        if (box.clickedButton() == asText)
            return RunAnswer::OpenAsText;
        return RunAnswer::Cancel;
    }
};

} // namespace

OpenAsker &OpenAsker::dialogs()
{
    static DialogOpenAsker instance;
    return instance;
}

OpenWithDialog::OpenWithDialog(const QString &contentType, const QString &prompt, QWidget *parent)
    : QDialog(parent), prompt_(new QLabel(prompt, this)), search_(new QLineEdit(this)),
      list_(new QListWidget(this)), always_(new QCheckBox(tr("&Always use for this type"), this))
{
    setWindowTitle(tr("Open With"));
    prompt_->setTextFormat(Qt::PlainText);
    prompt_->setWordWrap(true);
    search_->setPlaceholderText(tr("Search"));
    search_->setAccessibleName(tr("Search"));
    list_->setAccessibleName(tr("Applications"));
    search_->setClearButtonEnabled(true);
    always_->setToolTip(contentType.toHtmlEscaped());
    for (const Application &app : Applications::all()) {
        const QIcon icon = app.iconName.startsWith(QLatin1Char('/'))
                               ? QIcon(app.iconName)
                               : QIcon::fromTheme(app.iconName);
        auto *item = new QListWidgetItem(icon, app.name, list_);
        item->setData(IdRole, app.id);
        item->setToolTip(app.id.toHtmlEscaped());
    }
    list_->setIconSize(QSize(24, 24));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(search_, &QLineEdit::textChanged, this, &OpenWithDialog::filter);
    connect(list_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *current) { ok_->setEnabled(current && !current->isHidden()); });
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(search_);
    layout->addWidget(list_);
    layout->addWidget(always_);
    layout->addWidget(buttons);
    resize(420, 480);
    search_->setFocus();
}

void OpenWithDialog::filter(const QString &text)
{
    const QString wanted = text.trimmed();
    QListWidgetItem *firstShown = nullptr;
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem *item = list_->item(i);
        const bool shown = item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !firstShown)
            firstShown = item;
    }
    // What was chosen stays chosen while it is shown; otherwise the first
    // match is, so Enter opens with it.
    QListWidgetItem *current = list_->currentItem();
    if (!current || current->isHidden())
        list_->setCurrentItem(firstShown);
    ok_->setEnabled(list_->currentItem() && !list_->currentItem()->isHidden());
}

QString OpenWithDialog::chosenId() const
{
    const QListWidgetItem *item = list_->currentItem();
    return item && !item->isHidden() ? item->data(IdRole).toString() : QString();
}

bool OpenWithDialog::always() const
{
    return always_->isChecked();
}

} // namespace tarnwick
