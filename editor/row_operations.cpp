#include "editor/row_operations.h"

#include <cstdint>
#include <limits>

#include "subtitle/frame_rate.h"
#include "subtitle/timing_mode.h"

namespace lumora {

namespace {

constexpr Frames kInsertGap = 10;  // frames between a new row and its neighbour in Frame mode

// A row without a number counts as 0, as an unset integer field reads.
std::int32_t NumberOf(const TableRow& row) { return row.Sorszam.value_or(0); }

std::int32_t Following(std::int32_t number) {
  return number == std::numeric_limits<std::int32_t>::max() ? number : number + 1;
}

void StoreNewRow(SubtitleTable& table, std::int32_t number, const RowValues& values) {
  table.SetSorszam(number);
  table.SetKezdes(values.Kezdes);
  table.SetBefejezes(values.Befejezes);
  table.Post();
}

}  // namespace

RowValues BeforeRowValues(std::string_view kezdes, std::string_view mode) {
  const std::string value(kezdes);
  if (mode == kTimeMode) return {value, value};
  const auto start = ParseFrameNumber(kezdes);
  if (!start) return {"", value};
  return {std::to_string(*start > kInsertGap ? *start - kInsertGap : 0), value};
}

RowValues AfterRowValues(std::string_view befejezes, std::string_view mode) {
  const std::string value(befejezes);
  if (mode == kTimeMode) return {value, value};
  const auto end = ParseFrameNumber(befejezes);
  if (!end) return {value, ""};
  return {value, std::to_string(*end + kInsertGap)};
}

void AppendNewRow(SubtitleTable& table, std::string_view mode, bool emptyValues) {
  std::int32_t number = 1;
  RowValues values;
  if (!table.IsEmpty()) {
    table.Last();
    number = Following(NumberOf(table.Current()));
    if (!emptyValues) values = AfterRowValues(table.Current().Befejezes, mode);
  }
  if (!emptyValues) {
    if (values.Kezdes.empty()) values.Kezdes = ZeroValue(mode);
    if (values.Befejezes.empty()) values.Befejezes = ZeroValue(mode);
  }
  table.Append();
  StoreNewRow(table, number, values);
}

bool InsertRowBefore(SubtitleTable& table, std::string_view mode, bool emptyValues) {
  if (table.IsEmpty()) return false;
  const std::size_t index = table.CurrentIndex();
  const std::int32_t current = NumberOf(table.At(index));
  const std::int32_t previous = index == 0 ? current : NumberOf(table.At(index - 1));
  const std::int32_t number = previous != current && current > 1 ? current - 1 : current;
  const RowValues values = emptyValues ? RowValues{} : BeforeRowValues(table.At(index).Kezdes, mode);
  table.Insert();
  StoreNewRow(table, number, values);
  return true;
}

bool InsertRowAfter(SubtitleTable& table, std::string_view mode, bool emptyValues) {
  if (table.IsEmpty()) return false;
  const std::size_t index = table.CurrentIndex();
  const bool onLast = index + 1 == table.RecordCount();
  const std::int32_t current = NumberOf(table.At(index));
  const std::int32_t next = onLast ? current : NumberOf(table.At(index + 1));
  const std::int32_t number = next != current ? Following(current) : current;
  const RowValues values = emptyValues ? RowValues{} : AfterRowValues(table.At(index).Befejezes, mode);
  if (onLast) {
    table.Append();
  } else {
    table.Next();
    table.Insert();
  }
  StoreNewRow(table, number, values);
  return true;
}

std::optional<Message> DeleteCurrentRow(SubtitleTable& table) {
  if (table.IsEmpty()) {
    return Message{"Sor törlése", "info", "Nincs több sor a file-ban, ezért nem tud törölni!", ""};
  }
  table.Delete();
  return std::nullopt;
}

void RenumberRows(SubtitleTable& table) {
  const std::size_t count = table.RecordCount();
  for (std::size_t i = 0; i < count; ++i) table.SetSorszamAt(i, static_cast<std::int32_t>(i + 1));
}

bool CarryEndToNextRow(SubtitleTable& table) {
  if (table.IsEmpty() || table.CurrentIndex() + 1 >= table.RecordCount()) return false;
  const std::string end = table.Current().Befejezes.str();
  table.Next();
  table.SetKezdes(end);
  table.Post();
  return true;
}

bool JumpToRow(SubtitleTable& table, std::string_view positionText) {
  const auto position = ParseFrameNumber(positionText);
  if (!position || table.IsEmpty()) return false;
  table.SetRecNo(static_cast<std::size_t>(*position));
  const auto wanted = static_cast<std::int32_t>(table.RecNo());
  if (table.Current().Sorszam != wanted) RenumberRows(table);
  return true;
}

bool CutRowText(SubtitleTable& table, std::string& rowClipboard) {
  if (table.IsEmpty()) return false;
  rowClipboard = table.Current().Szoveg;
  table.SetSzoveg("");
  table.Post();
  return true;
}

bool CopyRowText(const SubtitleTable& table, std::string& rowClipboard) {
  if (table.IsEmpty()) return false;
  rowClipboard = table.Current().Szoveg;
  return true;
}

bool PasteRowText(SubtitleTable& table, std::string_view rowClipboard) {
  if (table.IsEmpty()) return false;
  table.SetSzoveg(rowClipboard);
  table.Post();
  return true;
}

}  // namespace lumora
