#pragma once
// Moving start and end values earlier or later: the value rules, the check of a typed shift
// value, and the pass over the whole table ("Módosítás").
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "subtitle/frame_rate.h"
#include "subtitle/message.h"
#include "subtitle/subtitle_table.h"
#include "subtitle/timecode.h"
#include "subtitle/progress_gauge.h"
#include "timing/timing_values.h"

namespace lumora {

enum class ShiftSign { Add, Subtract };

/// The sign box's rule: "+" adds, any other text subtracts.
ShiftSign ShiftSignOf(std::string_view text);

/// The largest frame value a shift leaves: a result of seven or more digits becomes this.
inline constexpr Frames kLargestShiftedFrame = 999'999;

/// A frame value moved by `amount` frames into `result`: below 0 gives "0", above 999999 gives
/// "999999". False, so the value stays as it is, when the text is empty or not made of digits.
inline bool ShiftFrameValue(std::string_view frameText, Frames amount, ShiftSign sign, ValueText& result) {
  const auto value = ReadFrameValue(frameText);
  if (!value) return false;
  result.SetFrames(std::min(sign == ShiftSign::Add ? *value + amount : *value - amount, kLargestShiftedFrame));
  return true;
}

/// A TimeCode moved by `amount` milliseconds, exactly, into `result`: below 0 gives 00:00:00,000,
/// 24 hours or more gives 24:00:00,000. False, so the value stays as it is, when the text is not
/// a TimeCode.
inline bool ShiftTimeValue(std::string_view timeCode, Millis amount, ShiftSign sign, ValueText& result) {
  const auto value = ReadTimeValue(timeCode);
  if (!value) return false;
  result.SetTime(std::min(sign == ShiftSign::Add ? *value + amount : *value - amount, kMillisPerDay));
  return true;
}

/// A typed shift value after its check: the amount in frames (Frame mode) or milliseconds (Time
/// mode), or the check's message.
struct ShiftAmount {
  CheckResult check;
  std::int64_t amount = 0;
};

/// Time mode: CheckTimeCode. Any other mode counts frames: CheckFrameValue, then the text must be
/// made of digits only and fit a 32-bit number, or it is refused with "Hiba az értékben!".
ShiftAmount CheckShiftValue(std::string_view mode, std::string_view valueText);

/// The "Felhívás" notice for a zero shift value.
Message ZeroShiftMessage();

enum class ShiftOutcome { Refused, ZeroValue, Shifted };

struct ShiftAllResult {
  ShiftOutcome outcome = ShiftOutcome::Refused;
  Message message;  // the check's message (Refused) or the zero-value notice (ZeroValue)

  /// True when the value passed its check but was zero, so no row changed.
  bool NotShifted() const { return outcome == ShiftOutcome::ZeroValue; }
};

/// Shifts Kezdes and Befejezes of every row by the typed value with the sign box's text.
/// A refused value or a zero value changes no row. Empty or malformed row values stay as they are.
/// Linear; the cursor does not move (the window goes to the first row afterwards).
ShiftAllResult ShiftAllRows(SubtitleTable& table, std::string_view mode, std::string_view valueText,
                            std::string_view signText, const ProgressCallback& progress = {});

}  // namespace lumora
