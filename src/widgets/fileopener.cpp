#include "fileopener.h"

#include "background.h"
#include "launcher.h"
#include "rawpaths.h"
#include "terminal.h"
#include "usermessages.h"

#include <QIcon>
#include <QMenu>

namespace tarnwick {

namespace OpenTexts {

QString noApplication(const QString &name)
{
    return FileOpener::tr("No application is set to open “%1”.").arg(name);
}

QString chooseFor(const QString &name)
{
    return FileOpener::tr("Choose the application to open “%1” with.").arg(name);
}

QString openFailed(const QString &names, const QString &reason)
{
    return FileOpener::tr("“%1” could not be opened: %2").arg(names, reason);
}

QString runQuestion(const QString &name)
{
    return FileOpener::tr("Run “%1”?").arg(name);
}

QString programDetail()
{
    return FileOpener::tr("It is a program. Run it only if you trust where it came from.");
}

QString launcherDetail(const QString &appName, const QString &exec)
{
    return FileOpener::tr("It is a launcher: it starts “%1” with the command %2. Run it only if "
                          "you trust where it came from.")
        .arg(appName, exec);
}

QString noTerminal()
{
    return FileOpener::tr("No terminal was found. Set the TERMINAL variable to the one you use.");
}

QString terminalFailed(const QString &folder, const QString &reason)
{
    return FileOpener::tr("No terminal could be started in “%1”: %2").arg(folder, reason);
}

} // namespace OpenTexts

namespace {

QString nameOf(const QByteArray &path)
{
    return rawpath::shown(rawpath::baseName(path));
}

QString namesOf(const QList<QByteArray> &paths)
{
    QStringList names;
    for (const QByteArray &path : paths)
        names << nameOf(path);
    return names.join(QStringLiteral(", "));
}

QIcon iconOf(const Application &app)
{
    if (app.iconName.startsWith(QLatin1Char('/')))
        return QIcon(app.iconName);
    return QIcon::fromTheme(app.iconName);
}

} // namespace

FileOpener::FileOpener(QWidget *parent, Services services)
    : QObject(parent), parent_(parent), services_(services)
{
}

void FileOpener::finish()
{
    emit settled();
    deleteLater();
}

void FileOpener::open(const QList<QByteArray> &paths)
{
    // A file on a dead mount must not hold the window: its type and mode
    // are read by a worker.
    Background::run(this, [this, paths](BackgroundTask &task) {
        QList<Found> found;
        for (const QByteArray &path : paths) {
            if (task.cancelled())
                return;
            Found f{Applications::factsOf(path), std::nullopt};
            if (f.facts.executable && Applications::isLauncherType(f.facts.contentType))
                f.launcher = Applications::launcherOf(path);
            found.append(f);
        }
        task.post([this, found] { openFound(found); });
    });
}

bool FileOpener::runOrSkip(const Found &file, const QString &question, const QString &detail)
{
    switch (services_.asker->askRun(parent_, question, detail)) {
    case OpenAsker::RunAnswer::Cancel:
        return true;
    case OpenAsker::RunAnswer::OpenAsText:
        return false;
    case OpenAsker::RunAnswer::Run:
        break;
    }
    const QByteArray &path = file.facts.path;
    const LaunchResult result = file.launcher
                                    ? services_.launcher->launch(rawpath::toText(path), {})
                                    : services_.launcher->startIn({path}, rawpath::parentOf(path));
    if (!result.ok())
        services_.messages->error(parent_, OpenTexts::openFailed(nameOf(path), result.reason));
    return true;
}

void FileOpener::openFound(const QList<Found> &found)
{
    // Files by type, in the order met, each type opened in one go.
    QList<std::pair<QString, QList<QByteArray>>> byType;
    const auto add = [&](const QString &type, const QByteArray &path) {
        for (auto &[t, paths] : byType) {
            if (t == type) {
                paths.append(path);
                return;
            }
        }
        byType.append({type, {path}});
    };
    for (const Found &f : found) {
        const QString name = nameOf(f.facts.path);
        const QString &type = f.facts.contentType;
        if (type.isEmpty()) {
            services_.messages->error(parent_,
                                      OpenTexts::openFailed(name, tr("It cannot be read.")));
        } else if (Applications::isLauncherType(type)) {
            // A launcher runs only with its execute bit set, and when asked;
            // otherwise it is text.
            if (!f.launcher ||
                !runOrSkip(f, OpenTexts::runQuestion(name),
                           OpenTexts::launcherDetail(f.launcher->first, f.launcher->second)))
                add(Applications::textType(), f.facts.path);
        } else if (f.facts.executable && Applications::canBeExecutable(type)) {
            if (!runOrSkip(f, OpenTexts::runQuestion(name), OpenTexts::programDetail()))
                add(Applications::textType(), f.facts.path);
        } else {
            add(type, f.facts.path);
        }
    }
    for (const auto &[type, paths] : byType)
        openType(type, paths);
    finish();
}

void FileOpener::openType(const QString &contentType, const QList<QByteArray> &paths)
{
    std::optional<Application> app = Applications::defaultFor(contentType);
    if (!app) {
        const auto choice = services_.asker->chooseApplication(
            parent_, contentType, OpenTexts::noApplication(namesOf(paths)));
        if (!choice)
            return;
        if (choice->always) {
            const LaunchResult set = Applications::setDefault(choice->appId, contentType);
            if (!set.ok())
                services_.messages->error(parent_, set.reason);
        }
        app = Applications::find(choice->appId);
        if (!app) {
            services_.messages->error(
                parent_, OpenTexts::openFailed(namesOf(paths), tr("The application is gone.")));
            return;
        }
    }
    launchAll(*app, paths);
}

void FileOpener::launchAll(const Application &app, const QList<QByteArray> &paths)
{
    const auto launch = [&](const QList<QByteArray> &some) {
        const LaunchResult result = services_.launcher->launch(app.id, some);
        if (!result.ok())
            services_.messages->error(parent_, OpenTexts::openFailed(namesOf(some), result.reason));
    };
    if (app.supportsMultiple || paths.size() == 1) {
        launch(paths);
        return;
    }
    for (const QByteArray &path : paths)
        launch({path});
}

void FileOpener::openWith(const QString &appId, const QList<QByteArray> &paths)
{
    if (const auto app = Applications::find(appId))
        launchAll(*app, paths);
    else
        services_.messages->error(
            parent_, OpenTexts::openFailed(namesOf(paths), tr("The application is gone.")));
    finish();
}

void FileOpener::chooseFor(const QList<QByteArray> &paths, const QString &contentType)
{
    const auto choice = services_.asker->chooseApplication(parent_, contentType,
                                                           OpenTexts::chooseFor(namesOf(paths)));
    if (choice) {
        if (choice->always) {
            const LaunchResult set = Applications::setDefault(choice->appId, contentType);
            if (!set.ok())
                services_.messages->error(parent_, set.reason);
        }
        openWith(choice->appId, paths);
        return;
    }
    finish();
}

void FileOpener::openTerminalIn(const QByteArray &folder)
{
    Background::run(this, [this, folder](BackgroundTask &task) {
        const QList<QByteArray> terminal = Terminal::find();
        task.post([this, folder, terminal] {
            if (terminal.isEmpty()) {
                services_.messages->error(parent_, OpenTexts::noTerminal());
            } else if (const LaunchResult r = services_.launcher->startIn(terminal, folder);
                       !r.ok()) {
                services_.messages->error(
                    parent_, OpenTexts::terminalFailed(rawpath::shown(folder), r.reason));
            }
            finish();
        });
    });
}

void FileOpener::fillOpenWithMenu(QMenu &menu, const QString &contentType,
                                  const std::function<void(const QString &)> &openWith,
                                  const std::function<void()> &other)
{
    QList<Application> apps;
    if (auto app = Applications::defaultFor(contentType))
        apps.append(*app);
    for (const Application &app : Applications::recommendedFor(contentType)) {
        if (apps.isEmpty() || app.id != apps.first().id)
            apps.append(app);
    }
    for (const Application &app : apps) {
        // Names come from other packages: shown as they are, "&" included.
        QString label = app.name;
        label.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *action = menu.addAction(iconOf(app), label);
        QObject::connect(action, &QAction::triggered, &menu,
                         [openWith, id = app.id] { openWith(id); });
    }
    if (!apps.isEmpty())
        menu.addSeparator();
    QAction *choose = menu.addAction(tr("Other &Application..."));
    QObject::connect(choose, &QAction::triggered, &menu, [other] { other(); });
}

} // namespace tarnwick
