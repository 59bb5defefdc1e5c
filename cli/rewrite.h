#pragma once
// What the commands that write a new file share: a read that must reach the end of the file,
// and a save in the layout of the timing mode, under a name that fits it.
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "subtitle/subtitle_reader.h"

namespace lumora::cli {

/// The exit status of a read: 0 complete, 3 stopped at a bad line, 4 nothing recognised, 1 unreadable.
int ExitStatusOf(ReadStatus status);

struct Rewrite {
  SubtitleTable table;
  std::string mode;  // "Frame" or "Time", as read or converted
  TextEncoding encoding = TextEncoding::Windows1250;

  /// Reads the file as the editor does. Anything short of a complete read prints the message and
  /// gives the exit status; kDone otherwise.
  int Read(const std::string& path, Streams streams);
  /// Saves the table in the layout of its mode, in the encoding it came in, when the name fits the
  /// mode; the exit status.
  int Write(const std::string& path, Streams streams);
};

}  // namespace lumora::cli
