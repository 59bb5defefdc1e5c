#pragma once
// Character-level helpers for the UTF-8 text the core holds: field widths and line lengths
// count characters, never bytes, so a text is never cut inside a character.
#include <cstddef>
#include <string>
#include <string_view>

namespace lumora {

/// Number of characters (code points) in a UTF-8 text; a stray continuation byte counts as none.
std::size_t CountChars(std::string_view text);

/// The text cut to at most maxChars characters (whole characters only).
std::string CutToChars(std::string_view text, std::size_t maxChars);
/// The same as a view of the text's first characters.
std::string_view LeadingChars(std::string_view text, std::size_t maxChars);

/// Byte offset of the character with the given index (the text's size when past the end).
std::size_t ByteOffsetOfChar(std::string_view text, std::size_t charIndex);

/// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);

/// Decodes the code point that starts at byte offset pos and advances pos past it;
/// a malformed byte gives U+FFFD and advances one byte.
char32_t DecodeUtf8At(std::string_view text, std::size_t& pos);

}  // namespace lumora
