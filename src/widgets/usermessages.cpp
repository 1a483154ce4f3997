#include "usermessages.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace tarnwick {
namespace {

QMessageBox::StandardButton showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton byDefault)
{
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, buttons, parent);
    box.setDefaultButton(byDefault);
    showAsPlainText(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}

class DialogMessages : public UserMessages
{
public:
    void error(QWidget *parent, const QString &text) override
    {
        showBox(parent, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
    }
    void notice(QWidget *parent, const QString &text) override
    {
        showBox(parent, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
    }
    bool confirm(QWidget *parent, const QString &text) override
    {
        return showBox(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::No) == QMessageBox::Yes;
    }
    std::optional<QString> ask(QWidget *parent, const QString &title,
                               const QString &prompt) override
    {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        for (QLabel *label : dialog.findChildren<QLabel *>())
            label->setTextFormat(Qt::PlainText);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    }
};

} // namespace

UserMessages &UserMessages::dialogs()
{
    static DialogMessages instance;
    return instance;
}

void showAsPlainText(QMessageBox &box)
{
    box.setTextFormat(Qt::PlainText);
    for (QLabel *label : box.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

QMessageBox *askChoice(QWidget *parent, const QString &title, const QString &message,
                       const QStringList &choices, std::function<void(int)> answered)
{
    auto *box =
        new QMessageBox(QMessageBox::Question, title, message, QMessageBox::NoButton, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices) {
        // A choice is plain text: an ampersand in it is not a mnemonic.
        QString label = choice;
        buttons.append(box->addButton(label.replace(QLatin1Char('&'), QLatin1String("&&")),
                                      QMessageBox::AcceptRole));
    }
    box->setEscapeButton(box->addButton(QMessageBox::Cancel));
    showAsPlainText(*box);
    QObject::connect(box, &QMessageBox::finished, parent,
                     [box, buttons, answered = std::move(answered)] {
                         answered(int(buttons.indexOf(box->clickedButton())));
                     });
    box->open();
    return box;
}

} // namespace tarnwick
