#include "subtitle/large_blocks.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include <cstdint>

namespace lumora {

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t MappedSize(std::size_t bytes) { return (bytes + kHugePage - 1) & ~(kHugePage - 1); }
}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  if (bytes >= kHugePage) {
    const std::size_t size = MappedSize(bytes);
    // One huge page more than needed, so the block can start on a huge-page boundary.
    const std::size_t span = size + kHugePage;
    void* mapped = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > start) ::munmap(mapped, aligned - start);
    const std::uintptr_t tail = aligned + size;
    if (start + span > tail) ::munmap(reinterpret_cast<void*>(tail), start + span - tail);
    // Only advice: without huge pages the block works the same, in small pages.
    ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
  }
#endif
  return ::operator new(bytes);
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept {
  if (block == nullptr) return;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  if (bytes >= kHugePage) {
    ::munmap(block, MappedSize(bytes));
    return;
  }
#endif
  ::operator delete(block);
}

}  // namespace lumora
