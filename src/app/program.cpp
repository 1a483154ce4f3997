#include "program.h"

#include "form1.h"
#include "frmabout.h"
#include "frmexplore.h"
#include "frmoptions.h"
#include "frmsplash2.h"
#include "propertiesdialog.h"

namespace tarnwick {

Program::Program(const QString &settingsFile, WindowRegistry::Exit exit, UserMessages &messages)
    : messages_(messages), busMessages_(messages), store_(settingsFile), prefs_(store_),
      windows_(std::move(exit))
{
    store_.setWriteFailureHandler(reportFirstFailureInBox(messages));
    windows_.define(QString::fromLatin1(frmExplore::Name),
                    [this](WindowRegistry &w) { return std::make_unique<frmExplore>(w, prefs_); });
    windows_.define(QString::fromLatin1(frmOptions::Name),
                    [this](WindowRegistry &w) { return std::make_unique<frmOptions>(w, prefs_); });
    windows_.define(QString::fromLatin1(Form1::Name),
                    [](WindowRegistry &) { return std::make_unique<Form1>(); });
    windows_.define(QString::fromLatin1(frmAbout::Name), [&messages](WindowRegistry &) {
        return std::make_unique<frmAbout>(frmAbout::Services{&messages});
    });
    windows_.define(QString::fromLatin1(frmSplash2::Name),
                    [](WindowRegistry &w) { return std::make_unique<frmSplash2>(w); });
}

void Program::Main(bool splash, const QList<StartPlace> &places)
{
    auto *main = static_cast<frmExplore *>(windows_.form(QString::fromLatin1(frmExplore::Name)));
    if (!places.isEmpty())
        main->setStartPlace(places.first());
    for (qsizetype i = 1; i < places.size(); ++i)
        main->startAnotherCopy(argumentsFor(places[i]));
    if (splash) {
        // The splash brings up the main window itself.
        windows_.form(QString::fromLatin1(frmSplash2::Name))->show();
        return;
    }
    const bool minimized = qgetenv(ShowStateVariable) == "minimized";
    // The hint is for this copy only, not for copies it starts in turn.
    qunsetenv(ShowStateVariable);
    if (!minimized) {
        main->show();
        return;
    }
    main->load();
    main->window()->showMinimized();
}

bool Program::offerFileManagerService(QDBusConnection bus)
{
    auto *main = static_cast<frmExplore *>(windows_.form(QString::fromLatin1(frmExplore::Name)));
    FileManagerService::Actions actions;
    // A window of its own for each request, shown at once: the user of the
    // asking program waits to see it.
    actions.open = [main](const StartPlace &place, const QString &startupId) {
        return main->startCopy(argumentsFor(place), false, startupId);
    };
    actions.showProperties = [this](const QList<QByteArray> &paths) {
        QStringList problems;
        busMessages_.kept = &problems;
        PropertiesDialog *dialog = PropertiesDialog::create(paths, nullptr, busMessages_);
        busMessages_.kept = nullptr;
        if (dialog) {
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->show();
            dialog->raise();
            dialog->activateWindow();
        }
        return problems;
    };
    fileManager_ = std::make_unique<FileManagerService>(std::move(actions));
    return fileManager_->claim(bus);
}

void Program::DeferringMessages::error(QWidget *parent, const QString &text)
{
    if (kept)
        *kept << text;
    else
        messages_.error(parent, text);
}

void Program::DeferringMessages::notice(QWidget *parent, const QString &text)
{
    if (kept)
        *kept << text;
    else
        messages_.notice(parent, text);
}

// Nobody is there to answer while a call is answered: no, and Cancel.
bool Program::DeferringMessages::confirm(QWidget *parent, const QString &text)
{
    return !kept && messages_.confirm(parent, text);
}

std::optional<QString> Program::DeferringMessages::ask(QWidget *parent, const QString &title,
                                                       const QString &prompt)
{
    if (kept)
        return std::nullopt;
    return messages_.ask(parent, title, prompt);
}

} // namespace tarnwick
