#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace tarnwick {

// The per-user store of text preferences: one INI file per application name,
// $XDG_CONFIG_HOME/<application>.ini. Every read sees what is on disk now
// (another copy of the program may have written since), and every write is on
// disk when it returns.
//
// The file is ours when it is empty or holds a [Settings] section. Anything
// else at that path (a FIFO, a device, someone else's file, garbage, a file
// over 1 MiB) reads as defaults and is never written: the next write moves
// the entry aside as "<file>.bad" (".bad.1", ".bad.2", ... when taken) and
// starts a fresh file. A file of ours reached by a symbolic link is written
// through the link, so settings kept in a dotfile repository stay there.
class SettingsStore
{
public:
    // The application name is the executable's file name without extension.
    static QString applicationNameFromPath(const QString &executablePath);
    static QString defaultFilePath(const QString &applicationName);

    explicit SettingsStore(QString filePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    const QString &filePath() const { return path_; }

    // The stored text, or `fallback` when the key is absent or the file is
    // not ours.
    QString read(const QString &section, const QString &key, const QString &fallback = {}) const;

    // Creates or replaces the value, changing only its line of the file.
    // Returns false, and tells the failure handler, when it could not be
    // written; the file is then as it was.
    bool write(const QString &section, const QString &key, const QString &value);

    // Called with a sentence for the user on every failed write.
    using FailureHandler = std::function<void(const QString &message)>;
    void setWriteFailureHandler(FailureHandler handler) { writeFailed_ = std::move(handler); }

private:
    struct Snapshot;
    const Snapshot *current() const;
    QString writeLocked(const QString &section, const QString &key, const QString &value);

    QString path_;
    // The file as last parsed, with the identity it had then; parsed again
    // only when that changes.
    mutable std::unique_ptr<Snapshot> cache_;
    FailureHandler writeFailed_;
};

} // namespace tarnwick
