#pragma once
// Which typed characters the value fields accept. A refused key is dropped by the field.
#include <cstddef>
#include <string_view>

namespace lumora {

inline constexpr char32_t kBackspace = U'\b';

/// Digits, ":", "," and Backspace.
bool FilterTimeKey(char32_t key);

/// As FilterTimeKey, but Backspace is refused with the caret at 3, 6 or 9 (0 = before the
/// first character), where it would delete a TimeCode separator.
bool FilterTimeKeyAt(char32_t key, std::size_t caret);

/// Digits and Backspace.
bool FilterFrameKey(char32_t key);

/// The filter of a value field in a timing mode: FilterTimeKeyAt in "Time", FilterFrameKey otherwise.
bool FilterValueKey(std::string_view mode, char32_t key, std::size_t caret);

/// The Delete key is refused with the caret at 2, 5 or 8, directly in front of a separator.
bool DeleteAllowedAt(std::size_t caret);

}  // namespace lumora
