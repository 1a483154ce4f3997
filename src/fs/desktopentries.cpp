#include "desktopentries.h"

#include "rawpaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>

namespace tarnwick {
namespace {

// Real desktop files are a few kilobytes; this only keeps a stray huge file
// from being read whole.
constexpr qint64 MaxFileSize = 1024 * 1024;

QByteArray readSmallFile(const QString &path)
{
    return rawpath::readSmallFile(rawpath::toBytes(path), MaxFileSize);
}

// The escapes of string values: \s \n \t \r \\. Others are left as written,
// so Exec keeps the backslashes its own quoting needs.
QString unescape(const QString &value)
{
    if (!value.contains(QLatin1Char('\\')))
        return value;
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
        const int at = QStringView(u"sntr\\").indexOf(next);
        if (c == QLatin1Char('\\') && !next.isNull() && at >= 0) {
            out += QStringView(u" \n\t\r\\")[at];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// The keys of the [Desktop Entry] group, locale suffix included, with their
// unescaped values; the first of a repeated key counts. False when the group
// is missing, which is what tells garbage from a desktop file.
bool parseEntry(const QByteArray &bytes, QHash<QString, QString> &keys)
{
    bool inGroup = false, found = false;
    for (const QByteArray &raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            found = found || inGroup;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inGroup || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (!keys.contains(key))
            keys.insert(key, unescape(line.mid(eq + 1).trimmed()));
    }
    return found;
}

// Name[de_DE], then Name[de], then Name.
QString localized(const QHash<QString, QString> &keys, const QString &key)
{
    const QString locale = QLocale().name();
    QStringList tries;
    if (locale != QLatin1String("C")) {
        tries << locale;
        if (const qsizetype cut = locale.indexOf(QLatin1Char('_')); cut > 0)
            tries << locale.left(cut);
    }
    for (const QString &l : tries) {
        const auto it = keys.constFind(key + QLatin1Char('[') + l + QLatin1Char(']'));
        if (it != keys.constEnd() && !it->isEmpty())
            return *it;
    }
    return keys.value(key);
}

bool isTrue(const QString &value)
{
    // Old files say 1 where current ones say true.
    return value == QLatin1String("true") || value == QLatin1String("1");
}

QStringList list(const QString &value)
{
    return value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

bool tryExecFound(const QString &tryExec)
{
    if (tryExec.isEmpty())
        return true;
    if (QDir::isAbsolutePath(tryExec)) {
        const QFileInfo fi(tryExec);
        return fi.isFile() && fi.isExecutable();
    }
    return !tryExec.contains(QLatin1Char('/')) &&
           !QStandardPaths::findExecutable(tryExec).isEmpty();
}

// OnlyShowIn / NotShowIn against $XDG_CURRENT_DESKTOP: another desktop's
// settings panels do not work here.
bool shownOnThisDesktop(const QHash<QString, QString> &keys)
{
    const QStringList current =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    const auto meets = [&](const QString &key) {
        const QStringList named = list(keys.value(key));
        return std::any_of(named.begin(), named.end(),
                           [&](const QString &d) { return current.contains(d); });
    };
    if (keys.contains(QStringLiteral("OnlyShowIn")) && !meets(QStringLiteral("OnlyShowIn")))
        return false;
    return !meets(QStringLiteral("NotShowIn"));
}

bool isSettingsApplication(const QHash<QString, QString> &keys, const DesktopApp &app)
{
    return keys.value(QStringLiteral("Type")) == QLatin1String("Application") &&
           list(keys.value(QStringLiteral("Categories"))).contains(QLatin1String("Settings")) &&
           !isTrue(keys.value(QStringLiteral("NoDisplay"))) &&
           !isTrue(keys.value(QStringLiteral("Hidden"))) && !app.name.isEmpty() &&
           !execArguments(app.exec).isEmpty() &&
           tryExecFound(keys.value(QStringLiteral("TryExec"))) && shownOnThisDesktop(keys);
}

DesktopApp appFrom(const QHash<QString, QString> &keys, const QString &path)
{
    DesktopApp app;
    app.name = localized(keys, QStringLiteral("Name"));
    app.comment = localized(keys, QStringLiteral("Comment"));
    app.iconName = keys.value(QStringLiteral("Icon"));
    app.exec = keys.value(QStringLiteral("Exec"));
    app.file = path;
    app.id = QFileInfo(path).fileName();
    return app;
}

QStringList applicationDirs()
{
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(home))
        home = QDir::homePath() + QStringLiteral("/.local/share");
    QString system = qEnvironmentVariable("XDG_DATA_DIRS");
    if (system.isEmpty())
        system = QStringLiteral("/usr/local/share:/usr/share");
    QStringList dirs;
    for (const QString &d : QStringList{home} + system.split(QLatin1Char(':'))) {
        // Relative entries are meaningless here and are ignored.
        const QString apps = QDir::cleanPath(d + QStringLiteral("/applications"));
        if (QDir::isAbsolutePath(d) && !dirs.contains(apps))
            dirs << apps;
    }
    return dirs;
}

} // namespace

DesktopApp readDesktopFile(const QString &path, bool *ok)
{
    QHash<QString, QString> keys;
    const bool parsed = parseEntry(readSmallFile(path), keys);
    if (ok)
        *ok = parsed;
    return parsed ? appFrom(keys, path) : DesktopApp{};
}

QList<DesktopApp> settingsApplications()
{
    QList<DesktopApp> apps;
    QSet<QString> seen;
    for (const QString &dir : applicationDirs()) {
        QDirIterator it(dir, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString id =
                QDir(dir).relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('-'));
            if (seen.contains(id))
                continue;
            QHash<QString, QString> keys;
            // A file that is not a desktop entry at all hides nothing; an
            // entry with Hidden=true is how a user removes one of the same id.
            if (!parseEntry(readSmallFile(path), keys))
                continue;
            seen.insert(id);
            DesktopApp app = appFrom(keys, path);
            app.id = id;
            if (isSettingsApplication(keys, app))
                apps.append(app);
        }
    }
    std::sort(apps.begin(), apps.end(), [](const DesktopApp &a, const DesktopApp &b) {
        const int c = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.id < b.id;
    });
    return apps;
}

QStringList execArguments(const QString &exec)
{
    QStringList args;
    QString current;
    bool started = false; // an argument is open, even an empty quoted one
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == QLatin1Char('%')) {
            const QChar code = i + 1 < exec.size() ? exec[++i] : QChar();
            if (code == QLatin1Char('%')) {
                current += code;
                started = true;
            } else if (code.isNull() || !QStringView(u"fFuUickdDnNvm").contains(code)) {
                return {}; // unknown codes make the whole line invalid
            }
            // Nothing is substituted here: an argument made of codes alone
            // disappears, as it would with no files to pass.
            continue;
        }
        if (quoted) {
            const QChar next = i + 1 < exec.size() ? exec[i + 1] : QChar();
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && !next.isNull() &&
                     QStringView(u"\"`$\\").contains(next))
                current += exec[++i];
            else
                current += c;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            if (started)
                args << std::exchange(current, QString());
            started = false;
        } else {
            if (c == QLatin1Char('"'))
                quoted = true;
            else
                current += c;
            started = true;
        }
    }
    if (started)
        args << current;
    if (quoted || args.isEmpty() || args.first().isEmpty())
        return {};
    return args;
}

} // namespace tarnwick
