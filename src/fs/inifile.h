#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace tarnwick {

// The text of an INI file, kept line by line so that a change rewrites only
// the line of the key set: comments, unknown sections and keys, spacing and
// line ends stay byte for byte.
//
// Values are read the way files written by earlier versions (through
// QSettings) store them: a value may be quoted, "\" escapes, "@@" for a
// leading "@"; and they are written the same way, so those versions still read
// what this one writes. An unquoted ";" or "," is part of the value, as a
// hand-edited filter like "*.cpp;*.h" means it to be.
class IniFile
{
public:
    struct Entry
    {
        QString section;
        QString key;
        QString value;
    };

    // Nothing when the bytes are not INI text: a NUL, invalid UTF-8 (a UTF-8
    // byte-order mark is fine), or a line that is neither blank, a comment
    // (first ";" or "#"), a "[section]" nor "key=value".
    static std::optional<IniFile> parse(const QByteArray &bytes);

    // Holds nothing but blanks.
    bool isBlank() const;
    bool hasSection(const QString &section) const;
    std::optional<QString> value(const QString &section, const QString &key) const;
    // Every key as read, in file order; a key given twice counts once, with
    // the value read (the last).
    std::vector<Entry> entries() const;

    // Replaces the value's line, or adds the key at the end of its section
    // (the section at the end of the file when there is none). False for an
    // empty key, which no line can hold.
    bool setValue(const QString &section, const QString &key, const QString &value);

    QByteArray text() const;

    static QByteArray escapedKey(const QString &key);
    static QString unescapedKey(const QByteArray &bytes);
    static QByteArray escapedValue(const QString &value);
    static QString unescapedValue(const QByteArray &bytes);

private:
    enum class Kind
    {
        Blank,
        Comment,
        Section,
        Key
    };
    struct Line
    {
        QByteArray raw; // without the line end
        QByteArray end; // "\n", "\r\n" or nothing on the last line
        Kind kind = Kind::Blank;
        QString section; // the section the line is in, or its own name
        QString key;
        QString value;
    };
    using Name = std::pair<QString, QString>;

    void index();

    QByteArray bom_;
    std::vector<Line> lines_;
    QHash<Name, qsizetype> keys_;           // the line each key is read from
    QHash<QString, qsizetype> sectionEnds_; // the line after which a new key goes
};

} // namespace tarnwick
