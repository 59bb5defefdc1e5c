#pragma once
// Writing the editor's table as an SRT or a SUB file, in the encoding its file came in, with
// CR LF line ends. The file is replaced safely (see safe_file.h): a failed save changes nothing.
#include <functional>
#include <optional>
#include <string>

#include "subtitle/progress_gauge.h"
#include "subtitle/message.h"
#include "subtitle/subtitle_table.h"
#include "subtitle/text_encoding.h"

namespace lumora {

struct WriteOutcome {
  bool ok = false;
  /// For a failure: "Írásvédett file!" / "hiba" / "Írásvédett a következő file: <name>" /
  /// "A kért mentés nem sikerült!".
  std::optional<Message> message;
  /// For a failure: the system's reason in Hungarian words (for lumora-cli; the window shows
  /// the message above).
  std::string reason;
};

/// SRT: for each row with both values, numbered 1, 2, 3... over the rows written: the number, the
/// time line, the text split at "|" (an empty text gives one empty line, a "|" at the very end
/// adds none), an empty line. On success each written row's Sorszam becomes its number (rows
/// left out keep theirs) and the cursor goes to the first row; the table's listeners are not told
/// of the new numbers. A failure leaves the table as it was.
WriteOutcome WriteSrtFile(const std::string& path, SubtitleTable& table,
                          TextEncoding encoding = TextEncoding::Windows1250, ProgressCallback progress = {});

/// SUB: "{start}{end}text" for each row with both values, "|" kept. On success every row's
/// Sorszam, written or not, becomes its position (1, 2, 3...), as for WriteSrtFile otherwise.
WriteOutcome WriteSubFile(const std::string& path, SubtitleTable& table,
                          TextEncoding encoding = TextEncoding::Windows1250, ProgressCallback progress = {});

}  // namespace lumora
