#pragma once
// Which layout a subtitle file is in, recognised from one line, and the line shapes the
// layouts are read by.
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

enum class FormatKind {
  SubFrames,       // "1": {start}{end}text lines, values in frames
  SrtBlocks,       // "2": numbered blocks with HH:MM:SS,mmm --> HH:MM:SS,mmm time lines
  NoneRecognised,  // "3": no line of the file qualifies
  TimeRanges,      // "4": hh:mm:ss.cc,hh:mm:ss.cc blocks with [br] line breaks
};

/// The one-character text of a kind: "1" to "4".
std::string_view ToText(FormatKind kind);

struct DetectedFormat {
  FormatKind kind;
  std::string_view timingMode;  // kFrameMode or kTimeMode
  friend bool operator==(const DetectedFormat&, const DetectedFormat&) = default;
};

/// The layout one line announces: "{" first, a whole number, or a time-range line; nothing for
/// an empty line or any other.
std::optional<DetectedFormat> DetectFormat(std::string_view line);

/// A start and an end value read from a time line.
struct TimePair {
  std::string start;
  std::string end;
};

/// The values of an SRT time line ("00:01:02,003 --> 00:01:04,005"; ":" may stand before the
/// milliseconds); nothing when the line is not one. A value that is not a valid TimeCode
/// (hours 0-23, minutes and seconds 0-59) is given as 00:00:00,000.
std::optional<TimePair> ReadSrtTimeLine(std::string_view line);
/// The same into the caller's room, twelve characters for each value, without a string (left
/// alone when the line is not a time line).
struct SrtTimeValues {
  static constexpr std::size_t kLength = 12;
  char start[kLength];
  char end[kLength];
};
bool ReadSrtTimeLine(std::string_view line, SrtTimeValues& values);

/// True for a time-range line: ":" at 3, 6, 15 and 18, "." at 9 and 21, "," at 12.
bool IsTimeRangeLine(std::string_view line);

/// The values of a time-range line, hundredths turned into milliseconds ("00:00:01.50" gives
/// "00:00:01,500"); the values are not range-checked. Nothing when the line is not one.
std::optional<TimePair> ReadTimeRangeLine(std::string_view line);

/// A text shown in a message in short: its first 9 characters and "...".
std::string ShortenForMessage(std::string_view text);

/// Every "[br]" (lower case) replaced by the line separator "|".
std::string BrToBar(std::string_view text);

}  // namespace lumora
