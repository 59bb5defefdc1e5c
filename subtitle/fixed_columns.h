#pragma once
// Character columns at the start of a line. The layouts' rules name characters by position
// (":" at 3, "," at 9...), and a UTF-8 line may hold multi-byte characters before them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "subtitle/text_encoding.h"

namespace lumora {

class FixedColumns {
 public:
  static constexpr std::size_t kMaxColumns = 32;

  /// The first count columns (at most kMaxColumns) of the line.
  FixedColumns(std::string_view line, std::size_t count) : line_(line) {
    const std::size_t Count = count < kMaxColumns ? count : kMaxColumns;
    std::size_t bytes = 0;
    // The usual line is ASCII up to the last column: its byte offsets are the columns.
    if (line.size() >= Count && IsAscii(line.substr(0, Count))) {
      ascii_ = true;
      count_ = Count;
      return;
    }
    while (count_ < Count && bytes < line.size()) {
      offsets_[count_++] = static_cast<std::uint32_t>(bytes);
      const int length = Utf8SequenceLength(line, bytes);
      bytes += length > 0 ? static_cast<std::size_t>(length) : 1;
    }
    offsets_[count_] = static_cast<std::uint32_t>(bytes);
  }

  /// Number of characters available, at most the count asked for.
  std::size_t Size() const { return count_; }

  /// The character at the 1-based position when it is a single byte; '\0' beyond the end and
  /// '\x80' for a multi-byte character, so it matches no ASCII character.
  char At(std::size_t position) const {
    if (position == 0 || position > count_) return '\0';
    if (ascii_) return line_[position - 1];
    const std::size_t begin = offsets_[position - 1];
    if (offsets_[position] - begin != 1) return '\x80';
    return line_[begin];
  }

  /// The characters at the 1-based positions first..last (clipped to the line), as bytes.
  std::string_view Slice(std::size_t first, std::size_t last) const {
    if (first == 0 || first > count_ || last < first) return {};
    if (last > count_) last = count_;
    if (ascii_) return line_.substr(first - 1, last - first + 1);
    return line_.substr(offsets_[first - 1], offsets_[last] - offsets_[first - 1]);
  }

 private:
  std::string_view line_;
  std::array<std::uint32_t, kMaxColumns + 1> offsets_{};
  std::size_t count_ = 0;
  bool ascii_ = false;  // the columns are the bytes; offsets_ is not filled
};

}  // namespace lumora
