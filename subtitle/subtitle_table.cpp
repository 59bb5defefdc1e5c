#include "subtitle/subtitle_table.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "subtitle/utf8.h"

namespace lumora {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

enum class Field { Sorszam, Kezdes, Befejezes, Szoveg, Unknown };

Field FieldByName(std::string_view name, bool hasSorszam) {
  if (hasSorszam && EqualsIgnoringCase(name, "Sorszam")) return Field::Sorszam;
  if (EqualsIgnoringCase(name, "Kezdes")) return Field::Kezdes;
  if (EqualsIgnoringCase(name, "Befejezes")) return Field::Befejezes;
  if (EqualsIgnoringCase(name, "Szoveg")) return Field::Szoveg;
  return Field::Unknown;
}

}  // namespace

SubtitleTable::SubtitleTable(TableShape shape) : shape_(shape) {}

SubtitleTable::SubtitleTable(const SubtitleTable& other)
    : shape_(other.shape_), current_(other.current_), open_(other.open_), eof_(other.eof_), bof_(other.bof_) {
  rows_.reserve(other.rows_.size());
  std::size_t textRoom = 0;
  for (const TableRow& row : other.rows_) textRoom += TextStore::RoomFor(row.Szoveg.size());
  texts_.Reserve(textRoom);  // one block for every text
  for (const TableRow& row : other.rows_) {
    TableRow& copy = rows_.emplace_back();
    copy.Sorszam = row.Sorszam;
    copy.Kezdes.Set(row.Kezdes, texts_);
    copy.Befejezes.Set(row.Befejezes, texts_);
    copy.Szoveg = texts_.Add(row.Szoveg);
  }
}

SubtitleTable& SubtitleTable::operator=(const SubtitleTable& other) {
  if (this != &other) {
    std::vector<TableObserver*> observers = std::move(observers_);
    *this = SubtitleTable(other);
    observers_ = std::move(observers);
  }
  return *this;
}

void SubtitleTable::Create() {
  open_ = true;
  Empty();
}

void SubtitleTable::Empty() {
  Notify([](TableObserver& o) { o.TableAboutToBeReset(); });
  RowVector().swap(rows_);  // an emptied big table gives its memory back
  texts_.Clear();
  current_ = 0;
  eof_ = bof_ = true;
  Notify([](TableObserver& o) { o.TableReset(); });
  Notify([](TableObserver& o) { o.CurrentRowMoved(); });
}

void SubtitleTable::MoveTo(std::size_t index) {
  eof_ = bof_ = false;
  if (rows_.empty()) {
    eof_ = bof_ = true;
    return;
  }
  const std::size_t target = std::min(index, rows_.size() - 1);
  const bool moved = target != current_;
  current_ = target;
  if (moved) Notify([](TableObserver& o) { o.CurrentRowMoved(); });
}

void SubtitleTable::SetRecNo(std::size_t recNo) { MoveTo(recNo == 0 ? 0 : recNo - 1); }

void SubtitleTable::First() {
  MoveTo(0);
  bof_ = true;
}

void SubtitleTable::Last() {
  MoveTo(rows_.empty() ? 0 : rows_.size() - 1);
  eof_ = true;
}

void SubtitleTable::Next() {
  if (rows_.empty() || current_ + 1 >= rows_.size()) {
    eof_ = true;
    return;
  }
  MoveTo(current_ + 1);
}

void SubtitleTable::Prior() {
  if (rows_.empty() || current_ == 0) {
    bof_ = true;
    return;
  }
  MoveTo(current_ - 1);
}

void SubtitleTable::Append() {
  const std::size_t index = rows_.size();
  Notify([&](TableObserver& o) { o.RowAboutToBeInserted(index); });
  rows_.emplace_back();
  current_ = index;
  eof_ = bof_ = false;
  Notify([&](TableObserver& o) { o.RowInserted(index); });
  Notify([](TableObserver& o) { o.CurrentRowMoved(); });
}

void SubtitleTable::Insert() {
  const std::size_t index = rows_.empty() ? 0 : current_;
  Notify([&](TableObserver& o) { o.RowAboutToBeInserted(index); });
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(index), TableRow{});
  current_ = index;
  eof_ = bof_ = false;
  Notify([&](TableObserver& o) { o.RowInserted(index); });
  Notify([](TableObserver& o) { o.CurrentRowMoved(); });
}

void SubtitleTable::Delete() {
  if (rows_.empty()) return;
  const std::size_t index = current_;
  Notify([&](TableObserver& o) { o.RowAboutToBeRemoved(index); });
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
  if (current_ >= rows_.size() && !rows_.empty()) current_ = rows_.size() - 1;
  if (rows_.empty()) {
    current_ = 0;
    eof_ = bof_ = true;
  }
  Notify([&](TableObserver& o) { o.RowRemoved(index); });
  Notify([](TableObserver& o) { o.CurrentRowMoved(); });
}

void SubtitleTable::Post() {
  if (rows_.empty()) return;
  Notify([](TableObserver& o) { o.CurrentRowValuesChanged(); });
}

std::string_view SubtitleTable::CutValue(std::string_view value) const { return LeadingChars(value, shape_.valueWidth); }
std::string_view SubtitleTable::CutText(std::string_view value) const { return LeadingChars(value, shape_.textWidth); }

TableRow SubtitleTable::StoredRow(const SubtitleRow& row) {
  TableRow stored;
  if (shape_.hasSorszam) stored.Sorszam = row.Sorszam;
  stored.Kezdes.Set(CutValue(row.Kezdes), texts_);
  stored.Befejezes.Set(CutValue(row.Befejezes), texts_);
  stored.Szoveg = texts_.Add(CutText(row.Szoveg));
  return stored;
}

void SubtitleTable::SetSorszam(std::optional<std::int32_t> value) { SetSorszamAt(current_, value); }
void SubtitleTable::SetKezdes(std::string_view value) { SetKezdesAt(current_, value); }
void SubtitleTable::SetBefejezes(std::string_view value) { SetBefejezesAt(current_, value); }
void SubtitleTable::SetSzoveg(std::string_view value) { SetSzovegAt(current_, value); }

void SubtitleTable::SetSorszamAt(std::size_t index, std::optional<std::int32_t> value) {
  if (shape_.hasSorszam) rows_.at(index).Sorszam = value;
}
void SubtitleTable::SetKezdesAt(std::size_t index, std::string_view value) {
  rows_.at(index).Kezdes.Set(CutValue(value), texts_);
}
void SubtitleTable::SetBefejezesAt(std::size_t index, std::string_view value) {
  rows_.at(index).Befejezes.Set(CutValue(value), texts_);
}
void SubtitleTable::SetSzovegAt(std::size_t index, std::string_view value) {
  TableRow& row = rows_.at(index);
  row.Szoveg = texts_.Replace(row.Szoveg, CutText(value));
}

std::string SubtitleTable::FieldText(std::string_view name) const {
  if (rows_.empty()) return {};
  const TableRow& row = Current();
  switch (FieldByName(name, shape_.hasSorszam)) {
    case Field::Sorszam: return row.Sorszam ? std::to_string(*row.Sorszam) : std::string();
    case Field::Kezdes: return row.Kezdes.str();
    case Field::Befejezes: return row.Befejezes.str();
    case Field::Szoveg: return std::string(row.Szoveg);
    case Field::Unknown: break;
  }
  return {};
}

std::optional<std::int32_t> SubtitleTable::FieldInt(std::string_view name) const {
  const std::string text = FieldText(name);
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool SubtitleTable::SetFieldText(std::string_view name, std::string_view value) {
  if (rows_.empty()) return false;
  switch (FieldByName(name, shape_.hasSorszam)) {
    case Field::Sorszam: {
      if (value.empty()) {
        SetSorszam(std::nullopt);
        return true;
      }
      std::int32_t number = 0;
      const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
      if (ec != std::errc() || end != value.data() + value.size()) return false;
      SetSorszam(number);
      return true;
    }
    case Field::Kezdes: SetKezdes(value); return true;
    case Field::Befejezes: SetBefejezes(value); return true;
    case Field::Szoveg: SetSzoveg(value); return true;
    case Field::Unknown: break;
  }
  return false;
}

void SubtitleTable::AppendRow(const SubtitleRow& row) {
  rows_.push_back(StoredRow(row));
  if (rows_.size() == 1) {
    current_ = 0;
    eof_ = bof_ = false;
  }
}

void SubtitleTable::ReplaceRows(const std::vector<SubtitleRow>& rows) {
  Notify([](TableObserver& o) { o.TableAboutToBeReset(); });
  RowVector().swap(rows_);
  texts_.Clear();
  rows_.reserve(rows.size());
  for (const SubtitleRow& row : rows) rows_.push_back(StoredRow(row));
  current_ = 0;
  eof_ = bof_ = rows_.empty();
  Notify([](TableObserver& o) { o.TableReset(); });
  Notify([](TableObserver& o) { o.CurrentRowMoved(); });
}

void SubtitleTable::TakeRows(RowVector rows, TextStore texts) {
  if (!rows_.empty()) {
    rows_.reserve(rows_.size() + rows.size());
    std::move(rows.begin(), rows.end(), std::back_inserter(rows_));
    texts_.Adopt(std::move(texts));
    return;
  }
  Notify([](TableObserver& o) { o.TableAboutToBeReset(); });
  rows_ = std::move(rows);
  texts_ = std::move(texts);
  current_ = 0;
  eof_ = bof_ = rows_.empty();
  Notify([](TableObserver& o) { o.TableReset(); });
  Notify([](TableObserver& o) { o.CurrentRowMoved(); });
}

std::vector<SubtitleRow> SubtitleTable::CopyRows() const {
  std::vector<SubtitleRow> copies;
  copies.reserve(rows_.size());
  for (const TableRow& row : rows_) copies.push_back(row.ToRow());
  return copies;
}

void SubtitleTable::AddObserver(TableObserver* observer) { observers_.push_back(observer); }

void SubtitleTable::RemoveObserver(TableObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace lumora
