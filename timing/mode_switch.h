#pragma once
// Switching a table between frame numbers (Frame) and TimeCodes (Time) at a frame rate.
#include <string_view>

#include "editor/row_values.h"
#include "subtitle/frame_rate.h"
#include "subtitle/subtitle_table.h"
#include "subtitle/progress_gauge.h"
#include "timing/timing_values.h"

namespace lumora {

/// Frame number of a time value into `result`: whole frames of its milliseconds at the rate
/// (millisToFrames = RateScale(kMillisecondRate, rate)),
/// truncated; "" and 00:00:00,000 give "0". False for a text that is not a TimeCode.
inline bool TimeValueToFrames(std::string_view timeCode, const RateScale& millisToFrames, ValueText& result) {
  if (timeCode.empty()) {
    result.SetFrames(0);
    return true;
  }
  const auto millis = ReadTimeValue(timeCode);
  if (!millis) return false;
  result.SetFrames(millisToFrames(*millis));
  return true;
}

/// TimeCode of a frame value into `result`: frames ÷ rate in whole milliseconds, truncated
/// (framesToMillis = RateScale(rate, kMillisecondRate); at
/// most 99:59:59,999). False for an empty text or one not made of digits.
inline bool FrameValueToTime(std::string_view frameText, const RateScale& framesToMillis, ValueText& result) {
  const auto frames = ReadFrameValue(frameText);
  if (!frames) return false;
  result.SetTime(framesToMillis(*frames));
  return true;
}

/// A row's values in the other mode (toMode "Frame" or "Time"). A value that is empty, or cannot
/// be read in the mode being left, takes the other value's conversion; when neither can be read
/// both become the new mode's zero. So no value is empty afterwards.
RowValues SwitchRowValues(const RowValues& values, std::string_view toMode, FrameRate rate);

/// Converts every row to newMode at the rate of fpsText ("23,976"). Does nothing and returns false
/// when newMode equals loadedKind, is neither "Frame" nor "Time", or the rate cannot be read.
/// Linear; the cursor does not move.
bool SwitchTimingMode(SubtitleTable& table, std::string_view loadedKind, std::string_view newMode,
                      std::string_view fpsText, const ProgressCallback& progress = {});

}  // namespace lumora
