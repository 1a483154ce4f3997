#pragma once

#include <QChar>

namespace tarnwick {

// One UTF-16 code unit folded for case-blind comparison, with a fast path for
// ASCII, which is nearly every file name.
inline char16_t foldChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return (u >= 'A' && u <= 'Z') ? char16_t(u + 32) : u;
    return c.toCaseFolded().unicode();
}

inline bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace tarnwick
