#include "subtitle/text_encoding.h"

#include <gtest/gtest.h>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
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

// Decoding runs in blocks of 32 bytes where the processor allows: every mix of ASCII, letters
// and the three-byte punctuation, cut at every length, must read as its bytes one by one.
TEST(Windows1250, a_text_decodes_as_its_bytes_one_by_one_at_every_length) {
  std::vector<std::string> single(256);
  for (int b = 0; b < 256; ++b) single[b] = FromWindows1250(std::string(1, static_cast<char>(b)));
  // Letters first, the punctuation last.
  const std::string alphabet = "ab |{}\x7F\x81\xE1\xE9\xF5\xFB\xFF\xC1\x8A\x80\x84\x85\x96";
  std::uint32_t seed = 12345;
  const auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  for (std::size_t length = 0; length <= 130; ++length) {
    for (int round = 0; round < 6; ++round) {
      std::string bytes;
      std::string expected;
      for (std::size_t k = 0; k < length; ++k) {
        // Rounds 0-1 are mostly letters, 2-3 add punctuation, 4-5 take any byte.
        const char c = round >= 4 ? static_cast<char>(next() & 0xFF)
                                  : alphabet[next() % (round >= 2 ? alphabet.size() : alphabet.size() - 4)];
        bytes += c;
        expected += single[static_cast<unsigned char>(c)];
      }
      ASSERT_EQ(FromWindows1250(bytes), expected) << length << " " << round;
    }
  }
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

// A UTF-8 text in Windows-1250 or UTF-8 the plain way, one character after another: in
// Windows-1250 each looked up in the code page as the decoder sees it.
std::string Reference(std::string_view utf8, TextEncoding encoding, bool lines) {
  static const std::map<std::string, char> byteOf = [] {
    std::map<std::string, char> m;
    for (int b = 0; b < 256; ++b) m[FromWindows1250(std::string(1, static_cast<char>(b)))] = static_cast<char>(b);
    return m;
  }();
  const bool windows1250 = encoding == TextEncoding::Windows1250;
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    if (lines && utf8[i] == '|') {
      out += "\r\n";
      ++i;
      continue;
    }
    const int length = Utf8SequenceLength(utf8, i);
    if (length <= 0) {
      out += windows1250 ? "?" : "\uFFFD";
      ++i;
      continue;
    }
    const std::string character(utf8.substr(i, static_cast<std::size_t>(length)));
    const auto found = byteOf.find(character);
    out += !windows1250 ? character : found != byteOf.end() ? std::string(1, found->second) : "?";
    i += static_cast<std::size_t>(length);
  }
  return out;
}

// Encodes into exactly the room the writers make, followed by guard bytes that must stay as they were.
std::string EncodedInRoom(std::string_view utf8, TextEncoding encoding, bool lines) {
  const std::size_t room = kMaxEncodedBytesPerByte * utf8.size();
  std::vector<char> out(room + 64, '#');
  const std::size_t written =
      lines ? EncodeTextLines(utf8, encoding, out.data()) : EncodeText(utf8, encoding, out.data());
  EXPECT_LE(written, room);
  EXPECT_EQ(std::string(out.data() + room, 64), std::string(64, '#')) << "stored past the room";
  return std::string(out.data(), written);
}

TEST(Windows1250, encodes_each_kind_of_input) {
  struct Case {
    std::string utf8;
    std::string bytes;
  };
  const Case cases[] = {
      {"", ""},
      {"árvíztűrő TÜKÖRFÚRÓGÉP", "\xE1rv\xEDzt\xFBr\xF5 T\xDCK\xD6RF\xDAR\xD3G\xC9P"},
      {"Čeština, łódź, žluť", "\xC8" "e\x9Atina, \xB3\xF3" "d\x9F, \x9Elu\x9D"},
      {"\u00A0«»°ˇ˘˝", "\xA0\xAB\xBB\xB0\xA1\xA2\xBD"},                         // lead bytes C2 and CB
      {"–—„”‘’…•‰‹›", "\x96\x97\x84\x94\x91\x92\x85\x95\x89\x8B\x9B"},       // E2 80 xx
      {"€™", "\x80\x99"},
      {"Жñ\u2000字😀", "?????"},                                                // not in the code page
      {"a\xC5", "a?"},                                                          // a letter cut at the end
      {"\xE2\x80", "??"},                                                       // three bytes cut after two
      {"\xC5" "a\x80\xFF", "?a??"},                                             // lead alone, stray bytes
      {"\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80", "?????????"},  // overlong, surrogate, past U+10FFFF
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodedInRoom(c.utf8, TextEncoding::Windows1250, false), c.bytes) << c.utf8;
    EXPECT_EQ(Reference(c.utf8, TextEncoding::Windows1250, false), c.bytes) << c.utf8;
  }
}

TEST(Utf8, keeps_valid_characters_and_replaces_each_bad_byte) {
  struct Case {
    std::string in;
    std::string out;
  };
  const std::string bad = "\uFFFD";
  const Case cases[] = {
      {"őrült…😀", "őrült…😀"},
      {"\u0800\uD7FF\uE000\uFFFF", "\u0800\uD7FF\uE000\uFFFF"},             // three-byte edges
      {"\xE0\x9F\xBF", bad + bad + bad},                                     // overlong
      {"\xED\xA0\x80", bad + bad + bad},                                     // surrogate
      {"\xF4\x90\x80\x80", bad + bad + bad + bad},                           // past U+10FFFF
      {"a\xE2\x80", "a" + bad + bad},                                         // cut at the end
      {"\xC5" "a\x80", bad + "a" + bad},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodedInRoom(c.in, TextEncoding::Utf8, false), c.out) << c.in;
    EXPECT_EQ(Reference(c.in, TextEncoding::Utf8, false), c.out) << c.in;
  }
}

// The encoders against the plain reference, with and without line ends, in the room the
// writers make: random mixes of every kind of character, and of mostly clean text in which
// characters fall across the ends of whatever blocks an encoder works in, cut at every length.
TEST(EncodeText, matches_the_character_by_character_reference) {
  const std::vector<std::string> clean = {"a", "e", " ", "|", "Zs", "0123456789", "á", "é", "ő", "ű", "Ő", "č", "ž",
                                          "ł", "\u00A0", "ˇ", "–", "„", "”", "…", "Ж", "Ơ", "ǉ", "\u0800", "\uD7FF"};
  const std::vector<std::string> rare = {"€",    "™",        "字",         "😀",           "\u2000",
                                         "\x80",   "\xBF",      "\xC5",        "\xE2",         "\xE2\x80",
                                         "\xC0\xAF", "\xE0\x80\x80", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                         "\xFF",   "\xC3" "a"};
  std::uint64_t state = 12345;
  const auto next = [&state](std::uint64_t bound) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return (state >> 33) % bound;
  };
  for (std::size_t length = 0; length <= 200; ++length) {
    for (const std::uint64_t rareOneIn : {0, 3, 40}) {
      std::string text;
      while (text.size() < length) {
        text += rareOneIn != 0 && next(rareOneIn) == 0 ? rare[next(rare.size())] : clean[next(clean.size())];
      }
      text.resize(length);  // may cut a character at the very end
      for (const TextEncoding encoding : {TextEncoding::Windows1250, TextEncoding::Utf8}) {
        for (const bool lines : {false, true}) {
          EXPECT_EQ(EncodedInRoom(text, encoding, lines), Reference(text, encoding, lines))
              << EncodingName(encoding) << " " << length << ": " << text;
        }
      }
    }
  }
}

// A malformed byte at every position of a clean text, the last included.
TEST(EncodeText, matches_the_reference_with_a_bad_byte_anywhere) {
  std::string clean;
  while (clean.size() < 150) clean += "Hűvös éjjel|„Ő az…” – mondta. ";
  for (const char* bad : {"\x80", "\xC5", "\xE2\x80", "\xED\xA0", "\xFE"}) {
    for (std::size_t at = 0; at <= clean.size(); ++at) {
      const std::string text = clean.substr(0, at) + bad + clean.substr(at);
      for (const TextEncoding encoding : {TextEncoding::Windows1250, TextEncoding::Utf8}) {
        for (const bool lines : {false, true}) {
          EXPECT_EQ(EncodedInRoom(text, encoding, lines), Reference(text, encoding, lines))
              << EncodingName(encoding) << " " << at << ": " << text;
        }
      }
    }
  }
}

#if defined(__unix__) || defined(__APPLE__)
// A text may end where readable memory ends (a row text at the end of a block, a mapped file):
// the encoders read nothing past it. The texts end right before a page that cannot be read.
TEST(EncodeText, reads_nothing_past_the_text) {
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  void* mapped = mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(mapped, MAP_FAILED);
  char* const guard = static_cast<char*>(mapped) + page;
  ASSERT_EQ(mprotect(guard, page, PROT_NONE), 0);
  const std::string pieces[] = {"a", "|", "é", "ő", "…", "€", "\xC5", "\xE2\x80", "😀"};
  std::string text;
  for (std::size_t length = 0; length <= 130; ++length) {
    // The last `length` bytes, which may begin inside a character.
    text += pieces[length % std::size(pieces)];
    const std::string_view tail = std::string_view(text).substr(text.size() - length);
    char* const at = guard - length;
    std::copy(tail.begin(), tail.end(), at);
    const std::string_view placed(at, length);
    std::vector<char> out(kMaxEncodedBytesPerByte * length + 1);
    for (const TextEncoding encoding :
         {TextEncoding::Windows1250, TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
      EncodeText(placed, encoding, out.data());
      EncodeTextLines(placed, encoding, out.data());
    }
  }
  munmap(mapped, 2 * page);
}
#endif

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
