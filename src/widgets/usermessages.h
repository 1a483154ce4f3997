#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QMessageBox;
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

// Shows all the texts of `box` as plain text, as names and system messages
// must be: Qt guesses at rich text otherwise, and a name such as
// "<img src=file:%2Fdev%2Fzero>" would be drawn as a picture read from that
// file. The informative text's label keeps guessing whatever the box's text
// format, so this comes once every text is set.
void showAsPlainText(QMessageBox &box);

// Puts a question from outside (a volume or a connection) without waiting:
// its own `choices`, each plain text, then Cancel. `answered` gets the index
// of the choice taken, or -1, in the context of `parent`. The box deletes
// itself once answered.
QMessageBox *askChoice(QWidget *parent, const QString &title, const QString &message,
                       const QStringList &choices, std::function<void(int)> answered);

} // namespace tarnwick
