#include "sortkey.h"

#include "casefold.h"

namespace tarnwick {
namespace {

constexpr int KeyBytes = 16;

struct Writer
{
    unsigned char bytes[KeyBytes] = {};
    int n = 0;
    bool full() const { return n >= KeyBytes; }
    void put(unsigned char b)
    {
        if (n < KeyBytes)
            bytes[n++] = b;
    }
    void fill(unsigned char b)
    {
        while (n < KeyBytes)
            bytes[n++] = b;
    }
};

} // namespace

NameKey NameKey::of(QStringView name)
{
    Writer w;
    qsizetype i = 0;
    while (i < name.size() && !w.full()) {
        const char16_t c = name[i].unicode();
        if (isAsciiDigit(c)) {
            qsizetype start = i;
            while (start < name.size() && name[start] == u'0')
                ++start;
            qsizetype end = start;
            while (end < name.size() && isAsciiDigit(name[end].unicode()))
                ++end;
            const qsizetype length = end - start;
            w.put('0');
            if (length > 255) {
                w.put(255);
                w.fill(0xFF);
                break;
            }
            w.put(static_cast<unsigned char>(length));
            for (qsizetype k = start; k < end; ++k)
                w.put(static_cast<unsigned char>(name[k].unicode()));
            if (start - i > 254) {
                w.put(255);
                w.fill(0xFF);
                break;
            }
            w.put(static_cast<unsigned char>(start - i));
            i = end;
            continue;
        }
        const char16_t f = foldChar(name[i]);
        if (f >= 0x80 || f == 0) {
            w.fill(0xFF);
            break;
        }
        w.put(static_cast<unsigned char>(f));
        ++i;
    }
    NameKey key;
    for (int word = 0; word < 2; ++word) {
        std::uint64_t v = 0;
        for (int b = 0; b < 8; ++b)
            v = (v << 8) | w.bytes[word * 8 + b];
        key.words[size_t(word)] = v;
    }
    return key;
}

} // namespace tarnwick
