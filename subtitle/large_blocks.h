#pragma once
// Memory for the table's big arrays. A 100,000-row table needs some 15 MB; taken in ordinary
// 4 KB pages a fresh process spends longer on page faults than on reading the file, so blocks
// of 2 MB and more are asked for in huge pages where the system offers them.
#include <cstddef>
#include <new>

namespace lumora {

/// A block of at least `bytes` bytes; throws std::bad_alloc when there is no memory.
void* AllocateLargeBlock(std::size_t bytes);
/// Frees a block from AllocateLargeBlock of the same size.
void FreeLargeBlock(void* block, std::size_t bytes) noexcept;

/// A standard allocator over AllocateLargeBlock, for vectors that grow large.
template <typename T>
struct LargeBlockAllocator {
  using value_type = T;
  LargeBlockAllocator() = default;
  template <typename U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(AllocateLargeBlock(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t n) noexcept { FreeLargeBlock(p, n * sizeof(T)); }
  template <typename U>
  friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator<U>&) noexcept {
    return true;
  }
};

}  // namespace lumora
