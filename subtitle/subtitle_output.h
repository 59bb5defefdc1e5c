#pragma once
// What both subtitle writers share: encoded, buffered output to a safely replaced file, the
// gauge, and the failure message.
#include <cstring>
#include <functional>
#include <memory>
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
  /// Writes UTF-8 text in the file's encoding.
  void Text(std::string_view utf8) {
    // Values and many text lines are ASCII, which only UTF-16 changes.
    if (!utf16_ && IsAscii(utf8)) return Copy(utf8);
    used_ += EncodeText(utf8, encoding_, Room(kMaxEncodedBytesPerByte * utf8.size()));
  }
  /// Writes UTF-8 text in the file's encoding, each "|" ending a line.
  void TextLines(std::string_view utf8) {
    used_ += EncodeTextLines(utf8, encoding_, Room(kMaxEncodedBytesPerByte * utf8.size()));
  }
  /// Writes text known to be ASCII (numbers, " --> ", braces).
  void Ascii(std::string_view ascii) {
    if (utf16_) return Text(ascii);
    Copy(ascii);
  }
  /// Ends a line with CR LF.
  void EndLine() { Ascii("\r\n"); }
  /// Sends the rest and puts the file in place. False when any step failed.
  bool Finish();

  /// The outcome of a failed save of this file.
  WriteOutcome Failure() const;

 private:
  /// Where the next `bytes` bytes go; a full buffer is sent on to the file first. The pieces are
  /// written straight into the buffer, so a row costs no string appends.
  char* Room(std::size_t bytes) {
    if (capacity_ - used_ < bytes) MakeRoom(bytes);
    return buffer_.get() + used_;
  }
  void MakeRoom(std::size_t bytes);
  void Copy(std::string_view bytes) {
    if (bytes.empty()) return;  // an empty text of a row may have no bytes at all
    std::memcpy(Room(bytes.size()), bytes.data(), bytes.size());
    used_ += bytes.size();
  }
  bool Flush();

  std::string path_;
  TextEncoding encoding_;
  SafeFileWriter file_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_;
  std::size_t used_ = 0;
  bool utf16_;
  bool failed_ = false;
};

/// Writes each row that has both values with writeRow(row), showing progress; true when every
/// byte went out. The caller renumbers after a success.
template <typename WriteRow>
bool WriteRows(SubtitleOutput& output, const SubtitleTable& table, const ProgressCallback& progress,
               WriteRow&& writeRow) {
  if (!output.Open()) return false;
  const auto& rows = table.Rows();
  ProgressGauge gauge(static_cast<std::int64_t>(rows.size()), progress);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TableRow& row = rows[i];
    if (!row.Kezdes.empty() && !row.Befejezes.empty()) writeRow(row);
    gauge.Show(static_cast<std::int64_t>(i + 1));
  }
  return output.Finish();
}

/// The success outcome: the cursor goes back to the first row.
WriteOutcome Saved(SubtitleTable& table);

}  // namespace lumora
