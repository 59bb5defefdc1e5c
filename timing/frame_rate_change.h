#pragma once
// Rescaling every start and end value from one frame rate to another ("Fps átváltása"),
// keeping the timing mode.
#include <cstdint>
#include <string_view>

#include "subtitle/frame_rate.h"
#include "subtitle/message.h"
#include "subtitle/subtitle_table.h"
#include "subtitle/progress_gauge.h"
#include "timing/timing_values.h"

namespace lumora {

/// A frame value counted at one rate recounted at another (fromTo) into `result`: trunc(value × to ÷ from),
/// exact. "0" stays "0"; no upper limit but the field's twelve digits. False, so the value stays as
/// it is, for an empty text or one not made of digits.
inline bool ConvertFrameValue(std::string_view frameText, const RateScale& fromTo, ValueText& result) {
  const auto frames = ReadFrameValue(frameText);
  if (!frames) return false;
  result.SetFrames(fromTo(*frames));
  return true;
}

/// A time value rescaled by fromTo (to ÷ from) in whole milliseconds, truncated, into `result`; no 24-hour
/// ceiling (at most 99:59:59,999, the largest TimeCode). False, so the value stays as it is, for an
/// empty text or one that is not a TimeCode.
inline bool ConvertTimeValue(std::string_view timeCode, const RateScale& fromTo, ValueText& result) {
  const auto millis = ReadTimeValue(timeCode);
  if (!millis) return false;
  result.SetTime(fromTo(*millis));
  return true;
}

struct FrameRateChangeResult {
  bool converted = false;
  Message message;  // "Az átváltás megtörtént!", or why nothing was done
};

/// Rescales Kezdes and Befejezes of every row from the rate text `fromText` to `toText` in the
/// table's mode (Time, or frames for any other mode). When either rate is empty or unreadable no
/// row changes and the message says so. Linear; the cursor does not move.
FrameRateChangeResult ConvertFrameRate(SubtitleTable& table, std::string_view mode, std::string_view fromText,
                                       std::string_view toText, const ProgressCallback& progress = {});

}  // namespace lumora
