#pragma once
// What both subtitle writers share: encoded, buffered output to a safely replaced file, the
// gauge, and the failure message.
#include <functional>
#include <string>
#include <string_view>

#include "subtitle/progress_gauge.h"
#include "subtitle/safe_file.h"
#include "subtitle/subtitle_table.h"
#include "subtitle/subtitle_writer.h"
#include "subtitle/text_encoding.h"

namespace lumora {

class SubtitleOutput {
 public:
  SubtitleOutput(const std::string& path, TextEncoding encoding);

  /// Creates the file and writes the byte-order mark of the encoding.
  bool Open();
  /// Appends UTF-8 text in the file's encoding.
  void Text(std::string_view utf8) { AppendEncoded(buffer_, utf8, encoding_); }
  /// Appends text known to be ASCII (numbers, " --> ", braces): no character needs encoding
  /// except in UTF-16.
  void Ascii(std::string_view ascii) {
    if (utf16_) {
      AppendEncoded(buffer_, ascii, encoding_);
    } else {
      buffer_.append(ascii);
    }
  }
  /// Ends a line with CR LF, sending full buffers on to the file.
  void EndLine();
  /// Sends the rest and puts the file in place. False when any step failed.
  bool Finish();

  /// The outcome of a failed save of this file.
  WriteOutcome Failure() const;

 private:
  bool Flush();

  std::string path_;
  TextEncoding encoding_;
  SafeFileWriter file_;
  std::string buffer_;
  bool utf16_;
  bool failed_ = false;
};

/// Writes each row that has both values with writeRow(row, index), showing progress; true
/// when every byte went out. The caller renumbers after a success.
bool WriteRows(SubtitleOutput& output, const SubtitleTable& table, const std::function<void(int)>& progress,
               const std::function<void(const SubtitleRow&)>& writeRow);

/// The success outcome: the cursor goes back to the first row.
WriteOutcome Saved(SubtitleTable& table);

}  // namespace lumora
