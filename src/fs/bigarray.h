#pragma once

#include <cstddef>
#include <type_traits>
#include <vector>

namespace tarnwick {

namespace bigarray {

// Blocks this large and larger are mapped on their own.
constexpr std::size_t MappedFrom = std::size_t(1) << 21;

void *allocate(std::size_t bytes);
void deallocate(void *p, std::size_t bytes) noexcept;

} // namespace bigarray

// An allocator for the arrays that grow with a folder, to a million items
// and more. Each block of 2 MiB or more is mapped on its own and asks the
// kernel for huge pages: filling such an array then costs one page fault per
// 2 MiB instead of one per 4 KiB, which on a virtual machine is most of the
// cost of filling it. Smaller blocks come from the heap as usual.
template <typename T> struct BigArrayAllocator
{
    using value_type = T;

    BigArrayAllocator() = default;
    template <typename U> BigArrayAllocator(const BigArrayAllocator<U> &) noexcept {}

    T *allocate(std::size_t n) { return static_cast<T *>(bigarray::allocate(n * sizeof(T))); }
    void deallocate(T *p, std::size_t n) noexcept { bigarray::deallocate(p, n * sizeof(T)); }

    friend bool operator==(const BigArrayAllocator &, const BigArrayAllocator &) { return true; }
};

template <typename T> using BigVector = std::vector<T, BigArrayAllocator<T>>;

// Room for n plain items, left uninitialised, from the same source: for the
// scratch arrays of a sort, which are written in full before being read.
template <typename T> class BigBuffer
{
    static_assert(std::is_trivially_default_constructible_v<T> &&
                  std::is_trivially_destructible_v<T>);

public:
    explicit BigBuffer(std::size_t n)
        : size_(n), items_(static_cast<T *>(bigarray::allocate(n * sizeof(T))))
    {
    }
    ~BigBuffer() { bigarray::deallocate(items_, size_ * sizeof(T)); }
    BigBuffer(const BigBuffer &) = delete;
    BigBuffer &operator=(const BigBuffer &) = delete;

    T *get() const { return items_; }
    T &operator[](std::size_t i) const { return items_[i]; }

private:
    std::size_t size_;
    T *items_;
};

} // namespace tarnwick
