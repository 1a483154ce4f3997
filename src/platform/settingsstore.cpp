#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tarnwick {
namespace {

QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

// QSettings reads "a, b" as a list; a hand-edited value like that is still
// one text to us.
QString variantText(const QVariant &v)
{
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

// What QSettings would silently drop on its next write counts as not INI:
// every line must be blank, a comment, a [section] or a key=value pair.
bool looksLikeIni(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return false;
    for (const QByteArray &raw : bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']'))
                return false;
            continue;
        }
        if (line.indexOf('=') <= 0)
            return false;
    }
    return QString::fromUtf8(bytes).toUtf8() == bytes; // valid UTF-8
}

enum class FileState
{
    Missing,
    Good,
    Bad
};

FileState inspect(const QString &path)
{
    QFile f(path);
    if (!f.exists())
        return FileState::Missing;
    if (!f.open(QIODevice::ReadOnly))
        return FileState::Bad;
    return looksLikeIni(f.readAll()) ? FileState::Good : FileState::Bad;
}

} // namespace

QString SettingsStore::applicationNameFromPath(const QString &executablePath)
{
    return QFileInfo(executablePath).completeBaseName();
}

QString SettingsStore::defaultFilePath(const QString &applicationName)
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return dir + QLatin1Char('/') + applicationName + QStringLiteral(".ini");
}

SettingsStore::SettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString SettingsStore::read(const QString &section, const QString &key,
                            const QString &fallback) const
{
    if (inspect(path_) == FileState::Bad)
        return fallback;
    QSettings s(path_, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return fallback;
    const QVariant v = s.value(keyPath(section, key));
    return v.isValid() ? variantText(v) : fallback;
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (inspect(path_) == FileState::Bad) {
        // QSettings would refuse to write over it, or drop what it cannot
        // parse. Keep the user's file for inspection and start a fresh one.
        const QString aside = path_ + QStringLiteral(".bad");
        QFile::remove(aside);
        if (!QFile::rename(path_, aside))
            return false;
    }
    QSettings s(path_, QSettings::IniFormat);
    s.setValue(keyPath(section, key), value);
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace tarnwick
