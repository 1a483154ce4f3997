#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace tarnwick {

// Where the controls send what the user must be told (a folder that does not
// exist, a name that cannot be used). Tests substitute a recording one.
class UserMessages
{
public:
    virtual ~UserMessages() = default;
    virtual void error(QWidget *parent, const QString &text) = 0;
    // A plain note: no icon, OK only.
    virtual void notice(QWidget *parent, const QString &text) = 0;
    // A yes-or-no question; true for yes.
    virtual bool confirm(QWidget *parent, const QString &text) = 0;
    // A one-line text from the user, with OK and Cancel; nullopt on Cancel.
    virtual std::optional<QString> ask(QWidget *parent, const QString &title,
                                       const QString &prompt) = 0;

    // Message boxes titled with the application's title.
    static UserMessages &dialogs();
};

} // namespace tarnwick
