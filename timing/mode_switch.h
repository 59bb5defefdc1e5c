#pragma once
// Switching a table between frame numbers (Frame) and TimeCodes (Time) at a frame rate.
#include <optional>
#include <string>
#include <string_view>

#include "editor/row_values.h"
#include "subtitle/frame_rate.h"
#include "subtitle/subtitle_table.h"
#include "timing/progress_gauge.h"

namespace lumora {

/// Frame number of a time value: whole frames of its milliseconds at the rate, truncated; ""
/// and 00:00:00,000 give "0". Nothing for a text that is not a TimeCode.
std::optional<std::string> TimeValueToFrames(std::string_view timeCode, FrameRate rate);

/// TimeCode of a frame value: frames ÷ rate in whole milliseconds, truncated (at most
/// 99:59:59,999). Nothing for an empty text or one not made of digits.
std::optional<std::string> FrameValueToTime(std::string_view frameText, FrameRate rate);

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
