#include "core/FixedPool.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace {

// A huge page: the chunks of a large document fill a few of them, where with ordinary pages
// every 4 KiB touched the first time costs the kernel a page fault.
constexpr std::size_t kBlockSize = 2 * 1024 * 1024;
static_assert(kBlockSize % kPoolChunkSize == 0);

struct Block {
    std::byte* next = nullptr;
    std::byte* end = nullptr;
};

thread_local Block block;

}  // namespace

void* NewPoolChunk() {
    if (block.next == block.end) {
        // From the heap rather than mapped directly, so that a leak checker still follows
        // the pointers the pooled objects hold.
        auto* start = static_cast<std::byte*>(std::aligned_alloc(kBlockSize, kBlockSize));
        if (start == nullptr) throw std::bad_alloc();
        // Only advice: where huge pages are off, the block is made of ordinary pages.
        ::madvise(start, kBlockSize, MADV_HUGEPAGE);
        block = {start, start + kBlockSize};
    }
    void* chunk = block.next;
    block.next += kPoolChunkSize;
    return chunk;
}
