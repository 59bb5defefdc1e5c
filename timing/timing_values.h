#pragma once
// Start and end values as the timing passes read and write them: whole milliseconds and whole
// frames, exact, formatted without temporary strings so a pass over many rows stays cheap.
#include <optional>
#include <string>
#include <string_view>

#include "subtitle/frame_rate.h"
#include "subtitle/timecode.h"

namespace lumora {

/// The largest value a 12-character field holds: 99:59:59,999 and twelve nines.
inline constexpr Millis kLargestTimeValue = 99 * 3'600'000LL + 59 * 60'000 + 59'999;
inline constexpr Frames kLargestFrameValue = 999'999'999'999LL;

/// Milliseconds of a stored time value: a TimeCode of exactly 12 characters with its separators
/// in place (hours 00-99); nothing for an empty or malformed text.
std::optional<Millis> ReadTimeValue(std::string_view text);

/// TimeCode of a number of milliseconds, clamped to 00:00:00,000 … 99:59:59,999.
std::string TimeValueText(Millis millis);

/// Decimal text of a frame count, clamped to 0 … kLargestFrameValue.
std::string FrameValueText(Frames frames);

}  // namespace lumora
