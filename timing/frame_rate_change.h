#pragma once
// Rescaling every start and end value from one frame rate to another ("Fps átváltása"),
// keeping the timing mode.
#include <optional>
#include <string>
#include <string_view>

#include "subtitle/frame_rate.h"
#include "subtitle/message.h"
#include "subtitle/subtitle_table.h"
#include "timing/progress_gauge.h"

namespace lumora {

/// A frame value counted at `from` recounted at `to`: trunc(value × to ÷ from), exact. "0" stays
/// "0"; no upper limit but the field's twelve digits. Nothing, so the value stays as it is, for an
/// empty text or one not made of digits.
std::optional<std::string> ConvertFrameValue(std::string_view frameText, FrameRate from, FrameRate to);

/// A time value rescaled by to ÷ from in whole milliseconds, truncated; no 24-hour ceiling (at most
/// 99:59:59,999, the largest TimeCode). Nothing, so the value stays as it is, for an empty text or
/// one that is not a TimeCode.
std::optional<std::string> ConvertTimeValue(std::string_view timeCode, FrameRate from, FrameRate to);

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
