#pragma once

#include <cstddef>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define QV_POOL_POISONING 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_POOL_POISONING 1
#endif
#endif

#ifdef QV_POOL_POISONING
#include <sanitizer/asan_interface.h>
#endif

// 64 KiB chunks: few enough for a large document, small for an empty one.
inline constexpr std::size_t kPoolChunkSize = 65536;
inline constexpr std::size_t kPoolChunkAlign = 64;
// A new chunk for a pool, aligned to kPoolChunkAlign; it is never given back. Chunks of all
// pools are cut from large blocks that the system may back with huge pages.
void* NewPoolChunk();

// Storage for many small objects of one size: a load makes tens of thousands of list nodes
// and events, which the general heap would allocate and free one by one. Slots are carved
// from large chunks and a freed slot goes on a free list for the next allocation. Chunks
// live as long as the program (a pool never shrinks), so an object freed by a static
// destructor late at exit still returns to valid memory.
//
// Each thread has its own pool; a slot freed on another thread than the one that made it
// simply joins that thread's free list. Under AddressSanitizer free slots are poisoned, so
// a use after free is still reported.
template <std::size_t Size, std::size_t Align>
class FixedPool {
  public:
    static void* Allocate() {
        Slot* slot = free_;
        if (slot != nullptr) {
            Unpoison(slot);
            free_ = slot->next;
        } else {
            if (unused_ == end_) NewChunk();
            slot = unused_++;
            Unpoison(slot);
        }
        return slot;
    }

    static void Free(void* pointer) noexcept {
        if (pointer == nullptr) return;
        auto* slot = static_cast<Slot*>(pointer);
        slot->next = free_;
        free_ = slot;
        Poison(slot);
    }

  private:
    union Slot {
        Slot* next;
        alignas(Align) std::byte bytes[Size];
    };
    static constexpr std::size_t kSlotsPerChunk = kPoolChunkSize / sizeof(Slot);

    // The first slot of a chunk links it to the chunk made before, so every chunk stays
    // reachable (a leak checker does not follow the free list through poisoned slots).
    static void NewChunk() {
        static_assert(alignof(Slot) <= kPoolChunkAlign);
        auto* chunk = static_cast<Slot*>(NewPoolChunk());
        chunk->next = chunks_;
        chunks_ = chunk;
        unused_ = chunk + 1;
        end_ = chunk + kSlotsPerChunk;
#ifdef QV_POOL_POISONING
        ASAN_POISON_MEMORY_REGION(unused_, (kSlotsPerChunk - 1) * sizeof(Slot));
#endif
    }

    static void Poison([[maybe_unused]] Slot* slot) {
#ifdef QV_POOL_POISONING
        ASAN_POISON_MEMORY_REGION(slot, sizeof(Slot));
#endif
    }
    static void Unpoison([[maybe_unused]] Slot* slot) {
#ifdef QV_POOL_POISONING
        ASAN_UNPOISON_MEMORY_REGION(slot, sizeof(Slot));
#endif
    }

    static inline thread_local Slot* chunks_ = nullptr;
    static inline thread_local Slot* free_ = nullptr;
    static inline thread_local Slot* unused_ = nullptr;
    static inline thread_local Slot* end_ = nullptr;
};

// The class-level operator new and delete of a pooled class call these: objects of the class's
// size come from its pool; anything else (a derived class of another size) from the heap.
template <typename T>
void* PooledNew(std::size_t size) {
    if (size != sizeof(T)) return ::operator new(size);
    return FixedPool<sizeof(T), alignof(T)>::Allocate();
}

template <typename T>
void PooledDelete(void* pointer, std::size_t size) noexcept {
    if (size != sizeof(T))
        ::operator delete(pointer);
    else
        FixedPool<sizeof(T), alignof(T)>::Free(pointer);
}
