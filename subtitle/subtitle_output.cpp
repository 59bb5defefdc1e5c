#include "subtitle/subtitle_output.h"

#include "subtitle/row_text.h"
#include "subtitle/system_error_text.h"

namespace lumora {

namespace {
constexpr std::size_t kFlushAt = 256 * 1024;
}

SubtitleOutput::SubtitleOutput(const std::string& path, TextEncoding encoding)
    : path_(path),
      encoding_(encoding),
      file_(path),
      utf16_(encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE) {
  buffer_.reserve(kFlushAt + 4096);
}

bool SubtitleOutput::Open() {
  if (!file_.Open()) {
    failed_ = true;
    return false;
  }
  buffer_.append(ByteOrderMark(encoding_));
  return true;
}

void SubtitleOutput::EndLine() {
  Ascii("\r\n");
  if (buffer_.size() >= kFlushAt) Flush();
}

bool SubtitleOutput::Flush() {
  if (!failed_ && !file_.Write(buffer_)) failed_ = true;
  buffer_.clear();
  return !failed_;
}

bool SubtitleOutput::Finish() { return Flush() && file_.Commit(); }

WriteOutcome SubtitleOutput::Failure() const {
  WriteOutcome outcome;
  outcome.message = Message{"Írásvédett file!", "hiba", "Írásvédett a következő file: " + ExtractNameOnly(path_),
                            "A kért mentés nem sikerült!"};
  outcome.reason = SystemErrorText(file_.Error());
  return outcome;
}

bool WriteRows(SubtitleOutput& output, const SubtitleTable& table, const std::function<void(int)>& progress,
               const std::function<void(const SubtitleRow&)>& writeRow) {
  if (!output.Open()) return false;
  const auto& rows = table.Rows();
  ProgressGauge gauge(static_cast<std::int64_t>(rows.size()), progress);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SubtitleRow& row = rows[i];
    if (!row.Kezdes.empty() && !row.Befejezes.empty()) writeRow(row);
    gauge.Show(static_cast<std::int64_t>(i + 1));
  }
  return output.Finish();
}

WriteOutcome Saved(SubtitleTable& table) {
  table.First();
  return WriteOutcome{true, std::nullopt, {}};
}

}  // namespace lumora
