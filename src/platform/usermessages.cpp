#include "usermessages.h"

#include <QGuiApplication>
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
};

} // namespace

UserMessages &UserMessages::dialogs()
{
    static DialogMessages instance;
    return instance;
}

} // namespace tarnwick
