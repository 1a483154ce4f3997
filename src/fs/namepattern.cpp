#include "namepattern.h"

#include "casefold.h"

namespace tarnwick {

NamePattern::NamePattern(const QString &text)
{
    all_ = false;
    for (const QString &piece : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString p = piece.trimmed().toCaseFolded();
        if (p.isEmpty())
            continue;
        if (p == QLatin1String("*") || p == QLatin1String("*.*")) {
            all_ = true;
            break;
        }
        parts_.append(p);
    }
    if (parts_.isEmpty())
        all_ = true;
}

bool NamePattern::matches(const QString &name) const
{
    if (all_)
        return true;
    for (const QString &p : parts_) {
        if (globMatch(p, name))
            return true;
        if (p.endsWith(QLatin1String(".*")) && !name.contains(QLatin1Char('.')) &&
            globMatch(QStringView(p).chopped(2), name))
            return true;
    }
    return false;
}

// Iterative matcher with one backtrack point: linear in practice, no
// recursion, so hostile patterns like "*a*a*a*a*b" cannot blow up.
bool NamePattern::globMatch(QStringView pattern, QStringView name)
{
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == QLatin1Char('?') || pattern[p].unicode() == foldChar(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace tarnwick
