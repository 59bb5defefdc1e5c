#include "subtitle/key_filters.h"

#include "subtitle/timing_mode.h"

namespace lumora {

namespace {
bool IsDigit(char32_t key) { return key >= U'0' && key <= U'9'; }
}  // namespace

bool FilterTimeKey(char32_t key) { return IsDigit(key) || key == U':' || key == U',' || key == kBackspace; }

bool FilterTimeKeyAt(char32_t key, std::size_t caret) {
  if (key == kBackspace) return caret != 3 && caret != 6 && caret != 9;
  return FilterTimeKey(key);
}

bool FilterFrameKey(char32_t key) { return IsDigit(key) || key == kBackspace; }

bool FilterValueKey(std::string_view mode, char32_t key, std::size_t caret) {
  return mode == kTimeMode ? FilterTimeKeyAt(key, caret) : FilterFrameKey(key);
}

bool DeleteAllowedAt(std::size_t caret) { return caret != 2 && caret != 5 && caret != 8; }

}  // namespace lumora
