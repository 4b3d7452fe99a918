#include "store/BigArray.h"

#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>
#include <sys/mman.h>
#include <utility>

namespace {
// Below this a block comes from the heap, which has room for it already.
constexpr std::size_t MappedFrom = std::size_t(1) << 20;
constexpr std::size_t HugePage = std::size_t(2) << 20;

std::size_t RoundUp(std::size_t n, std::size_t to)
{
    return (n + to - 1) / to * to;
}

// The last large block given back, kept for the next one of its size: a save
// or a read that repeats then reuses pages already in place instead of having
// fresh ones cleared. Blocks are made and given back on two threads.
std::mutex spareLock;
void* spare = nullptr;
std::size_t spareLength = 0;

// Puts block (null for none) in the spare's place and unmaps the one it held.
void KeepAsSpare(void* block, std::size_t length)
{
    {
        const std::lock_guard<std::mutex> hold(spareLock);
        std::swap(block, spare);
        std::swap(length, spareLength);
    }
    if (block)
        ::munmap(block, length);
}
} // namespace

void* AllocateBlock(std::size_t bytes)
{
    if (bytes >= MappedFrom) {
        // Whole huge pages, mapped with room to start on a huge-page boundary;
        // the slack on either side goes back at once. A part of a huge page
        // would be filled 4 KiB at a time.
        const std::size_t length = RoundUp(bytes, HugePage);
        {
            const std::lock_guard<std::mutex> hold(spareLock);
            if (spare && spareLength == length)
                return std::exchange(spare, nullptr);
        }
        void* raw = ::mmap(nullptr, length + HugePage, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw != MAP_FAILED) {
            char* const start = static_cast<char*>(raw);
            char* const block =
                reinterpret_cast<char*>(RoundUp(reinterpret_cast<std::uintptr_t>(start), HugePage));
            if (block > start)
                ::munmap(start, static_cast<std::size_t>(block - start));
            const std::size_t tail = HugePage - static_cast<std::size_t>(block - start);
            if (tail > 0)
                ::munmap(block + length, tail);
            // Only advice: where the kernel has no huge pages the block works the same.
            ::madvise(block, length, MADV_HUGEPAGE);
            return block;
        }
        throw std::bad_alloc();
    }
    void* p = std::malloc(bytes == 0 ? 1 : bytes);
    if (!p)
        throw std::bad_alloc();
    return p;
}

void FreeBlock(void* block, std::size_t bytes)
{
    if (bytes < MappedFrom) {
        std::free(block);
        return;
    }
    // The newest block is the likeliest to be asked for again.
    KeepAsSpare(block, RoundUp(bytes, HugePage));
}

void ReleaseSpareBlock()
{
    KeepAsSpare(nullptr, 0);
}
