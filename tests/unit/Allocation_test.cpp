// How often joining allocates: TextConcat builds its result in one piece, and a read
// loop that appends to its accumulated Bytes must not copy everything at each step.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "text/Text.h"

namespace {
int allocations = 0;
bool counting = false;

struct CountAllocations {
    CountAllocations() {
        allocations = 0;
        counting = true;
    }
    ~CountAllocations() { counting = false; }
};
} // namespace

void* operator new(std::size_t size) {
    if (counting) {
        ++allocations;
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
// The replacements pair malloc with free; GCC sees only "new" meeting "free".
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

TEST(TextConcat, AllocatesOnce) {
    const Text part("a part that is longer than any small-string buffer");
    CountAllocations scope;
    const Text joined = TextConcat(part, "&password=", part, "&to=", part, "&message=", part, part);
    EXPECT_EQ(allocations, 1);
    EXPECT_EQ(TextLength(joined), 5 * TextLength(part) + 23);
}

TEST(BytesConcat, AppendingToAnRvalueGrowsGeometrically) {
    const Bytes piece = BlankBytes(512);
    constexpr int kPieces = 8192; // 4 MiB
    Bytes accumulated;
    {
        CountAllocations scope;
        for (int i = 0; i < kPieces; ++i) {
            accumulated = BytesConcat(std::move(accumulated), piece);
        }
        // Copying the accumulated value would allocate once per piece.
        EXPECT_LT(allocations, 64);
    }
    EXPECT_EQ(BytesLength(accumulated), kPieces * 512);
}

} // namespace
