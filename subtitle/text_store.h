#pragma once
// Where a table keeps its texts: large blocks that never move, each text in a room of its own.
// A row holds a view of its text, so 100,000 rows cost a few allocations instead of 100,000.
#include <cstddef>
#include <string_view>
#include <vector>

namespace lumora {

class TextStore {
 public:
  TextStore() = default;
  ~TextStore();
  TextStore(TextStore&& other) noexcept;
  TextStore& operator=(TextStore&& other) noexcept;
  TextStore(const TextStore&) = delete;
  TextStore& operator=(const TextStore&) = delete;

  /// The room a text of `bytes` bytes takes: a little more, so a text that grows by a few
  /// characters (typing) usually stays where it is.
  static std::size_t RoomFor(std::size_t bytes) { return (bytes + 15) & ~std::size_t{15}; }

  /// Makes room for about `bytes` bytes of texts in one block (a reader knows the file's size).
  void Reserve(std::size_t bytes);

  /// A copy of text kept in the store; an empty text takes no room.
  std::string_view Add(std::string_view text);

  /// Stores text in place of old, a text of this store (or empty): in old's room when it fits,
  /// else anew. text may overlap old. Views of old are then views of the changed room.
  std::string_view Replace(std::string_view old, std::string_view text);

  /// Where a text of at most maxBytes bytes can be written before Commit.
  char* Open(std::size_t maxBytes);
  /// Keeps the first `bytes` bytes written at Open as a text and returns it.
  std::string_view Commit(std::size_t bytes);

  /// Takes the other store's blocks: views of its texts stay valid, now as texts of this store.
  void Adopt(TextStore&& other);

  /// Frees every text.
  void Clear();

 private:
  struct Block {
    char* data;
    std::size_t size;
  };
  void NewBlock(std::size_t atLeast);

  std::vector<Block> blocks_;
  char* next_ = nullptr;  // free room of the newest block
  char* end_ = nullptr;
};

}  // namespace lumora
