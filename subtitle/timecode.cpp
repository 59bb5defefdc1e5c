#include "subtitle/timecode.h"

#include <cmath>
#include <cstdio>

namespace lumora {

namespace {

constexpr int kDigitPositions[9] = {0, 1, 3, 4, 6, 7, 9, 10, 11};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void AppendPadded(std::string& out, std::int64_t value, int width) {
  const std::string digits = std::to_string(value);
  for (int i = static_cast<int>(digits.size()); i < width; ++i) out += '0';
  out += digits;
}

std::string ComposeTimeCode(std::int64_t hours, std::int64_t minutes, std::int64_t seconds,
                            std::int64_t millis) {
  std::string out;
  out.reserve(kTimeCodeLength);
  AppendPadded(out, hours, 2);
  out += ':';
  AppendPadded(out, minutes, 2);
  out += ':';
  AppendPadded(out, seconds, 2);
  out += ',';
  AppendPadded(out, millis, 3);
  return out;
}

}  // namespace

std::optional<Millis> TimeCodeToMillis(std::string_view tc) {
  if (tc.size() < kTimeCodeLength) return std::nullopt;
  int d[9];
  for (int i = 0; i < 9; ++i) {
    const char c = tc[kDigitPositions[i]];
    if (!IsDigit(c)) return std::nullopt;
    d[i] = c - '0';
  }
  return static_cast<Millis>(10 * d[0] + d[1]) * 3'600'000 + d[2] * 600'000 + d[3] * 60'000 +
         d[4] * 10'000 + d[5] * 1'000 + d[6] * 100 + d[7] * 10 + d[8];
}

std::optional<double> TimeCodeToSeconds(std::string_view tc) {
  const auto ms = TimeCodeToMillis(tc);
  if (!ms) return std::nullopt;
  return static_cast<double>(*ms / 1000) + static_cast<double>(*ms % 1000) / 1000.0;
}

std::string MillisToTimeCode(Millis ms) {
  if (ms < 0) ms = 0;
  return ComposeTimeCode(ms / 3'600'000, ms / 60'000 % 60, ms / 1000 % 60, ms % 1000);
}

std::string SecondsToTimeCode(double seconds) {
  if (!(seconds > 0)) return std::string(kZeroTimeCode);
  // The value is read back from its 15-significant-digit decimal text, whole part included,
  // so 2.9999999999999996 (2.688 + 0.312) reads as 3 and not as 2 seconds.
  char text[64];
  std::snprintf(text, sizeof text, "%.15g", seconds);
  const std::string_view d(text);
  if (d.find_first_of("eE") != std::string_view::npos) {
    // Exponent notation: below 0.00001 s (no millisecond) or beyond any time a TimeCode holds.
    if (seconds < 1) return std::string(kZeroTimeCode);
    return MillisToTimeCode(static_cast<Millis>(seconds) * 1000);
  }
  const auto point = d.find('.');
  std::int64_t whole = 0;
  for (char c : d.substr(0, point)) whole = whole * 10 + (c - '0');
  std::int64_t millis = 0;
  const std::string_view fraction = point == std::string_view::npos ? "" : d.substr(point + 1);
  for (std::size_t i = 0; i < 3; ++i) millis = millis * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
  return MillisToTimeCode(whole * 1000 + millis);
}

std::string SecondsToTimeCodeMs(double seconds) {
  if (!(seconds > 0)) return std::string(kZeroTimeCode);
  const double whole = std::trunc(seconds);
  const auto millis = static_cast<std::int64_t>((seconds - whole) * 1000);
  const auto total = static_cast<std::int64_t>(whole);
  return ComposeTimeCode(total / 3600, total % 3600 / 60, total % 60, millis);
}

std::string SecondsToMillisText(double seconds) {
  return SecondsToTimeCodeMs(seconds).substr(kTimeCodeLength - 3);
}

std::optional<std::string> OffsetTimeValue(std::string_view tc, Millis offset) {
  const auto value = TimeCodeToMillis(tc);
  if (!value) return std::nullopt;
  const Millis m = *value - offset;
  if (m < 0) return std::string(kZeroTimeCode);
  if (m > kMillisPerDay) return std::string(kDayEndTimeCode);
  return MillisToTimeCode(m);
}

}  // namespace lumora
