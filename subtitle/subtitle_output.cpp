#include "subtitle/subtitle_output.h"

#include "subtitle/row_text.h"
#include "subtitle/system_error_text.h"

namespace lumora {

namespace {
constexpr std::size_t kBufferSize = 256 * 1024;
}

SubtitleOutput::SubtitleOutput(const std::string& path, TextEncoding encoding)
    : path_(path),
      encoding_(encoding),
      file_(path),
      buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)),
      capacity_(kBufferSize),
      utf16_(encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE) {}

bool SubtitleOutput::Open() {
  if (!file_.Open()) {
    failed_ = true;
    return false;
  }
  const std::string_view mark = ByteOrderMark(encoding_);
  std::memcpy(Room(mark.size()), mark.data(), mark.size());
  used_ += mark.size();
  return true;
}

void SubtitleOutput::MakeRoom(std::size_t bytes) {
  Flush();
  if (bytes > capacity_) {
    // A piece longer than the whole buffer (a table with very wide texts).
    buffer_ = std::make_unique_for_overwrite<char[]>(bytes);
    capacity_ = bytes;
  }
}

bool SubtitleOutput::Flush() {
  if (!failed_ && !file_.Write(std::string_view(buffer_.get(), used_))) failed_ = true;
  used_ = 0;
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

WriteOutcome Saved(SubtitleTable& table) {
  table.First();
  return WriteOutcome{true, std::nullopt, {}};
}

}  // namespace lumora
