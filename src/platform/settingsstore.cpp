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
    QSettings s(path_, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return fallback;
    const QVariant v = s.value(keyPath(section, key));
    return v.isValid() ? variantText(v) : fallback;
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    QDir().mkpath(QFileInfo(path_).absolutePath());
    {
        QSettings probe(path_, QSettings::IniFormat);
        if (probe.status() == QSettings::FormatError) {
            // QSettings refuses to write over a file it cannot parse. Keep the
            // user's file for inspection and start a fresh one.
            const QString aside = path_ + QStringLiteral(".bad");
            QFile::remove(aside);
            if (!QFile::rename(path_, aside))
                return false;
        }
    }
    QSettings s(path_, QSettings::IniFormat);
    s.setValue(keyPath(section, key), value);
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace tarnwick
