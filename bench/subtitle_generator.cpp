#include "bench/subtitle_generator.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "subtitle/timecode.h"

namespace lumora::bench {

namespace {

constexpr std::array<std::string_view, 16> kWords = {
    "a",      "film",   "őrült",  "tükör", "nem",    "látod",  "hogy",  "árvíz",
    "mindig", "ember",  "szép",   "idő",   "fúró",   "gépünk", "éjjel", "úgy",
};

// A small linear congruential generator: the same seed, the same file, on every machine.
struct Random {
  std::uint64_t state = 0x2545F4914F6CDD1DULL;
  std::uint32_t Next() {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state >> 33);
  }
};

void AppendLine(std::string& out, Random& random) {
  const std::uint32_t words = 4 + random.Next() % 5;
  for (std::uint32_t w = 0; w < words; ++w) {
    if (w > 0) out += ' ';
    out.append(kWords[random.Next() % kWords.size()]);
  }
}

std::string Hundredths(Millis ms) {
  std::string tc = MillisToTimeCode(ms);
  tc[8] = '.';
  return tc.substr(0, 11);
}

}  // namespace

std::string GenerateSubtitleFile(FormatKind layout, std::size_t entries, TextEncoding encoding) {
  Random random;
  std::string utf8;
  utf8.reserve(entries * 110);
  Millis start = 1000;
  for (std::size_t i = 0; i < entries; ++i) {
    const Millis end = start + 1000 + random.Next() % 4000;
    const std::uint32_t lines = 1 + random.Next() % 3;
    std::string text;
    for (std::uint32_t l = 0; l < lines; ++l) {
      if (l > 0) text += layout == FormatKind::SrtBlocks ? "\r\n" : layout == FormatKind::TimeRanges ? "[br]" : "|";
      AppendLine(text, random);
    }
    switch (layout) {
      case FormatKind::SubFrames:
        utf8.append("{").append(std::to_string(start * 25 / 1000)).append("}{");
        utf8.append(std::to_string(end * 25 / 1000)).append("}").append(text).append("\r\n");
        break;
      case FormatKind::SrtBlocks:
        utf8.append(std::to_string(i + 1)).append("\r\n");
        utf8.append(MillisToTimeCode(start)).append(" --> ").append(MillisToTimeCode(end)).append("\r\n");
        utf8.append(text).append("\r\n\r\n");
        break;
      case FormatKind::TimeRanges:
        utf8.append(Hundredths(start)).append(",").append(Hundredths(end)).append("\r\n");
        utf8.append(text).append("\r\n\r\n");
        break;
      case FormatKind::NoneRecognised: break;
    }
    start = end + 100 + random.Next() % 2000;
    if (start > 23 * 3'600'000) start = 1000;  // keep every value a valid TimeCode
  }
  if (encoding == TextEncoding::Utf8) return utf8;
  std::string out;
  out.reserve(utf8.size());
  AppendEncoded(out, utf8, encoding);
  return out;
}

}  // namespace lumora::bench
