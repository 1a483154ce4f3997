#pragma once

#include "naturalorder.h"

#include <QStringView>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace tarnwick {

// A fixed-size prefix of a name in natural order: when two prefixes differ,
// they order the names exactly as naturalCompare does; when they are equal,
// the names must be compared in full. Sorting on these keeps a sort of
// 100,000 names inside the cache instead of chasing every string.
//
// Encoding, in bytes compared as unsigned: ASCII characters after case
// folding; a run of digits as '0', its length without leading zeros, the
// digits, then the number of leading zeros; the end of the name as 0 bytes.
// A character outside ASCII (after folding) ends the key with 0xFF bytes, so
// it sorts after every ASCII character as naturalCompare has it, while names
// alike up to there tie and are compared in full.
struct NameKey
{
    using Words = std::array<std::uint64_t, 2>;
    Words words{};

    static NameKey of(QStringView name);
    auto operator<=>(const NameKey &) const = default;

    // -1, 0 or 1 as two prefixes order; 0 leaves it to the full names. Word
    // by word, as the sorts of a million names call it in their inner loop.
    static int compare(const Words &a, const Words &b)
    {
        if (a[0] != b[0])
            return a[0] < b[0] ? -1 : 1;
        if (a[1] != b[1])
            return a[1] < b[1] ? -1 : 1;
        return 0;
    }
};

// Sorts `items` into the natural order of the names `nameOf` gives them, as
// std::sort with naturalCompare would, but on the names' keys: the names
// themselves are read only where two keys tie.
template <typename T, typename NameOf> void sortByName(std::vector<T> &items, const NameOf &nameOf)
{
    struct Keyed
    {
        NameKey::Words key;
        size_t index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        keyed.push_back({NameKey::of(nameOf(items[i])).words, i});
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed &a, const Keyed &b) {
        const int c = NameKey::compare(a.key, b.key);
        return (c != 0 ? c : naturalCompare(nameOf(items[a.index]), nameOf(items[b.index]))) < 0;
    });
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (const Keyed &k : keyed)
        sorted.push_back(std::move(items[k.index]));
    items = std::move(sorted);
}

} // namespace tarnwick
