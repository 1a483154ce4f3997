#pragma once

#include <QString>

class QWidget;

namespace tarnwick {

// Where the controls send what the user must be told (a folder that does not
// exist, a name that cannot be used). Tests substitute a recording one.
class UserMessages
{
public:
    virtual ~UserMessages() = default;
    virtual void error(QWidget *parent, const QString &text) = 0;

    // Message boxes titled with the application's title.
    static UserMessages &dialogs();
};

} // namespace tarnwick
