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

/// Bytes in a large block, not cleared: a buffer for a whole file.
class LargeBuffer {
 public:
  LargeBuffer() = default;
  explicit LargeBuffer(std::size_t size) : data_(static_cast<char*>(AllocateLargeBlock(size))), size_(size) {}
  ~LargeBuffer() { FreeLargeBlock(data_, size_); }
  LargeBuffer(LargeBuffer&& other) noexcept : data_(other.data_), size_(other.size_) {
    other.data_ = nullptr;
    other.size_ = 0;
  }
  LargeBuffer& operator=(LargeBuffer&& other) noexcept {
    if (this != &other) {
      FreeLargeBlock(data_, size_);
      data_ = other.data_;
      size_ = other.size_;
      other.data_ = nullptr;
      other.size_ = 0;
    }
    return *this;
  }
  LargeBuffer(const LargeBuffer&) = delete;
  LargeBuffer& operator=(const LargeBuffer&) = delete;

  char* data() const { return data_; }
  std::size_t size() const { return size_; }
  explicit operator bool() const { return data_ != nullptr; }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
};

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
