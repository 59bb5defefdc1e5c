#include "subtitle/large_blocks.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include <cstdlib>

namespace lumora {

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t HugePageMultiple(std::size_t bytes) { return (bytes + kHugePage - 1) & ~(kHugePage - 1); }
}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  if (bytes >= kHugePage) {
    // From the C library, which keeps a freed block for the next one of its size (opening one
    // big file after another), starting on a huge-page boundary so that it can take huge pages.
    const std::size_t size = HugePageMultiple(bytes);
    void* block = std::aligned_alloc(kHugePage, size);
    if (block == nullptr) throw std::bad_alloc();
    // Only advice: without huge pages the block works the same, in small pages.
    ::madvise(block, size, MADV_HUGEPAGE);
    return block;
  }
#endif
  return ::operator new(bytes);
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept {
  if (block == nullptr) return;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  if (bytes >= kHugePage) {
    std::free(block);
    return;
  }
#endif
  ::operator delete(block);
}

}  // namespace lumora
