#include "usermessages.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace tarnwick {
namespace {

class DialogMessages : public UserMessages
{
public:
    void error(QWidget *parent, const QString &text) override
    {
        QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(), text);
    }
    void notice(QWidget *parent, const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                        QMessageBox::Ok, parent);
        box.exec();
    }
    bool confirm(QWidget *parent, const QString &text) override
    {
        return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), text,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }
    std::optional<QString> ask(QWidget *parent, const QString &title,
                               const QString &prompt) override
    {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
        return ok ? std::optional<QString>(text) : std::nullopt;
    }
};

} // namespace

UserMessages &UserMessages::dialogs()
{
    static DialogMessages instance;
    return instance;
}

} // namespace tarnwick
