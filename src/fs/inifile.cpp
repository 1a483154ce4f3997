#include "inifile.h"

#include <QStringDecoder>

namespace tarnwick {
namespace {

const QByteArray Bom("\xef\xbb\xbf");

bool isAsciiLetterOrDigit(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int octValue(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// Unlike QString::fromUtf8, keeps a U+FEFF at the start: inside a value it is
// text like any other.
QString fromUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

bool validUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QByteArray trimmed(const QByteArray &b)
{
    qsizetype from = 0, to = b.size();
    while (from < to && (b[from] == ' ' || b[from] == '\t'))
        ++from;
    while (to > from && (b[to - 1] == ' ' || b[to - 1] == '\t'))
        --to;
    return b.mid(from, to - from);
}

void chopTrailingBlanks(QString &s, qsizetype limit)
{
    while (s.size() > limit && (s.back() == QLatin1Char(' ') || s.back() == QLatin1Char('\t')))
        s.chop(1);
}

} // namespace

QByteArray IniFile::escapedKey(const QString &key)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == '/') {
            out += '\\';
        } else if (isAsciiLetterOrDigit(c) || c == '_' || c == '-' || c == '.') {
            out += char(c);
        } else if (c <= 0xff) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0xf];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hex[(c >> shift) & 0xf];
        }
    }
    return out;
}

QString IniFile::unescapedKey(const QByteArray &bytes)
{
    const QString in = fromUtf8(bytes);
    QString out;
    for (qsizetype i = 0; i < in.size();) {
        const QChar c = in[i];
        if (c == QLatin1Char('\\')) {
            out += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != QLatin1Char('%') || i + 1 == in.size()) {
            out += c;
            ++i;
            continue;
        }
        const bool wide = in[i + 1] == QLatin1Char('U');
        const qsizetype first = i + (wide ? 2 : 1);
        const int digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code =
            first + digits <= in.size() ? QStringView(in).mid(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            out += c;
            ++i;
            continue;
        }
        out += QChar(code);
        i = first + digits;
    }
    return out;
}

// As earlier versions wrote values: quoted when they hold ";", "," or "=" or
// begin or end with a space, control characters, quotes and backslashes
// escaped, and a leading "@" doubled (an "@" begins a typed value there).
QByteArray IniFile::escapedValue(const QString &value)
{
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QByteArray out;
    QString plain; // encoded a run at a time, so that surrogate pairs stay whole
    auto flush = [&] {
        out += plain.toUtf8();
        plain.clear();
    };
    bool quote = false;
    bool escapeHexDigit = false; // a digit after "\x.." would extend that escape
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == ';' || c == ',' || c == '=')
            quote = true;
        if (escapeHexDigit && c < 0x80 && hexValue(char(c)) >= 0) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        if (c > 0x1f && c != '"' && c != '\\') {
            plain += qc;
            continue;
        }
        flush();
        switch (c) {
        case '\0':
            out += "\\0";
            escapeHexDigit = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            out += "\\x" + QByteArray::number(c, 16);
            escapeHexDigit = true;
        }
    }
    flush();
    if (quote || out.startsWith(' ') || out.endsWith(' '))
        return '"' + out + '"';
    return out;
}

QString IniFile::unescapedValue(const QByteArray &bytes)
{
    static const char named[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                    {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                    {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QString out;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    auto skipBlanks = [&] {
        while (i < n && (bytes[i] == ' ' || bytes[i] == '\t'))
            ++i;
    };
    skipBlanks();
    bool inQuotes = false, quoted = false;
    qsizetype keep = 0; // text before this index is never chopped as trailing blanks
    while (i < n) {
        const char c = bytes[i];
        if (c == '\\') {
            if (++i == n)
                break;
            const char e = bytes[i++];
            bool done = false;
            for (const auto &m : named) {
                if (e == m[0]) {
                    out += QLatin1Char(m[1]);
                    done = true;
                    break;
                }
            }
            // "\x" takes hex digits, "\0".."\7" octal ones; any other
            // escaped character is dropped.
            const bool hex = e == 'x';
            if (!done && (hex ? i < n && hexValue(bytes[i]) >= 0 : octValue(e) >= 0)) {
                char16_t code = hex ? 0 : char16_t(octValue(e));
                for (int d; i < n && (d = hex ? hexValue(bytes[i]) : octValue(bytes[i])) >= 0; ++i)
                    code = char16_t(code * (hex ? 16 : 8) + d);
                out += QChar(code);
            }
            keep = out.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                keep = out.size();
            }
        } else {
            qsizetype j = i + 1;
            while (j < n && bytes[j] != '\\' && bytes[j] != '"')
                ++j;
            out += fromUtf8(QByteArrayView(bytes).sliced(i, j - i));
            i = j;
        }
    }
    if (!quoted)
        chopTrailingBlanks(out, keep);
    if (out.startsWith(QLatin1String("@@")))
        out.remove(0, 1);
    return out;
}

std::optional<IniFile> IniFile::parse(const QByteArray &bytes)
{
    IniFile file;
    QByteArray body = bytes;
    if (body.startsWith(Bom)) {
        file.bom_ = Bom;
        body.remove(0, Bom.size());
    }
    if (body.contains('\0') || !validUtf8(body))
        return std::nullopt;
    for (qsizetype at = 0; at < body.size();) {
        qsizetype eol = body.indexOf('\n', at);
        Line line;
        if (eol < 0) {
            line.raw = body.mid(at);
            at = body.size();
        } else {
            const bool crlf = eol > at && body[eol - 1] == '\r';
            line.raw = body.mid(at, eol - at - (crlf ? 1 : 0));
            line.end = crlf ? "\r\n" : "\n";
            at = eol + 1;
        }
        const QByteArray t = line.raw.trimmed();
        if (t.isEmpty()) {
            line.kind = Kind::Blank;
        } else if (t.startsWith(';') || t.startsWith('#')) {
            line.kind = Kind::Comment;
        } else if (t.startsWith('[')) {
            if (!t.endsWith(']'))
                return std::nullopt;
            line.kind = Kind::Section;
            line.section = unescapedKey(trimmed(t.mid(1, t.size() - 2)));
        } else {
            const qsizetype eq = t.indexOf('=');
            if (eq <= 0)
                return std::nullopt;
            line.kind = Kind::Key;
            line.key = unescapedKey(trimmed(t.left(eq)));
            line.value = unescapedValue(t.mid(eq + 1));
        }
        file.lines_.push_back(std::move(line));
    }
    file.index();
    return file;
}

void IniFile::index()
{
    keys_.clear();
    sectionEnds_.clear();
    QString section;
    for (qsizetype i = 0; i < qsizetype(lines_.size()); ++i) {
        Line &line = lines_[size_t(i)];
        if (line.kind == Kind::Section) {
            section = line.section;
            sectionEnds_[section] = i;
        } else {
            line.section = section;
            if (line.kind == Kind::Key) {
                keys_[{section, line.key}] = i;
                sectionEnds_[section] = i;
            }
        }
    }
}

bool IniFile::isBlank() const
{
    for (const Line &line : lines_) {
        if (line.kind != Kind::Blank)
            return false;
    }
    return true;
}

bool IniFile::hasSection(const QString &section) const
{
    for (const Line &line : lines_) {
        if (line.kind == Kind::Section && line.section == section)
            return true;
    }
    return false;
}

std::optional<QString> IniFile::value(const QString &section, const QString &key) const
{
    const auto it = keys_.constFind({section, key});
    if (it == keys_.cend())
        return std::nullopt;
    return lines_[size_t(*it)].value;
}

std::vector<IniFile::Entry> IniFile::entries() const
{
    std::vector<Entry> out;
    for (qsizetype i = 0; i < qsizetype(lines_.size()); ++i) {
        const Line &line = lines_[size_t(i)];
        if (line.kind == Kind::Key && keys_.value({line.section, line.key}) == i)
            out.push_back({line.section, line.key, line.value});
    }
    return out;
}

bool IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    if (key.isEmpty())
        return false;
    if (const auto it = keys_.constFind({section, key}); it != keys_.cend()) {
        Line &line = lines_[size_t(*it)];
        qsizetype valueAt = line.raw.indexOf('=') + 1;
        while (valueAt < line.raw.size() && (line.raw[valueAt] == ' ' || line.raw[valueAt] == '\t'))
            ++valueAt;
        line.raw = line.raw.left(valueAt) + escapedValue(value);
        line.value = value;
        return true;
    }
    // New lines take the file's own line end.
    const QByteArray end = !lines_.empty() && lines_.front().end == "\r\n" ? "\r\n" : "\n";
    Line line;
    line.raw = escapedKey(key) + '=' + escapedValue(value);
    line.end = end;
    line.kind = Kind::Key;
    line.key = key;
    line.value = value;
    if (!lines_.empty() && lines_.back().end.isEmpty())
        lines_.back().end = end;
    qsizetype at;
    if (const auto it = sectionEnds_.constFind(section); it != sectionEnds_.cend()) {
        at = *it + 1;
    } else {
        if (!isBlank())
            lines_.push_back({{}, end, Kind::Blank, {}, {}, {}});
        lines_.push_back({'[' + escapedKey(section) + ']', end, Kind::Section, section, {}, {}});
        at = qsizetype(lines_.size());
    }
    lines_.insert(lines_.begin() + at, std::move(line));
    index();
    return true;
}

QByteArray IniFile::text() const
{
    QByteArray out = bom_;
    for (const Line &line : lines_)
        out += line.raw + line.end;
    return out;
}

} // namespace tarnwick
