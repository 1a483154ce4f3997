#include "registry.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>

namespace tarnwick {

namespace {

constexpr qint64 MaxFileSize = 1024 * 1024;
constexpr qsizetype ValueBuffer = 1024;

const QString MsInfoKey = QStringLiteral("software\\microsoft\\shared tools\\msinfo");

std::optional<QByteArray> hexBytes(QByteArrayView text)
{
    QByteArray out;
    for (const QByteArray &part : text.toByteArray().simplified().replace(',', ' ').split(' ')) {
        if (part.isEmpty())
            continue;
        bool ok = false;
        const uint byte = part.toUInt(&ok, 16);
        if (!ok || byte > 0xff)
            return std::nullopt;
        out += char(byte);
    }
    return out;
}

// One value's text, "type:data"; nothing when it is not in that form.
std::optional<Registry::Value> parseValue(const QByteArray &text)
{
    const qsizetype colon = text.indexOf(':');
    if (colon < 0)
        return std::nullopt;
    const QByteArray type = text.left(colon).trimmed().toLower();
    const QByteArray data = text.mid(colon + 1);
    if (type == "text" || type == "expandable") {
        return Registry::Value{type == "text" ? Registry::Text : Registry::Expandable, data + '\0'};
    }
    if (type == "number") {
        bool ok = false;
        const qulonglong n = data.trimmed().toULongLong(&ok, 0);
        if (!ok || n > 0xffffffffull)
            return std::nullopt;
        QByteArray bytes(4, '\0');
        qToLittleEndian(quint32(n), bytes.data());
        return Registry::Value{Registry::Number, bytes};
    }
    if (type == "binary") {
        const auto bytes = hexBytes(data);
        return bytes ? std::optional(Registry::Value{Registry::Binary, *bytes}) : std::nullopt;
    }
    if (type.startsWith("bytes(") && type.endsWith(')')) {
        bool ok = false;
        const uint code = type.mid(6, type.size() - 7).toUInt(&ok, 0);
        const auto bytes = hexBytes(data);
        if (!ok || !bytes)
            return std::nullopt;
        return Registry::Value{code, *bytes};
    }
    return std::nullopt;
}

} // namespace

QString Registry::defaultFile()
{
    const QString set = qEnvironmentVariable("TARNWICK_REGISTRY");
    return set.isEmpty() ? QStringLiteral("/etc/xdg/tarnwick/registry.ini") : set;
}

Registry::Registry(QString file)
{
    QFile f(file);
    // Only a regular file of a sensible size: a FIFO or a device there must
    // not hold the About box up.
    if (!QFileInfo(f).isFile() || f.size() > MaxFileSize || !f.open(QIODevice::ReadOnly))
        return;
    load(f.read(MaxFileSize));
}

void Registry::load(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return;
    QHash<QString, QHash<QString, Value>> keys;
    QString section;
    bool inSection = false;
    for (QByteArray line : bytes.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            section = QString::fromUtf8(line.mid(1, line.size() - 2)).trimmed().toLower();
            keys[section];
            inSection = true;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inSection || eq <= 0)
            return; // not this file's form: no keys at all
        const auto value = parseValue(line.mid(eq + 1));
        if (!value)
            return;
        keys[section].insert(QString::fromUtf8(line.left(eq)).trimmed().toLower(), *value);
    }
    keys_ = std::move(keys);
}

bool Registry::hasKey(std::uint32_t root, const QString &key) const
{
    if (root != LocalMachine)
        return false;
    return keys_.contains(key.toLower()) || key.toLower() == MsInfoKey;
}

std::optional<Registry::Value> Registry::query(std::uint32_t root, const QString &key,
                                               const QString &name) const
{
    if (root != LocalMachine)
        return std::nullopt;
    const auto k = keys_.find(key.toLower());
    if (k != keys_.end()) {
        const auto v = k->find(name.toLower());
        if (v != k->end())
            return *v;
    }
    // Where the file does not name the tool, the machine's own answers.
    if (key.toLower() == MsInfoKey &&
        name.compare(QLatin1String("PATH"), Qt::CaseInsensitive) == 0) {
        const QString program = installedSystemInfoProgram();
        if (!program.isEmpty())
            return Value{Text, program.toLocal8Bit() + '\0'};
    }
    return std::nullopt;
}

const QStringList &Registry::systemInfoPrograms()
{
    // The desktops' system-information tools, the most complete first.
    static const QStringList programs{
        QStringLiteral("hardinfo2"),
        QStringLiteral("hardinfo"),
        QStringLiteral("kinfocenter"),
        QStringLiteral("cpu-x"),
        QStringLiteral("i-nex"),
        QStringLiteral("lshw-gtk"),
        QStringLiteral("sysinfo"),
        QStringLiteral("gnome-system-monitor"),
        QStringLiteral("mate-system-monitor"),
        QStringLiteral("xfce4-taskmanager"),
    };
    return programs;
}

QString Registry::installedSystemInfoProgram()
{
    for (const QString &program : systemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool GetKeyValue(const Registry &registry, std::uint32_t KeyRoot, const QString &KeyName,
                 const QString &SubKeyRef, QString &KeyVal)
{
    if (!registry.hasKey(KeyRoot, KeyName)) {
        KeyVal.clear();
        return false;
    }
    const std::optional<Registry::Value> value = registry.query(KeyRoot, KeyName, SubKeyRef);
    // The value must fit the 1024-byte buffer it is read into.
    if (!value || value->data.size() > ValueBuffer) {
        KeyVal.clear();
        return false;
    }
    QByteArray data = value->data;
    if (data.endsWith('\0'))
        data.chop(1);
    switch (value->type) {
    case Registry::Text:
        KeyVal = QString::fromLocal8Bit(data);
        break;
    case Registry::Number: {
        // All four bytes, a zero high byte included, read as the eight hex
        // digits of a 32-bit number are.
        quint32 n = 0;
        for (qsizetype i = std::min<qsizetype>(value->data.size(), 4) - 1; i >= 0; --i)
            n = (n << 8) | quint8(value->data[i]);
        KeyVal = QString::number(qint32(n));
        break;
    }
    default:
        break;
    }
    return true;
}

} // namespace tarnwick
