#include "timing/mode_switch.h"

#include "subtitle/timing_mode.h"
#include "timing/timing_values.h"

namespace lumora {

std::optional<std::string> TimeValueToFrames(std::string_view timeCode, FrameRate rate) {
  if (timeCode.empty()) return std::string("0");
  const auto millis = ReadTimeValue(timeCode);
  if (!millis) return std::nullopt;
  return FrameValueText(MillisToFrames(*millis, rate));
}

std::optional<std::string> FrameValueToTime(std::string_view frameText, FrameRate rate) {
  const auto frames = ParseFrameNumber(frameText);
  if (!frames) return std::nullopt;
  return TimeValueText(FramesToMillis(*frames, rate));
}

RowValues SwitchRowValues(const RowValues& values, std::string_view toMode, FrameRate rate) {
  const bool toFrame = toMode == kFrameMode;
  const auto convert = [&](const std::string& value) -> std::optional<std::string> {
    if (value.empty()) return std::nullopt;
    return toFrame ? TimeValueToFrames(value, rate) : FrameValueToTime(value, rate);
  };
  std::optional<std::string> start = convert(values.Kezdes);
  std::optional<std::string> end = convert(values.Befejezes);
  if (!start && !end) {
    const std::string zero(ZeroValue(toMode));
    return {zero, zero};
  }
  if (!start) start = end;
  if (!end) end = start;
  return {std::move(*start), std::move(*end)};
}

bool SwitchTimingMode(SubtitleTable& table, std::string_view loadedKind, std::string_view newMode,
                      std::string_view fpsText, const ProgressCallback& progress) {
  if (newMode == loadedKind || (newMode != kFrameMode && newMode != kTimeMode)) return false;
  const auto rate = ParseFrameRate(fpsText);
  if (!rate) return false;
  const std::size_t rows = table.RecordCount();
  PassProgress gauge(rows, progress);
  for (std::size_t i = 0; i < rows; ++i) {
    const SubtitleRow& row = table.At(i);
    const RowValues switched = SwitchRowValues({row.Kezdes, row.Befejezes}, newMode, *rate);
    table.SetKezdesAt(i, switched.Kezdes);
    table.SetBefejezesAt(i, switched.Befejezes);
    gauge.RowDone();
  }
  return true;
}

}  // namespace lumora
