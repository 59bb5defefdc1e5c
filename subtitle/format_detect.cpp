#include "subtitle/format_detect.h"

#include <cstring>

#include "subtitle/fixed_columns.h"
#include "subtitle/text_encoding.h"
#include "subtitle/row_text.h"
#include "subtitle/timecode.h"
#include "subtitle/timing_mode.h"
#include "subtitle/utf8.h"
#include "subtitle/whole_number.h"

namespace lumora {

namespace {

// One SRT value, "hh:mm:ss,mmm" with either separator before the milliseconds. Only a valid
// TimeCode is kept (digits, hours 0-23, minutes and seconds 0-59, as CheckTimeCode asks);
// anything else becomes the zero value, as the read goes on without a word.
void SrtValue(std::string_view value, char* out) {
  // Every time line of a file comes here twice: no loop, no early exit.
  const auto digit = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(value[i])) - '0'; };
  const unsigned h1 = digit(0), h2 = digit(1), m1 = digit(3), m2 = digit(4), s1 = digit(6), s2 = digit(7);
  const bool digits = (h1 < 10) & (h2 < 10) & (m1 < 10) & (m2 < 10) & (s1 < 10) & (s2 < 10) & (digit(9) < 10) &
                      (digit(10) < 10) & (digit(11) < 10);
  const std::string_view kept = !digits || h1 * 10 + h2 > 23 || m1 > 5 || s1 > 5 ? kZeroTimeCode : value;
  std::memcpy(out, kept.data(), SrtTimeValues::kLength);
  out[8] = ',';  // the file may have ":" there
}

// The value whose digits are in the columns from h (hours) on.
template <typename Columns>
void SrtValue(const Columns& c, std::size_t h, char* out) {
  const char text[] = {c.At(h),     c.At(h + 1), ':', c.At(h + 3), c.At(h + 4),  ':',
                       c.At(h + 6), c.At(h + 7), ',', c.At(h + 9), c.At(h + 10), c.At(h + 11)};
  SrtValue(std::string_view(text, sizeof text), out);
}

template <typename Columns>
bool ReadSrtColumns(const Columns& c, SrtTimeValues& values) {
  const auto msSeparator = [](char x) { return x == ',' || x == ':'; };
  const bool shape = c.At(3) == ':' && c.At(6) == ':' && msSeparator(c.At(9)) && c.At(14) == '-' &&
                     c.At(15) == '-' && c.At(16) == '>' && c.At(20) == ':' && c.At(23) == ':' &&
                     msSeparator(c.At(26));
  if (!shape) return false;
  SrtValue(c, 1, values.start);
  SrtValue(c, 18, values.end);
  return true;
}

// The usual time line: 29 ASCII characters, whose columns are its bytes, so each value is
// taken from the line as it is.
struct AsciiColumns {
  std::string_view line;
  char At(std::size_t position) const { return line[position - 1]; }
};

template <>
void SrtValue(const AsciiColumns& c, std::size_t h, char* out) {
  SrtValue(c.line.substr(h - 1, 12), out);
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

bool ReadSrtTimeLine(std::string_view line, SrtTimeValues& values) {
  if (line.size() < 26) return false;  // column 26 is the last one tested
  if (line.size() >= 29 && IsAscii(line.substr(0, 29))) return ReadSrtColumns(AsciiColumns{line}, values);
  return ReadSrtColumns(FixedColumns(line, 29), values);
}

std::optional<TimePair> ReadSrtTimeLine(std::string_view line) {
  SrtTimeValues values;
  if (!ReadSrtTimeLine(line, values)) return std::nullopt;
  return TimePair{std::string(values.start, SrtTimeValues::kLength), std::string(values.end, SrtTimeValues::kLength)};
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
