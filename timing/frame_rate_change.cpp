#include "timing/frame_rate_change.h"

#include "subtitle/timing_mode.h"
#include "timing/value_pass.h"

namespace lumora {

FrameRateChangeResult ConvertFrameRate(SubtitleTable& table, std::string_view mode, std::string_view fromText,
                                       std::string_view toText, const ProgressCallback& progress) {
  const auto from = ParseFrameRate(fromText);
  const auto to = ParseFrameRate(toText);
  if (!from || !to) {
    return {false, {"FPS módosítás", "info", "Nem történt átváltás: válasszon FPS értéket mindkét listából!", ""}};
  }
  const ValueRun everyRow{0, table.RecordCount(), false, true, true};
  const RateScale fromTo(*from, *to);
  if (mode == kTimeMode) {
    ApplyToValues(table, everyRow, progress, [&](std::string_view v, ValueText& out) { return ConvertTimeValue(v, fromTo, out); });
  } else {
    ApplyToValues(table, everyRow, progress, [&](std::string_view v, ValueText& out) { return ConvertFrameValue(v, fromTo, out); });
  }
  return {true, {"FPS módosítás", "info", "Az átváltás megtörtént!", ""}};
}

}  // namespace lumora
