#include "naturalorder.h"

#include "casefold.h"

namespace tarnwick {
int naturalCompare(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isAsciiDigit(a[i].unicode()) && isAsciiDigit(b[j].unicode())) {
            // Skip leading zeros, then the longer run is the larger number;
            // equal lengths compare digit by digit.
            qsizetype si = i, sj = j;
            while (si < a.size() && a[si] == QLatin1Char('0'))
                ++si;
            while (sj < b.size() && b[sj] == QLatin1Char('0'))
                ++sj;
            qsizetype ei = si, ej = sj;
            while (ei < a.size() && isAsciiDigit(a[ei].unicode()))
                ++ei;
            while (ej < b.size() && isAsciiDigit(b[ej].unicode()))
                ++ej;
            if (ei - si != ej - sj)
                return (ei - si) < (ej - sj) ? -1 : 1;
            for (qsizetype k = 0; k < ei - si; ++k) {
                if (a[si + k] != b[sj + k])
                    return a[si + k] < b[sj + k] ? -1 : 1;
            }
            // "07" after "7": more leading zeros last, so the order is total.
            if (si - i != sj - j)
                return (si - i) < (sj - j) ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        const char16_t ca = foldChar(a[i]), cb = foldChar(b[j]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return a.compare(b);
}

} // namespace tarnwick
