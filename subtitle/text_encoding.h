#pragma once
// The encodings a subtitle file may come in. The core holds UTF-8; a document remembers the
// encoding of its file and is written back in it, so nothing changes that the user did not change.
#include <cstddef>
#include <string>
#include <string_view>

namespace lumora {

enum class TextEncoding {
  Windows1250,  // the default: every byte is one character, kept losslessly
  Utf8,         // valid UTF-8 with at least one multi-byte character, no byte-order mark
  Utf8Bom,      // UTF-8 after the mark EF BB BF
  Utf16LE,      // after the mark FF FE
  Utf16BE,      // after the mark FE FF
};

/// A short name for messages and lumora-cli: "Windows-1250", "UTF-8", "UTF-8 BOM", "UTF-16LE", "UTF-16BE".
std::string_view EncodingName(TextEncoding encoding);

/// The byte-order mark a file in this encoding starts with ("" for Windows-1250 and UTF-8).
std::string_view ByteOrderMark(TextEncoding encoding);

/// The encoding named by a file's leading bytes, when they are a byte-order mark, and the mark's length.
struct MarkedEncoding {
  TextEncoding encoding = TextEncoding::Windows1250;
  std::size_t markLength = 0;  // 0: no mark
};
MarkedEncoding EncodingFromMark(std::string_view leadingBytes);

/// Length of the valid UTF-8 sequence that starts text at pos: 1-4, 0 when the text ends inside
/// a sequence that is valid so far, -1 for a malformed, overlong or surrogate sequence.
int Utf8SequenceLength(std::string_view text, std::size_t pos);

/// True when every byte is below 0x80.
bool IsAscii(std::string_view bytes);

/// The encoding of a whole file's bytes: a byte-order mark decides; otherwise UTF-8 when the
/// bytes are valid UTF-8 holding a multi-byte character, else Windows-1250.
TextEncoding DetectEncoding(std::string_view bytes);

/// Appends the UTF-8 form of Windows-1250 bytes. Each byte maps to its own character; the five
/// bytes the code page leaves undefined map to U+0081, U+0083, U+0088, U+0090, U+0098.
void AppendWindows1250AsUtf8(std::string& out, std::string_view bytes);

/// The same into room the caller made: out must hold 3 x bytes.size() + 16 bytes. Returns the
/// number of bytes written.
std::size_t Windows1250ToUtf8(std::string_view bytes, char* out);

/// Appends bytes as valid UTF-8: each malformed byte becomes U+FFFD.
void AppendSanitizedUtf8(std::string& out, std::string_view bytes);

/// Appends the UTF-8 form of UTF-16 code units (no mark); an unpaired surrogate or an odd last
/// byte becomes U+FFFD.
void AppendUtf16AsUtf8(std::string& out, std::string_view bytes, bool bigEndian);

/// The most bytes one byte of UTF-8 input becomes in any encoding: a "|" written as CR LF in
/// UTF-16 (see EncodeTextLines).
inline constexpr std::size_t kMaxEncodedBytesPerByte = 4;

/// Writes a UTF-8 text in the encoding (without its mark) to out, which must have room for
/// kMaxEncodedBytesPerByte x utf8.size() bytes; returns the number of bytes written. A character
/// Windows-1250 cannot hold is written as "?"; malformed UTF-8 input is written as U+FFFD (or "?").
std::size_t EncodeText(std::string_view utf8, TextEncoding encoding, char* out);

/// The same with each "|", the table's line separator, written as a CR LF line end.
std::size_t EncodeTextLines(std::string_view utf8, TextEncoding encoding, char* out);

/// The same, appended to out.
void AppendEncoded(std::string& out, std::string_view utf8, TextEncoding encoding);

}  // namespace lumora
