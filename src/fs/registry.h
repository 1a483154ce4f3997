#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace tarnwick {

// A read-only, machine-wide store of typed values under key paths, read from
// a text file (the system-information tool's place, for one). Each section
// is a key path, each line a value:
//
//   [SOFTWARE\Microsoft\Shared Tools\MSINFO]
//   PATH=text:/usr/bin/some-tool        text, kept with a terminating NUL
//   Count=number:256                    32-bit number, 4 bytes, little-endian
//   Home=expandable:$HOME/bin           text to be expanded, with its NUL
//   Blob=binary:01 02 ff                bytes
//   Raw=bytes(1):2f 62 69 6e            any type code, the bytes as given
//
// Key paths and value names compare without regard to case. A file that is
// missing, unreadable or not in this form holds no keys.
class Registry
{
public:
    enum Type : std::uint32_t
    {
        Text = 1,
        Expandable = 2,
        Binary = 3,
        Number = 4,
    };
    struct Value
    {
        std::uint32_t type = 0;
        QByteArray data;
    };
    static constexpr std::uint32_t LocalMachine = 0x80000002u;

    // The machine's store: $TARNWICK_REGISTRY when set, else
    // /etc/xdg/tarnwick/registry.ini.
    static QString defaultFile();
    explicit Registry(QString file = defaultFile());

    // Whether the key exists under the root (only the local machine's).
    bool hasKey(std::uint32_t root, const QString &key) const;
    std::optional<Value> query(std::uint32_t root, const QString &key, const QString &name) const;

    // What stands in when the file does not name the system-information
    // tool: the first of these programs found on the search path.
    static const QStringList &systemInfoPrograms();
    static QString installedSystemInfoProgram();

private:
    void load(const QByteArray &bytes);
    QHash<QString, QHash<QString, Value>> keys_;
};

// Reads a value as the About box needs it. True when it was read: text
// becomes `value` (without its terminating NUL), a 32-bit number its decimal
// text, any other type leaves `value` as it was. False, and `value` empty,
// when the key or the value is not there or does not fit 1024 bytes.
bool GetKeyValue(const Registry &registry, std::uint32_t KeyRoot, const QString &KeyName,
                 const QString &SubKeyRef, QString &KeyVal);

} // namespace tarnwick
