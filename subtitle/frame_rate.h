#pragma once
// Frame rates as exact decimals ("23,976" is 23976/1000) and the frame <-> time conversions.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "subtitle/timecode.h"

namespace lumora {

using Frames = std::int64_t;

/// An exact frame rate: numerator / denominator frames per second (denominator a power of ten).
struct FrameRate {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;
  friend bool operator==(const FrameRate&, const FrameRate&) = default;
};

/// The frame rates offered by the program, in this order.
inline constexpr std::array<std::string_view, 7> kFpsChoices = {"15",  "20",     "23,976", "24",
                                                                "25",  "29,976", "30"};

/// The exact value of a rate text with a decimal comma ("29,976"); nothing for any other text
/// or a rate of zero. At most six fraction digits are taken.
std::optional<FrameRate> ParseFrameRate(std::string_view text);

/// Whole frames of a time: frames = milliseconds x rate / 1000, truncated toward zero.
Frames MillisToFrames(Millis millis, FrameRate rate);

/// Whole milliseconds of a frame count: frames / rate, truncated toward zero.
Millis FramesToMillis(Frames frames, FrameRate rate);

/// Frame-number text of a TimeCode at the rate: "" and the zero TimeCode give "0";
/// nothing when the text is not a TimeCode.
std::optional<std::string> TimeCodeToFrameText(std::string_view timeCode, FrameRate rate);

/// Reads a frame-number text made of decimal digits only (no sign, no blanks); nothing for
/// anything else or a value beyond 64 bits.
std::optional<Frames> ParseFrameNumber(std::string_view text);

}  // namespace lumora
