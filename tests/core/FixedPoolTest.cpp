#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "core/FixedPool.h"

namespace {

struct Pooled {
    std::int64_t value = 0;
    std::int64_t other = 0;
    static void* operator new(std::size_t size) { return PooledNew<Pooled>(size); }
    static void operator delete(void* pointer, std::size_t size) noexcept {
        PooledDelete<Pooled>(pointer, size);
    }
};

// Larger than its base: must not be squeezed into the base's slots.
struct LargerPooled : Pooled {
    std::int64_t extra[8] = {1, 2, 3, 4, 5, 6, 7, 8};
};

TEST(FixedPoolTest, ObjectsAcrossManyChunksAreDistinctAndKeepTheirValues) {
    std::vector<Pooled*> objects;
    std::set<Pooled*> distinct;
    for (std::int64_t i = 0; i < 20000; ++i) {
        objects.push_back(new Pooled{i, -i});
        distinct.insert(objects.back());
    }
    EXPECT_EQ(distinct.size(), objects.size());
    for (std::int64_t i = 0; i < 20000; ++i) {
        EXPECT_EQ(objects[i]->value, i);
        EXPECT_EQ(objects[i]->other, -i);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(objects[i]) % alignof(Pooled), 0u);
    }
    for (Pooled* object : objects) delete object;
}

TEST(FixedPoolTest, FreedSlotsAreReusedBeforeNewOnes) {
    std::vector<Pooled*> objects;
    for (int i = 0; i < 10; ++i) objects.push_back(new Pooled);
    const std::set<Pooled*> freed(objects.begin(), objects.end());
    for (Pooled* object : objects) delete object;
    for (int i = 0; i < 10; ++i) {
        objects[i] = new Pooled;
        EXPECT_TRUE(freed.contains(objects[i]));
        EXPECT_EQ(objects[i]->value, 0);  // constructed afresh
    }
    for (Pooled* object : objects) delete object;
}

TEST(FixedPoolTest, DerivedClassOfAnotherSizeUsesTheHeap) {
    auto* larger = new LargerPooled;
    larger->value = 9;
    EXPECT_EQ(larger->extra[7], 8);
    EXPECT_EQ(larger->value, 9);
    delete larger;
}

}  // namespace
