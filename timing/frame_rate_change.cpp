#include "timing/frame_rate_change.h"

#include "subtitle/timing_mode.h"
#include "timing/timing_values.h"

namespace lumora {

namespace {

__extension__ typedef __int128 Wide;

// value × to ÷ from on exact decimals: (value × to.num × from.den) ÷ (to.den × from.num).
std::int64_t Rescale(std::int64_t value, FrameRate from, FrameRate to) {
  const Wide scaled = static_cast<Wide>(value) * to.numerator * from.denominator;
  const Wide divisor = static_cast<Wide>(to.denominator) * from.numerator;
  const Wide result = scaled / divisor;
  // The callers clamp to their field's largest value; anything beyond 64 bits is far past it.
  return result > INT64_MAX ? INT64_MAX : static_cast<std::int64_t>(result);
}

}  // namespace

std::optional<std::string> ConvertFrameValue(std::string_view frameText, FrameRate from, FrameRate to) {
  const auto frames = ParseFrameNumber(frameText);
  if (!frames) return std::nullopt;
  return FrameValueText(Rescale(*frames, from, to));
}

std::optional<std::string> ConvertTimeValue(std::string_view timeCode, FrameRate from, FrameRate to) {
  const auto millis = ReadTimeValue(timeCode);
  if (!millis) return std::nullopt;
  return TimeValueText(Rescale(*millis, from, to));
}

FrameRateChangeResult ConvertFrameRate(SubtitleTable& table, std::string_view mode, std::string_view fromText,
                                       std::string_view toText, const ProgressCallback& progress) {
  const auto from = ParseFrameRate(fromText);
  const auto to = ParseFrameRate(toText);
  if (!from || !to) {
    return {false, {"FPS módosítás", "info", "Nem történt átváltás: válasszon FPS értéket mindkét listából!", ""}};
  }
  const auto convert = mode == kTimeMode ? ConvertTimeValue : ConvertFrameValue;
  const std::size_t rows = table.RecordCount();
  PassProgress gauge(rows, progress);
  for (std::size_t i = 0; i < rows; ++i) {
    if (auto value = convert(table.At(i).Kezdes, *from, *to)) table.SetKezdesAt(i, *value);
    if (auto value = convert(table.At(i).Befejezes, *from, *to)) table.SetBefejezesAt(i, *value);
    gauge.RowDone();
  }
  return {true, {"FPS módosítás", "info", "Az átváltás megtörtént!", ""}};
}

}  // namespace lumora
