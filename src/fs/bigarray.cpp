#include "bigarray.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace tarnwick::bigarray {

namespace {

constexpr std::size_t HugePage = MappedFrom;

std::size_t mappedSize(std::size_t bytes)
{
    return (bytes + HugePage - 1) & ~(HugePage - 1);
}

} // namespace

void *allocate(std::size_t bytes)
{
    if (bytes < MappedFrom)
        return ::operator new(bytes);
    const std::size_t size = mappedSize(bytes);
    // Mapped one huge page over, then trimmed to a huge-page boundary, since
    // only aligned 2 MiB ranges can be backed by huge pages.
    void *raw =
        mmap(nullptr, size + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + HugePage - 1) & ~std::uintptr_t(HugePage - 1);
    if (aligned > start)
        munmap(raw, aligned - start);
    if (const std::uintptr_t tail = start + size + HugePage - (aligned + size))
        munmap(reinterpret_cast<void *>(aligned + size), tail);
    void *block = reinterpret_cast<void *>(aligned);
    madvise(block, size, MADV_HUGEPAGE); // only a wish: without it, plain pages
    return block;
}

void deallocate(void *p, std::size_t bytes) noexcept
{
    if (!p)
        return;
    if (bytes < MappedFrom)
        ::operator delete(p);
    else
        munmap(p, mappedSize(bytes));
}

} // namespace tarnwick::bigarray
