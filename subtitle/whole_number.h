#pragma once
// The whole-number rule of counter lines: a line "reads as a whole number" when all of it
// converts to a 32-bit integer.
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumora {

/// The value of a text that is a whole number: leading blanks, an optional sign, then decimal
/// digits, or hexadecimal digits after "$", "x" or "0x" (either case). Nothing may follow the
/// last digit. Decimal values must fit a signed 32-bit integer; hexadecimal ones 32 bits
/// (so "$FFFFFFFF" is -1). Nothing for any other text, an empty one included.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

inline bool ReadsAsWholeNumber(std::string_view text) { return ParseWholeNumber(text).has_value(); }

}  // namespace lumora
