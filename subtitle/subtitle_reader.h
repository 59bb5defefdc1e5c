#pragma once
// Reading a subtitle file into a SubtitleTable: the layout is recognised from the content, the
// lines are checked as they come, and the read stops at the first line it cannot accept,
// keeping the rows read before it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "subtitle/progress_gauge.h"
#include "subtitle/format_detect.h"
#include "subtitle/message.h"
#include "subtitle/subtitle_table.h"
#include "subtitle/text_encoding.h"

namespace lumora {

struct ReadOptions {
  /// Sorszam of the first row read (the table's row count + 1 when a second disc is merged).
  std::int32_t firstRowNumber = 1;
  /// Merge mode: the file's values are moved so that its first row starts at mergeTarget.
  bool mergeMode = false;
  /// The merge target: a frame number for a SUB file, a TimeCode for an SRT file. A target that
  /// is neither leaves the values as read.
  std::string mergeTarget;
  /// Hears the gauge (0-100) when its value changes.
  ProgressCallback progress;
};

enum class ReadStatus {
  Complete,          // read to the end
  StoppedAtBadLine,  // stopped at a line it could not accept; the rows before it are kept
  NothingRecognised, // no line of the file announces a layout
  Unreadable,        // the file cannot be opened or read; nothing is added
};

struct ReadOutcome {
  ReadStatus status = ReadStatus::NothingRecognised;
  FormatKind kind = FormatKind::NoneRecognised;
  /// The timing mode of the rows read: "Frame", "Time", or "" when nothing was recognised.
  std::string loadedKind;
  TextEncoding encoding = TextEncoding::Windows1250;
  /// The message the window shows for a stop, an unrecognised file or an unreadable one.
  std::optional<Message> message;
  /// The reason of an SRT or time-range stop (the SRT message's second line).
  std::string loadErrorReason;
  /// Rows added to the table (a SUB line cut short adds a row without a number).
  std::size_t rowsRead = 0;
};

/// Reads the file at path and appends its rows to the table (the caller empties it first for a
/// fresh read). Rows are handed over in one go at the end; into an empty table as a reset, so
/// its cursor is on the first row. Nothing is added when the file cannot be read.
ReadOutcome ReadSubtitleFile(const std::string& path, SubtitleTable& table, const ReadOptions& options = {});

/// The same for a file's bytes held in memory.
ReadOutcome ReadSubtitleBytes(std::string_view bytes, SubtitleTable& table, const ReadOptions& options = {});

}  // namespace lumora
