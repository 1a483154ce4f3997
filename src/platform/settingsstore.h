#pragma once

#include <QString>

namespace tarnwick {

// The per-user store of text preferences: one INI file per application name,
// $XDG_CONFIG_HOME/<application>.ini. Every read sees what is on disk now
// (another copy of the program may have written since), and every write is on
// disk when it returns.
class SettingsStore
{
public:
    // The application name is the executable's file name without extension.
    static QString applicationNameFromPath(const QString &executablePath);
    static QString defaultFilePath(const QString &applicationName);

    explicit SettingsStore(QString filePath);

    const QString &filePath() const { return path_; }

    // The stored text, or `fallback` when the key is absent or the file
    // cannot be parsed.
    QString read(const QString &section, const QString &key, const QString &fallback = {}) const;

    // Creates or replaces the value. A file that is not valid INI is kept
    // beside the new one as "<file>.bad" rather than being thrown away.
    // Returns false when the value could not be written.
    bool write(const QString &section, const QString &key, const QString &value);

private:
    QString path_;
};

} // namespace tarnwick
