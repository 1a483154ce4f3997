// The settings file's INI text: any bytes parse or are refused without harm,
// and setting a key rewrites the text so that it parses again with the value
// set and every other key as it was.
#include "inifile.h"

#include <cstdint>
#include <cstdlib>

using tarnwick::IniFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<IniFile> file = IniFile::parse(bytes);
    if (!file)
        return 0;
    if (file->text() != bytes)
        std::abort(); // what is not changed is kept byte for byte
    const std::vector<IniFile::Entry> before = file->entries();

    // The key set is one already there or one made of the input's own bytes,
    // the value a piece of the input: quotes, escapes, separators and all.
    QString section = QStringLiteral("Settings");
    QString key = QString::fromUtf8(bytes.right(qMin<qsizetype>(bytes.size(), 12)));
    if (!before.empty() && size % 2) {
        section = before[size % before.size()].section;
        key = before[size % before.size()].key;
    }
    const QString value = QString::fromUtf8(bytes.mid(qsizetype(size / 3), 40));

    IniFile changed = *file;
    if (!changed.setValue(section, key, value)) {
        if (!key.isEmpty())
            std::abort();
        return 0;
    }
    const std::optional<IniFile> again = IniFile::parse(changed.text());
    if (!again || again->value(section, key) != value)
        std::abort();
    qsizetype others = 0;
    for (const IniFile::Entry &e : before) {
        if (e.section == section && e.key == key)
            continue;
        ++others;
        if (again->value(e.section, e.key) != e.value)
            std::abort();
    }
    if (qsizetype(again->entries().size()) != others + 1)
        std::abort();
    return 0;
}
