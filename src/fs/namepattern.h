#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

// The file list's pattern language: wildcards "*" (any run of characters) and
// "?" (one character), several patterns separated by ";", matched without
// regard to case. An empty pattern matches every name, and so does "*.*";
// "name.*" also matches "name" without an extension, as users of the classic
// filter box expect.
class NamePattern
{
public:
    NamePattern() = default;
    explicit NamePattern(const QString &text);

    bool matchesEverything() const { return all_; }
    bool matches(const QString &name) const;

    // `pattern` must be case-folded already; `name` is folded as it is read.
    static bool globMatch(QStringView pattern, QStringView name);

private:
    QStringList parts_; // case-folded
    bool all_ = true;
};

} // namespace tarnwick
