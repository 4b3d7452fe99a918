#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <utility>

// Memory for the large blocks a file becomes. Above a size where it pays, a
// block is a mapping of its own advised for huge pages: filling it then costs a
// few page faults instead of one for every 4 KiB, which is most of the time a
// large file takes to read. Smaller blocks come from the heap. A block is freed
// with the size it was asked for.
void* AllocateBlock(std::size_t bytes);
void FreeBlock(void* block, std::size_t bytes);
// The last large block given back is kept for the next block of its size; this
// gives it back to the system, where nothing of that size is coming.
void ReleaseSpareBlock();

// The same for standard containers of a file's records.
template <class T> struct BigAllocator
{
    using value_type = T;
    BigAllocator() = default;
    template <class U> BigAllocator(const BigAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) { return static_cast<T*>(AllocateBlock(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { FreeBlock(p, n * sizeof(T)); }
    template <class U> bool operator==(const BigAllocator<U>&) const noexcept { return true; }
};

// A growable array of plain values in such blocks. Growing copies, so callers
// reserve what they know they need.
template <class T> class BigArray
{
    static_assert(std::is_trivially_copyable_v<T>);

public:
    BigArray() = default;
    BigArray(const BigArray&) = delete;
    BigArray& operator=(const BigArray&) = delete;
    BigArray(BigArray&& other) noexcept { swap(other); }
    BigArray& operator=(BigArray&& other) noexcept
    {
        BigArray gone(std::move(*this));
        swap(other);
        return *this;
    }
    ~BigArray()
    {
        if (data_)
            FreeBlock(data_, capacity_ * sizeof(T));
    }

    T* data() { return data_; }
    const T* data() const { return data_; }
    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }

    void reserve(std::size_t n)
    {
        if (n <= capacity_)
            return;
        T* grown = static_cast<T*>(AllocateBlock(n * sizeof(T)));
        if (size_ > 0)
            std::memcpy(grown, data_, size_ * sizeof(T));
        if (data_)
            FreeBlock(data_, capacity_ * sizeof(T));
        data_ = grown;
        capacity_ = n;
    }
    // The first n values count; the caller has written them (within capacity).
    void resize(std::size_t n)
    {
        reserve(n);
        size_ = n;
    }
    void push_back(const T& value)
    {
        if (size_ == capacity_)
            reserve(capacity_ < 16 ? 16 : capacity_ * 2);
        data_[size_++] = value;
    }
    void append(const T* values, std::size_t n)
    {
        if (size_ + n > capacity_)
            reserve(std::max(size_ + n, capacity_ * 2));
        if (n > 0)
            std::memcpy(data_ + size_, values, n * sizeof(T));
        size_ += n;
    }

private:
    void swap(BigArray& other) noexcept
    {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
    }

    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};
