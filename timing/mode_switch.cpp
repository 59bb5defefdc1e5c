#include "timing/mode_switch.h"

#include "subtitle/timing_mode.h"

namespace lumora {

namespace {

struct SwitchedValues {
  ValueText Kezdes;
  ValueText Befejezes;
};

// One row's values in the new mode: `convert` is the value rule towards it, `zero` its zero value.
template <typename Convert>
SwitchedValues Switch(std::string_view kezdes, std::string_view befejezes, const Convert& convert,
                      const ValueText& zero) {
  SwitchedValues switched;
  const bool start = !kezdes.empty() && convert(kezdes, switched.Kezdes);
  const bool end = !befejezes.empty() && convert(befejezes, switched.Befejezes);
  if (!start && !end) {
    switched.Kezdes = zero;
    switched.Befejezes = zero;
  } else if (!start) {
    switched.Kezdes = switched.Befejezes;
  } else if (!end) {
    switched.Befejezes = switched.Kezdes;
  }
  return switched;
}

// Calls run(convert, zero) with the value rule and zero value towards the new mode.
template <typename Run>
auto WithRuleTowards(bool toFrame, FrameRate rate, const Run& run) {
  if (toFrame) {
    const RateScale millisToFrames(kMillisecondRate, rate);
    return run([&](std::string_view v, ValueText& out) { return TimeValueToFrames(v, millisToFrames, out); },
               FrameValueText(0));
  }
  const RateScale framesToMillis(rate, kMillisecondRate);
  return run([&](std::string_view v, ValueText& out) { return FrameValueToTime(v, framesToMillis, out); },
             TimeValueText(0));
}

}  // namespace

RowValues SwitchRowValues(const RowValues& values, std::string_view toMode, FrameRate rate) {
  return WithRuleTowards(toMode == kFrameMode, rate, [&](const auto& convert, const ValueText& zero) {
    const SwitchedValues switched = Switch(values.Kezdes, values.Befejezes, convert, zero);
    return RowValues{switched.Kezdes.Str(), switched.Befejezes.Str()};
  });
}

bool SwitchTimingMode(SubtitleTable& table, std::string_view loadedKind, std::string_view newMode,
                      std::string_view fpsText, const ProgressCallback& progress) {
  if (newMode == loadedKind || (newMode != kFrameMode && newMode != kTimeMode)) return false;
  const auto rate = ParseFrameRate(fpsText);
  if (!rate) return false;
  WithRuleTowards(newMode == kFrameMode, *rate, [&](const auto& convert, const ValueText& zero) {
    const std::size_t rows = table.RecordCount();
    ProgressGauge gauge(static_cast<std::int64_t>(rows), progress);
    for (std::size_t i = 0; i < rows; ++i) {
      const TableRow& row = table.At(i);
      const SwitchedValues switched = Switch(row.Kezdes, row.Befejezes, convert, zero);
      table.SetKezdesAt(i, switched.Kezdes.View());
      table.SetBefejezesAt(i, switched.Befejezes.View());
      gauge.Show(static_cast<std::int64_t>(i + 1));
    }
  });
  return true;
}

}  // namespace lumora
