#pragma once
// A start or end value as a table row keeps it. Every TimeCode and frame number fits in the row
// itself, so 100,000 rows need no memory for their values beyond their own 16 bytes each; a
// longer value (accented characters in a broken file) is kept in the table's text store.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

#include "subtitle/text_store.h"

namespace lumora {

class StoredValue {
 public:
  StoredValue() = default;

  std::string_view View() const {
    if (size_ != kOutside) return {bytes_, size_};
    const char* data;
    std::uint32_t size;
    std::memcpy(&data, bytes_, sizeof data);
    std::memcpy(&size, bytes_ + sizeof data, sizeof size);
    return {data, size};
  }
  operator std::string_view() const { return View(); }
  bool empty() const { return size_ == 0; }
  std::size_t size() const { return View().size(); }
  std::string str() const { return std::string(View()); }

  /// Keeps value (a view of it stays valid as long as the store's texts).
  void Set(std::string_view value, TextStore& store) {
    if (value.size() <= kInside) {
      std::memmove(bytes_, value.data(), value.size());  // the value may be a part of this one
      size_ = static_cast<std::uint8_t>(value.size());
      return;
    }
    const std::string_view kept = store.Replace(size_ == kOutside ? View() : std::string_view(), value);
    const char* data = kept.data();
    const auto size = static_cast<std::uint32_t>(kept.size());
    std::memcpy(bytes_, &data, sizeof data);
    std::memcpy(bytes_ + sizeof data, &size, sizeof size);
    size_ = kOutside;
  }

  friend bool operator==(const StoredValue& a, std::string_view b) { return a.View() == b; }
  friend std::ostream& operator<<(std::ostream& out, const StoredValue& value) { return out << value.View(); }

 private:
  static constexpr std::size_t kInside = 15;
  static constexpr std::uint8_t kOutside = 0xFF;
  static_assert(sizeof(const char*) + sizeof(std::uint32_t) <= kInside);

  char bytes_[kInside] = {};
  std::uint8_t size_ = 0;  // kOutside: bytes_ hold the store's pointer and length
};

}  // namespace lumora
