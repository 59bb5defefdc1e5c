#pragma once
// Time values: the 12-character TimeCode "HH:MM:SS,mmm" and whole milliseconds.
// All arithmetic is done on whole milliseconds, so no value loses a millisecond or a
// second to floating point.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

using Millis = std::int64_t;

inline constexpr std::string_view kZeroTimeCode = "00:00:00,000";
inline constexpr std::string_view kDayEndTimeCode = "24:00:00,000";
inline constexpr Millis kMillisPerDay = 86'400'000;
inline constexpr std::size_t kTimeCodeLength = 12;

/// Milliseconds of a TimeCode, read from its digit positions (separators are not looked at);
/// nothing when the text is shorter than 12 characters or a digit position holds a non-digit.
std::optional<Millis> TimeCodeToMillis(std::string_view timeCode);

/// Seconds of a TimeCode (milliseconds as the fraction); nothing as for TimeCodeToMillis.
std::optional<double> TimeCodeToSeconds(std::string_view timeCode);

/// TimeCode of a non-negative number of milliseconds; hours past 99 are written in full.
std::string MillisToTimeCode(Millis millis);

/// TimeCode of a non-negative number of seconds, taken from the value's decimal text with
/// 15 significant digits: the milliseconds are the first three fraction digits, cut, never rounded
/// (1.04 gives 040, 2.3 gives 300). A negative value gives the zero TimeCode.
std::string SecondsToTimeCode(double seconds);

/// TimeCode of a film position in seconds, the milliseconds taken from the binary fraction
/// (so 2.3 s gives 00:00:02,299); used for the film panel's position display.
std::string SecondsToTimeCodeMs(double seconds);

/// The three millisecond digits of SecondsToTimeCodeMs.
std::string SecondsToMillisText(double seconds);

/// The TimeCode moved earlier by offsetMillis (a negative offset moves it later), clamped to
/// 00:00:00,000 and 24:00:00,000; nothing when the value is not a TimeCode.
std::optional<std::string> OffsetTimeValue(std::string_view timeCode, Millis offsetMillis);

}  // namespace lumora
