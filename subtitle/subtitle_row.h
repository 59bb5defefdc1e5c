#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "subtitle/stored_value.h"

namespace lumora {

/// One subtitle entry as a value of its own (a row on the clipboard, rows handed to a table).
/// Sorszam is empty for a row that has no number (a SUB line cut short).
struct SubtitleRow {
  std::optional<std::int32_t> Sorszam;
  std::string Kezdes;     // start: a TimeCode or a frame number, at most 12 characters
  std::string Befejezes;  // end, same form
  std::string Szoveg;     // text, lines joined by "|"

  friend bool operator==(const SubtitleRow&, const SubtitleRow&) = default;
};

/// One entry as a table keeps it (in 56 bytes). The text lives in the table's text store: the
/// view stays valid until the row's text is set again or the table is emptied, like a reference
/// into a container.
struct TableRow {
  TableRow() = default;
  TableRow(TableRow&&) = default;
  TableRow& operator=(TableRow&&) = default;
  // A copy would share the text's room with its original: use ToRow.
  TableRow(const TableRow&) = delete;
  TableRow& operator=(const TableRow&) = delete;

  std::optional<std::int32_t> Sorszam;
  StoredValue Kezdes;
  StoredValue Befejezes;
  std::string_view Szoveg;

  /// The row as a value of its own.
  SubtitleRow ToRow() const { return {Sorszam, Kezdes.str(), Befejezes.str(), std::string(Szoveg)}; }

  friend bool operator==(const TableRow& a, const SubtitleRow& b) {
    return a.Sorszam == b.Sorszam && a.Kezdes == b.Kezdes && a.Befejezes == b.Befejezes && a.Szoveg == b.Szoveg;
  }
};

}  // namespace lumora
