// The filter box's pattern language: any text as a pattern, matched against
// names taken from the same input. Matching must end (no exponential
// backtracking on runs of "*"), and the fast paths must agree with the
// general matcher.
#include "namepattern.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

using tarnwick::NamePattern;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\n');
    const QString patternText = QString::fromUtf8(split < 0 ? bytes : bytes.left(split));
    const QString name = split < 0 ? QString() : QString::fromUtf8(bytes.mid(split + 1));

    const NamePattern pattern(patternText);
    const bool matched = pattern.matches(name);
    if (pattern.matchesEverything() && !matched)
        std::abort();
    // A name always matches itself as a pattern when it holds no wildcard or
    // separator.
    if (!name.isEmpty() && !name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?')) &&
        !name.contains(QLatin1Char(';')) && name.trimmed() == name &&
        !NamePattern(name).matches(name))
        std::abort();
    return 0;
}
