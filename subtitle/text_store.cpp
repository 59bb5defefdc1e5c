#include "subtitle/text_store.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "subtitle/large_blocks.h"

namespace lumora {

namespace {
// A table that grows by typing starts small; each further block doubles the store.
constexpr std::size_t kFirstBlock = 16 * 1024;
}  // namespace

TextStore::~TextStore() { Clear(); }

TextStore::TextStore(TextStore&& other) noexcept
    : blocks_(std::move(other.blocks_)), next_(std::exchange(other.next_, nullptr)), end_(std::exchange(other.end_, nullptr)) {
  other.blocks_.clear();
}

TextStore& TextStore::operator=(TextStore&& other) noexcept {
  if (this != &other) {
    Clear();
    blocks_ = std::move(other.blocks_);
    other.blocks_.clear();
    next_ = std::exchange(other.next_, nullptr);
    end_ = std::exchange(other.end_, nullptr);
  }
  return *this;
}

void TextStore::Clear() {
  for (const Block& block : blocks_) FreeLargeBlock(block.data, block.size);
  blocks_.clear();
  next_ = end_ = nullptr;
}

void TextStore::NewBlock(std::size_t atLeast) {
  std::size_t size = kFirstBlock;
  if (!blocks_.empty()) size = std::max(size, blocks_.back().size * 2);
  size = std::max(size, RoomFor(atLeast));
  blocks_.reserve(blocks_.size() + 1);  // so a failure below cannot lose the new block
  Block block{static_cast<char*>(AllocateLargeBlock(size)), size};
  blocks_.push_back(block);
  next_ = block.data;
  end_ = block.data + block.size;
}

void TextStore::Reserve(std::size_t bytes) {
  if (static_cast<std::size_t>(end_ - next_) < bytes) NewBlock(bytes);
}

char* TextStore::Open(std::size_t maxBytes) {
  if (static_cast<std::size_t>(end_ - next_) < RoomFor(maxBytes)) NewBlock(maxBytes);
  return next_;
}

std::string_view TextStore::Commit(std::size_t bytes) {
  if (bytes == 0) return {};
  const std::string_view text(next_, bytes);
  next_ += RoomFor(bytes);
  return text;
}

std::string_view TextStore::Add(std::string_view text) {
  if (text.empty()) return {};
  char* room = Open(text.size());
  std::memcpy(room, text.data(), text.size());
  return Commit(text.size());
}

std::string_view TextStore::Replace(std::string_view old, std::string_view text) {
  if (!old.empty() && text.size() <= RoomFor(old.size())) {
    if (text.empty()) return {};
    char* room = const_cast<char*>(old.data());  // the store's own room
    std::memmove(room, text.data(), text.size());
    return {room, text.size()};
  }
  return Add(text);  // a block never moves, so text stays readable while it is copied
}

void TextStore::Adopt(TextStore&& other) {
  if (other.blocks_.empty()) return;
  blocks_.reserve(blocks_.size() + other.blocks_.size());
  // The other's newest block stays the one with free room.
  blocks_.insert(blocks_.end(), other.blocks_.begin(), other.blocks_.end());
  next_ = other.next_;
  end_ = other.end_;
  other.blocks_.clear();
  other.next_ = other.end_ = nullptr;
}

}  // namespace lumora
