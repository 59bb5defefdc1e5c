#pragma once
// The in-memory subtitle table: ordered rows and a current-row cursor, with the operations
// the windows use, and notifications for the grid and the current-row fields.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "subtitle/large_blocks.h"
#include "subtitle/subtitle_row.h"
#include "subtitle/text_store.h"

namespace lumora {

/// Listens to a table. The "about to" calls come before the change, the others after it.
class TableObserver {
 public:
  virtual ~TableObserver() = default;
  virtual void CurrentRowMoved() {}
  virtual void CurrentRowValuesChanged() {}
  virtual void RowAboutToBeInserted(std::size_t /*index*/) {}
  virtual void RowInserted(std::size_t /*index*/) {}
  virtual void RowAboutToBeRemoved(std::size_t /*index*/) {}
  virtual void RowRemoved(std::size_t /*index*/) {}
  virtual void TableAboutToBeReset() {}
  virtual void TableReset() {}
};

/// Widths of the table's text fields, in characters.
struct TableShape {
  std::size_t valueWidth = 12;
  std::size_t textWidth = 150;
  bool hasSorszam = true;

  static TableShape Editor() { return {12, 150, true}; }
  static TableShape Translation() { return {12, 73, false}; }
};

using RowVector = std::vector<TableRow, LargeBlockAllocator<TableRow>>;

class SubtitleTable {
 public:
  explicit SubtitleTable(TableShape shape = TableShape::Editor());
  /// A copy has the rows, the cursor and the shape, not the observers.
  SubtitleTable(const SubtitleTable& other);
  SubtitleTable& operator=(const SubtitleTable& other);
  SubtitleTable(SubtitleTable&&) = default;
  SubtitleTable& operator=(SubtitleTable&&) = default;

  const TableShape& Shape() const { return shape_; }

  // Opening and emptying.
  bool IsOpen() const { return open_; }
  void Create();
  void Empty();

  // Rows and the cursor. The cursor is -1 only in an empty table.
  std::size_t RecordCount() const { return rows_.size(); }
  bool IsEmpty() const { return rows_.empty(); }
  /// 1-based position of the current row; 0 in an empty table.
  std::size_t RecNo() const { return rows_.empty() ? 0 : current_ + 1; }
  /// Moves to the 1-based position (clamped to the table).
  void SetRecNo(std::size_t recNo);
  std::size_t CurrentIndex() const { return current_; }
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  void First();
  void Last();
  void Next();
  void Prior();

  /// Adds an empty row at the end and makes it current.
  void Append();
  /// Adds an empty row before the current one (at the end of an empty table) and makes it current.
  void Insert();
  /// Removes the current row; the next row, or the new last row, becomes current.
  void Delete();
  /// Begins changing the current row. Kept for symmetry with Post; the setters below store at once.
  void Edit() {}
  /// Ends a change of the current row and tells the observers.
  void Post();

  // The current row.
  const TableRow& Current() const { return rows_.at(current_); }
  void SetSorszam(std::optional<std::int32_t> value);
  void SetKezdes(std::string_view value);
  void SetBefejezes(std::string_view value);
  void SetSzoveg(std::string_view value);

  /// A field of the current row by name, ignoring case ("sorszam", "KEZDES"...); empty for an
  /// unknown name or a row without a number.
  std::string FieldText(std::string_view name) const;
  /// Stores a field of the current row by name, cut to its width; false for an unknown name or a
  /// Sorszam that is not a whole number.
  bool SetFieldText(std::string_view name, std::string_view value);
  std::optional<std::int32_t> FieldInt(std::string_view name) const;

  // Direct access by 0-based index, for bulk passes. These do not notify: a pass runs with the
  // grid detached and the owner refreshes when it ends.
  const TableRow& At(std::size_t index) const { return rows_.at(index); }
  const RowVector& Rows() const { return rows_; }
  void SetKezdesAt(std::size_t index, std::string_view value);
  void SetBefejezesAt(std::size_t index, std::string_view value);
  void SetSzovegAt(std::size_t index, std::string_view value);
  void SetSorszamAt(std::size_t index, std::optional<std::int32_t> value);
  /// Appends a whole row at the end without moving the cursor (values cut to their widths).
  void AppendRow(const SubtitleRow& row);
  /// Replaces every row at once (values cut); the cursor goes to the first row.
  void ReplaceRows(const std::vector<SubtitleRow>& rows);
  void Reserve(std::size_t rows) { rows_.reserve(rows); }
  /// Takes the rows a reader made, their texts in `texts`, as they are (already cut): they
  /// replace an empty table's rows (a reset, as ReplaceRows) or follow the rows it has.
  void TakeRows(RowVector rows, TextStore texts);
  /// Every row as values of their own.
  std::vector<SubtitleRow> CopyRows() const;

  void AddObserver(TableObserver* observer);
  void RemoveObserver(TableObserver* observer);

 private:
  std::string_view CutValue(std::string_view value) const;
  std::string_view CutText(std::string_view value) const;
  TableRow StoredRow(const SubtitleRow& row);
  void MoveTo(std::size_t index);
  template <typename F>
  void Notify(F&& f) {
    for (TableObserver* o : observers_) f(*o);
  }

  TableShape shape_;
  RowVector rows_;
  TextStore texts_;
  std::size_t current_ = 0;
  bool open_ = false;
  bool eof_ = true;
  bool bof_ = true;
  std::vector<TableObserver*> observers_;
};

}  // namespace lumora
