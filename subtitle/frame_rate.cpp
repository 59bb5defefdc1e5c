#include "subtitle/frame_rate.h"

namespace lumora {

namespace {
// 128-bit intermediates: a long time times a rate's numerator does not fit in 64 bits.
__extension__ typedef __int128 Wide;
}  // namespace

std::optional<FrameRate> ParseFrameRate(std::string_view text) {
  const auto comma = text.find(',');
  const std::string_view whole = text.substr(0, comma);
  const std::string_view fraction = comma == std::string_view::npos ? "" : text.substr(comma + 1);
  if (whole.empty() || whole.size() > 6 || fraction.size() > 6) return std::nullopt;
  if (comma != std::string_view::npos && fraction.empty()) return std::nullopt;
  FrameRate rate;
  for (std::string_view part : {whole, fraction}) {
    for (char c : part) {
      if (c < '0' || c > '9') return std::nullopt;
      rate.numerator = rate.numerator * 10 + (c - '0');
    }
  }
  for (std::size_t i = 0; i < fraction.size(); ++i) rate.denominator *= 10;
  if (rate.numerator == 0) return std::nullopt;
  return rate;
}

Frames MillisToFrames(Millis millis, FrameRate rate) {
  const Wide scaled = static_cast<Wide>(millis) * rate.numerator;
  return static_cast<Frames>(scaled / (static_cast<Wide>(1000) * rate.denominator));
}

Millis FramesToMillis(Frames frames, FrameRate rate) {
  const Wide scaled = static_cast<Wide>(frames) * 1000 * rate.denominator;
  return static_cast<Millis>(scaled / rate.numerator);
}

std::optional<std::string> TimeCodeToFrameText(std::string_view timeCode, FrameRate rate) {
  if (timeCode.empty() || timeCode == kZeroTimeCode) return std::string("0");
  const auto ms = TimeCodeToMillis(timeCode);
  if (!ms) return std::nullopt;
  return std::to_string(MillisToFrames(*ms, rate));
}

std::optional<Frames> ParseFrameNumber(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  Frames value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace lumora
