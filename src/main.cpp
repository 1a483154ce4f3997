#include "fileoperationdialogs.h"
#include "frmabout.h"
#include "icons.h"
#include "language.h"
#include "panels.h"
#include "program.h"
#include "rawpaths.h"
#include "settingsstore.h"
#include "startplaces.h"
#include "undojournal.h"
#include "unixsignals.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDir>
#include <QSessionManager>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct CommandLine
{
    // The options' names stay as they are in every language; what they do
    // is told in the user's.
    static QString text(const char *source)
    {
        return QCoreApplication::translate("CommandLine", source);
    }
    QCommandLineParser parser;
    QCommandLineOption select{
        QStringLiteral("select"),
        text(QT_TRANSLATE_NOOP("CommandLine",
                               "Show the arguments as items selected in their folder; the items of "
                               "one folder share its window."))};
    QCommandLineOption splash{
        QStringLiteral("splash"),
        text(QT_TRANSLATE_NOOP("CommandLine", "Show the splash screen first."))};
    // The desktop's menu starts the program with this: a user who picks it
    // there expects the home folder.
    QCommandLineOption home{
        QStringLiteral("home"),
        text(QT_TRANSLATE_NOOP("CommandLine",
                               "Open the home folder when no path is given (or none can be "
                               "shown)."))};

    CommandLine()
    {
        parser.setApplicationDescription(text(QT_TRANSLATE_NOOP(
            "CommandLine",
            "Browse and manage files: a folder tree beside the folder's contents.")));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({select, splash, home});
        parser.addPositionalArgument(
            QStringLiteral("paths"),
            text(QT_TRANSLATE_NOOP(
                "CommandLine",
                "Folders or files to show, as paths or file:// addresses. A file opens its folder "
                "with the file selected, and the files of one folder share its window; each "
                "further folder opens in a window of its own.")),
            QStringLiteral("[PATH-OR-URI...]"));
    }
};

// Whether the command line asks only for the usage or the version, which a
// terminal without a display must be able to answer too.
bool asksForText(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (std::strcmp(a, "--") == 0)
            break;
        for (const char *text : {"-h", "--help", "--help-all", "-?", "-v", "--version"})
            if (std::strcmp(a, text) == 0)
                return true;
    }
    return false;
}

// For scripts and tests: where this copy opens, appended as one line to the
// file TARNWICK_REPORT_START names: the process id, the folder ("" for the
// usual start) and the names shown selected, separated by tabs.
void reportStart(const tarnwick::StartPlace &place)
{
    const QByteArray file = qgetenv("TARNWICK_REPORT_START");
    if (file.isEmpty())
        return;
    QByteArray line = QByteArray::number(QCoreApplication::applicationPid()) + '\t' +
                      tarnwick::rawpath::toBytes(place.folder);
    for (const QString &name : place.selected)
        line += '\t' + tarnwick::rawpath::toBytes(name);
    if (FILE *out = std::fopen(file.constData(), "a")) {
        std::fprintf(out, "%s\n", line.constData());
        std::fclose(out);
    }
}

void describeProgram()
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(tarnwick::version::Text));
}

} // namespace

int main(int argc, char *argv[])
{
    if (asksForText(argc, argv)) {
        // The usage names the program as it is typed, not by its path.
        std::vector<char *> words(argv, argv + argc);
        if (const char *slash = std::strrchr(argv[0], '/'))
            words[0] = const_cast<char *>(slash + 1);
        int count = argc;
        QCoreApplication core(count, words.data());
        describeProgram();
        tarnwick::language::useSystemLanguage();
        CommandLine commandLine;
        commandLine.parser.process(core); // prints the text and ends the program
        return 0;
    }

    tarnwick::TerminationWatcher::catchEarly();
    QApplication app(argc, argv);
    describeProgram();
    // Before any window, so each is built in the user's language and laid
    // out in its direction.
    tarnwick::language::useSystemLanguage();
    QApplication::setStyle(new tarnwick::ProgramStyle);
    QApplication::setApplicationDisplayName(QString::fromLatin1(tarnwick::version::Title));
    QApplication::setWindowIcon(tarnwick::applicationIcon());
    // Ties the windows to the installed launcher (its icon, its name).
    QGuiApplication::setDesktopFileName(QStringLiteral("tarnwick"));
    // The program ends by its own rules (the close box, File > Close), not
    // when the last visible window goes.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace tarnwick;
    // Qt has taken its own options out of argv by now. A path that is not
    // valid UTF-8 must reach its file, so arguments are read losslessly.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << rawpath::toText(QByteArray(argv[i]));
    CommandLine commandLine;
    commandLine.parser.process(arguments); // refuses unknown options
    StartRequest start = startPlaces(commandLine.parser.positionalArguments(),
                                     commandLine.parser.isSet(commandLine.select));
    if (start.places.isEmpty() && commandLine.parser.isSet(commandLine.home))
        start.places << StartPlace{QDir::homePath(), {}};
    for (const QString &problem : start.problems)
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     rawpath::toBytes(problem).constData());

    Icons::useDesktopTheme();
    UndoJournal::keepShared();
    const QString appName =
        SettingsStore::applicationNameFromPath(QApplication::applicationFilePath());
    Program program(SettingsStore::defaultFilePath(appName),
                    [](int code) { QApplication::exit(code); });

    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &app, [&program] {
        cancelJobsAndWait();
        program.windows().endOrderly();
    });

    // The session's end asks nothing: running jobs are cancelled and clean
    // up before the session closes the window.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [](QSessionManager &) { cancelJobsAndWait(); });

    program.Main(commandLine.parser.isSet(commandLine.splash), start.places);
    reportStart(start.places.value(0));
    program.offerFileManagerService(QDBusConnection::sessionBus());
    return QApplication::exec();
}
