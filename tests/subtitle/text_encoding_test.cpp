#include "subtitle/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumora {
namespace {

std::string FromWindows1250(std::string_view bytes) {
  std::string out;
  AppendWindows1250AsUtf8(out, bytes);
  return out;
}

std::string Encoded(std::string_view utf8, TextEncoding encoding) {
  std::string out;
  AppendEncoded(out, utf8, encoding);
  return out;
}

TEST(Windows1250, decodes_the_hungarian_and_central_european_letters) {
  EXPECT_EQ(FromWindows1250("\xF5\xFB\xD5\xDB\xE1\xE9\xED\xF3\xF6\xFA\xFC"), "őűŐŰáéíóöúü");
  EXPECT_EQ(FromWindows1250("\x80\x8A\x9A\x84\x93\x94\x96"), "€Šš„“”–");
  EXPECT_EQ(FromWindows1250("plain ASCII {1}|"), "plain ASCII {1}|");
}

TEST(Windows1250, every_byte_survives_a_decode_and_an_encode) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = FromWindows1250(all);
  EXPECT_EQ(Encoded(utf8, TextEncoding::Windows1250), all);
  // The bytes the code page leaves undefined are kept as the control characters of the same value.
  EXPECT_EQ(FromWindows1250("\x81\x83\x88\x90\x98"), "\u0081\u0083\u0088\u0090\u0098");
}

TEST(Windows1250, a_character_the_code_page_lacks_is_written_as_a_question_mark) {
  EXPECT_EQ(Encoded("a字b😀", TextEncoding::Windows1250), "a?b?");
  EXPECT_EQ(Encoded("ő", TextEncoding::Windows1250), "\xF5");
}

// Each "|" becomes a line end wherever it falls: in the sixteen-byte steps, the eight-byte step
// and the last few bytes, beside accented letters and malformed bytes, in every encoding; the
// output stays within the room the writers make for it.
TEST(EncodeTextLines, writes_each_bar_as_a_line_end) {
  const std::string texts[] = {
      "",
      "|",
      "egy|kettő|",
      "0123456789abcde|0123456|89|bc|ő",
      "őrült|tükör 0123456789 árvíz|x…|",
      "||árvíztűrő tükörfúrógép||",
      std::string(40, 'a') + "|" + std::string(7, 'b') + "|é" + std::string(9, 'c') + "|",
      "bad \xFF|\xC5|byte",
  };
  for (const TextEncoding encoding :
       {TextEncoding::Windows1250, TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
    for (const std::string& text : texts) {
      std::string lines = text;
      for (std::size_t at = lines.find('|'); at != std::string::npos; at = lines.find('|', at + 2)) {
        lines.replace(at, 1, "\r\n");
      }
      std::vector<char> out(kMaxEncodedBytesPerByte * text.size());
      const std::size_t written = EncodeTextLines(text, encoding, out.data());
      EXPECT_EQ(std::string(out.data(), written), Encoded(lines, encoding)) << EncodingName(encoding) << ": " << text;
    }
  }
}

// A byte above 0x7F is found wherever it is, in the steps of eight and in the last ones.
TEST(IsAscii, finds_a_high_byte_at_any_position) {
  for (std::size_t length = 0; length <= 24; ++length) {
    const std::string plain(length, 'a');
    EXPECT_TRUE(IsAscii(plain)) << length;
    for (std::size_t at = 0; at < length; ++at) {
      std::string text = plain;
      text[at] = '\xF5';
      EXPECT_FALSE(IsAscii(text)) << length << " " << at;
    }
  }
}

TEST(DetectEncoding, follows_the_mark_then_the_content) {
  struct Case {
    std::string bytes;
    TextEncoding expected;
  };
  const Case cases[] = {
      {"", TextEncoding::Windows1250},
      {"1\r\nplain ascii\r\n", TextEncoding::Windows1250},
      {"\xF5r\xFClt", TextEncoding::Windows1250},            // single high bytes: not UTF-8
      {"őrült", TextEncoding::Utf8},                          // valid with a multi-byte character
      {"őrült \xF5", TextEncoding::Windows1250},              // one bad byte: the whole file is 8-bit
      {"\xC0\xAF", TextEncoding::Windows1250},                // overlong form
      {"\xED\xA0\x80", TextEncoding::Windows1250},            // encoded surrogate
      {"ends inside \xC5", TextEncoding::Windows1250},        // cut sequence at the end
      {"\xEF\xBB\xBF" "1", TextEncoding::Utf8Bom},
      {"\xEF\xBB\xBF", TextEncoding::Utf8Bom},
      {std::string("\xFF\xFE" "1\0", 4), TextEncoding::Utf16LE},
      {std::string("\xFE\xFF\0" "1", 4), TextEncoding::Utf16BE},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectEncoding(c.bytes), c.expected) << c.bytes;
}

TEST(Utf16, round_trips_through_utf8_with_surrogate_pairs) {
  const std::string text = "Ő|😀";
  for (const TextEncoding encoding : {TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
    const std::string bytes = Encoded(text, encoding);
    EXPECT_EQ(bytes.size(), 2u + 2u + 4u);
    std::string back;
    AppendUtf16AsUtf8(back, bytes, encoding == TextEncoding::Utf16BE);
    EXPECT_EQ(back, text);
  }
  EXPECT_EQ(Encoded("A", TextEncoding::Utf16LE), std::string("A\0", 2));
  EXPECT_EQ(Encoded("A", TextEncoding::Utf16BE), std::string("\0A", 2));
}

TEST(Utf16, broken_input_becomes_replacement_characters) {
  std::string out;
  AppendUtf16AsUtf8(out, std::string("\x00\xD8" "A\0" "B", 5), false);  // lone high surrogate, odd byte
  EXPECT_EQ(out, "\uFFFDA\uFFFD");
}

TEST(Utf8, malformed_bytes_become_replacement_characters) {
  std::string out;
  AppendSanitizedUtf8(out, "a\xFF" "b\xC5");
  EXPECT_EQ(out, "a\uFFFDb\uFFFD");
}

}  // namespace
}  // namespace lumora
