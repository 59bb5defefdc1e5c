#include "subtitle/format_detect.h"

#include "subtitle/fixed_columns.h"
#include "subtitle/row_text.h"
#include "subtitle/timecode.h"
#include "subtitle/timing_mode.h"
#include "subtitle/utf8.h"
#include "subtitle/value_checks.h"
#include "subtitle/whole_number.h"

namespace lumora {

namespace {

// One SRT value from the columns of its digits (hours, minutes, seconds, milliseconds);
// anything but a valid TimeCode becomes the zero value, as the read goes on without a word.
std::string SrtValue(const FixedColumns& c, std::size_t h, std::size_t m, std::size_t s, std::size_t ms) {
  const char text[] = {c.At(h), c.At(h + 1), ':', c.At(m), c.At(m + 1), ':',
                       c.At(s), c.At(s + 1), ',', c.At(ms), c.At(ms + 1), c.At(ms + 2)};
  const std::string_view value(text, sizeof text);
  if (CheckTimeCode(value)) return std::string(value);
  return std::string(kZeroTimeCode);
}

}  // namespace

std::string_view ToText(FormatKind kind) {
  switch (kind) {
    case FormatKind::SubFrames: return "1";
    case FormatKind::SrtBlocks: return "2";
    case FormatKind::NoneRecognised: return "3";
    case FormatKind::TimeRanges: return "4";
  }
  return "3";
}

std::optional<DetectedFormat> DetectFormat(std::string_view line) {
  if (line.empty()) return std::nullopt;
  if (line.front() == '{') return DetectedFormat{FormatKind::SubFrames, kFrameMode};
  if (ReadsAsWholeNumber(line)) return DetectedFormat{FormatKind::SrtBlocks, kTimeMode};
  if (IsTimeRangeLine(line)) return DetectedFormat{FormatKind::TimeRanges, kTimeMode};
  return std::nullopt;
}

std::optional<TimePair> ReadSrtTimeLine(std::string_view line) {
  if (line.size() < 26) return std::nullopt;  // column 26 is the last one tested
  const FixedColumns c(line, 29);
  const auto msSeparator = [](char x) { return x == ',' || x == ':'; };
  const bool shape = c.At(3) == ':' && c.At(6) == ':' && msSeparator(c.At(9)) && c.At(14) == '-' &&
                     c.At(15) == '-' && c.At(16) == '>' && c.At(20) == ':' && c.At(23) == ':' &&
                     msSeparator(c.At(26));
  if (!shape) return std::nullopt;
  return TimePair{SrtValue(c, 1, 4, 7, 10), SrtValue(c, 18, 21, 24, 27)};
}

bool IsTimeRangeLine(std::string_view line) {
  if (line.size() < 21) return false;
  const FixedColumns c(line, 21);
  return c.At(3) == ':' && c.At(6) == ':' && c.At(9) == '.' && c.At(12) == ',' && c.At(15) == ':' &&
         c.At(18) == ':' && c.At(21) == '.';
}

std::optional<TimePair> ReadTimeRangeLine(std::string_view line) {
  if (!IsTimeRangeLine(line)) return std::nullopt;
  const FixedColumns c(line, 23);
  TimePair pair;
  pair.start.append(c.Slice(1, 8)).append(",").append(c.Slice(10, 11)).append("0");
  pair.end.append(c.Slice(13, 20)).append(",").append(c.Slice(22, 23)).append("0");
  return pair;
}

std::string ShortenForMessage(std::string_view text) { return CutToChars(text, 9) + "..."; }

std::string BrToBar(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    const std::size_t found = text.find("[br]", pos);
    if (found == std::string_view::npos) break;
    out.append(text.substr(pos, found - pos));
    out += kLineSeparator;
    pos = found + 4;
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace lumora
