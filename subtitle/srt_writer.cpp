#include <charconv>

#include "subtitle/row_text.h"
#include "subtitle/subtitle_output.h"
#include "subtitle/subtitle_writer.h"

namespace lumora {

WriteOutcome WriteSrtFile(const std::string& path, SubtitleTable& table, TextEncoding encoding,
                          ProgressCallback progress) {
  SubtitleOutput out(path, encoding);
  std::int32_t number = 0;
  const bool ok = WriteRows(out, table, progress, [&](const TableRow& row) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, ++number);
    out.Ascii(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
    out.EndLine();
    out.Text(row.Kezdes);
    out.Ascii(" --> ");
    out.Text(row.Befejezes);
    out.EndLine();
    // One line per "|"-separated part; a "|" at the very end starts no further line.
    out.TextLines(row.Szoveg);
    if (row.Szoveg.empty() || row.Szoveg.back() != kLineSeparator) out.EndLine();
    out.EndLine();
  });
  if (!ok) return out.Failure();
  number = 0;
  for (std::size_t i = 0; i < table.RecordCount(); ++i) {
    const TableRow& row = table.At(i);
    if (!row.Kezdes.empty() && !row.Befejezes.empty()) table.SetSorszamAt(i, ++number);
  }
  return Saved(table);
}

}  // namespace lumora
