#include "subtitle/subtitle_output.h"
#include "subtitle/subtitle_writer.h"

namespace lumora {

WriteOutcome WriteSubFile(const std::string& path, SubtitleTable& table, TextEncoding encoding,
                          ProgressCallback progress) {
  SubtitleOutput out(path, encoding);
  const bool ok = WriteRows(out, table, progress, [&](const TableRow& row) {
    out.Ascii("{");
    out.Text(row.Kezdes);
    out.Ascii("}{");
    out.Text(row.Befejezes);
    out.Ascii("}");
    out.Text(row.Szoveg);
    out.EndLine();
  });
  if (!ok) return out.Failure();
  for (std::size_t i = 0; i < table.RecordCount(); ++i) table.SetSorszamAt(i, static_cast<std::int32_t>(i + 1));
  return Saved(table);
}

}  // namespace lumora
