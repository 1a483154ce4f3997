#pragma once

#include <QStringView>
#include <array>
#include <cstdint>

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
};

} // namespace tarnwick
