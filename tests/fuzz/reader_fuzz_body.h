#pragma once
// One input for the reader: read as a subtitle file, checked, and written back through both
// writers. Shared by the fuzz target and the test that replays its corpus.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "subtitle/subtitle_reader.h"
#include "subtitle/subtitle_writer.h"
#include "subtitle/text_encoding.h"
#include "subtitle/utf8.h"

namespace lumora::fuzz {

inline bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const int length = Utf8SequenceLength(text, i);
    if (length <= 0) return false;
    i += static_cast<std::size_t>(length);
  }
  return true;
}

/// Reads the bytes (in merge mode when the first byte is odd); aborts when a row breaks the
/// table's rules: a value over 12 or a text over 150 characters, or text that is not UTF-8.
inline void ReadOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  SubtitleTable table;
  ReadOptions options;
  if (size > 0 && (data[0] & 1) != 0) {
    options.mergeMode = true;
    options.firstRowNumber = 5;
    options.mergeTarget = (data[0] & 2) != 0 ? "00:01:00,000" : "100";
  }
  const ReadOutcome outcome = ReadSubtitleBytes(bytes, table, options);
  if (outcome.rowsRead != table.RecordCount()) std::abort();
  if ((outcome.status == ReadStatus::NothingRecognised) != (outcome.kind == FormatKind::NoneRecognised)) std::abort();
  for (const TableRow& row : table.Rows()) {
    for (const std::string_view field : {std::string_view(row.Kezdes), std::string_view(row.Befejezes), row.Szoveg}) {
      if (!IsValidUtf8(field)) std::abort();
    }
    if (CountChars(row.Kezdes) > 12 || CountChars(row.Befejezes) > 12 || CountChars(row.Szoveg) > 150) std::abort();
  }
  // /dev/null is written directly, so the writers' formatting and encoding run without a disk.
  if (!WriteSrtFile("/dev/null", table, outcome.encoding).ok) std::abort();
  if (!WriteSubFile("/dev/null", table, outcome.encoding).ok) std::abort();
}

}  // namespace lumora::fuzz
