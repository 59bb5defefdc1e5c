#pragma once
// The editor's row operations on its table: new rows with their values and numbers, delete,
// renumber, the "G" button, the jump, and cut/copy/paste of a row text through the program's
// own row clipboard. Each works on the table's current row and leaves the cursor where the
// editor expects it; the window refreshes its fields afterwards.
#include <optional>
#include <string>
#include <string_view>

#include "editor/row_values.h"
#include "subtitle/message.h"
#include "subtitle/subtitle_row.h"
#include "subtitle/subtitle_table.h"

namespace lumora {

/// Values of a row inserted before a row that starts at `kezdes`. Time mode: both are kezdes.
/// Frame mode: start is kezdes − 10 frames, at least "0"; end is kezdes. A start that cannot be
/// computed (kezdes empty or not a whole number) is empty.
RowValues BeforeRowValues(std::string_view kezdes, std::string_view mode);

/// Values of a row inserted or appended after a row that ends at `befejezes`. Time mode: both are
/// befejezes. Frame mode: start is befejezes, end is befejezes + 10 frames, or empty when
/// befejezes is not a whole number.
RowValues AfterRowValues(std::string_view befejezes, std::string_view mode);

/// Appends a row after the last one and makes it current. Number: the last row's + 1 (1 in an
/// empty table). Values: empty when emptyValues ("Beszúráskor: üres sor") is ticked, otherwise
/// AfterRowValues of the last row with any empty value replaced by the mode's zero.
void AppendNewRow(SubtitleTable& table, std::string_view mode, bool emptyValues);

/// Inserts a row in front of the current one and makes it current; its number is n − 1 when the
/// previous row's number differs from the current n and n > 1, otherwise n. Values: empty or
/// BeforeRowValues. False, and nothing done, in an empty table.
bool InsertRowBefore(SubtitleTable& table, std::string_view mode, bool emptyValues);

/// Inserts a row behind the current one and makes it current; its number is n + 1 when the next
/// row's number differs from the current n, otherwise n (also behind the last row). Values:
/// empty or AfterRowValues. False, and nothing done, in an empty table.
bool InsertRowAfter(SubtitleTable& table, std::string_view mode, bool emptyValues);

/// Deletes the current row; the next row, or the new last row, becomes current. In an empty
/// table nothing happens and the "Sor törlése" message is returned.
std::optional<Message> DeleteCurrentRow(SubtitleTable& table);

/// Numbers every row 1, 2, 3, … in table order, in one linear pass; the cursor does not move.
void RenumberRows(SubtitleTable& table);

/// The "G" button: the next row's Kezdes becomes the current row's Befejezes and the next row
/// becomes current. On the last row, or in an empty table, nothing changes and it returns false.
bool CarryEndToNextRow(SubtitleTable& table);

/// The jump: makes position n current (1-based; beyond the last row the last row, 0 the first)
/// and renumbers the table when that row's number is not n. False, and nothing done, for a text
/// that is not made of digits only or an empty table.
bool JumpToRow(SubtitleTable& table, std::string_view positionText);

/// Cut: the current row's text goes to the row clipboard and the row's text is emptied.
/// False, with the clipboard untouched, in an empty table.
bool CutRowText(SubtitleTable& table, std::string& rowClipboard);

/// Copy: the current row's text goes to the row clipboard. False in an empty table.
bool CopyRowText(const SubtitleTable& table, std::string& rowClipboard);

/// Paste: the clipboard replaces the current row's whole text (cut to the text width).
/// False, and nothing stored, in an empty table.
bool PasteRowText(SubtitleTable& table, std::string_view rowClipboard);

}  // namespace lumora
