#include "editor/subtitle_table_model.h"

#include <QColor>

#include "shell/qt_text.h"

namespace lumora {

namespace {
enum Column { kSorszam, kKezdes, kBefejezes, kSzoveg, kColumnCount };
}

SubtitleTableModel::SubtitleTableModel(SubtitleTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
  table_.AddObserver(this);
}

SubtitleTableModel::~SubtitleTableModel() { table_.RemoveObserver(this); }

int SubtitleTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.RecordCount());
}

int SubtitleTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant SubtitleTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= table_.RecordCount()) return {};
  const TableRow& row = table_.At(static_cast<std::size_t>(index.row()));
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case kSorszam: return row.Sorszam ? QVariant(*row.Sorszam) : QVariant(QString());
      case kKezdes: return ToQt(row.Kezdes);
      case kBefejezes: return ToQt(row.Befejezes);
      case kSzoveg: return ToQt(row.Szoveg);
    }
  }
  if (role == Qt::BackgroundRole && colouring_) {
    switch (colouring_(row)) {
      case RowColour::Red: return QColor(Qt::red);
      case RowColour::Green: return QColor(Qt::green);
      case RowColour::Normal: break;
    }
  }
  return {};
}

QVariant SubtitleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section == indicatorRow_ ? QStringLiteral("▶") : QString();
  static const char* const kTitles[kColumnCount] = {"Sorszám", "Kezdés", "Befejezés", "Szöveg"};
  return section >= 0 && section < kColumnCount ? QString::fromUtf8(kTitles[section]) : QVariant();
}

void SubtitleTableModel::Attach() {
  attached_ = true;
  beginResetModel();
  indicatorRow_ = table_.IsEmpty() ? -1 : static_cast<int>(table_.CurrentIndex());
  endResetModel();
}

void SubtitleTableModel::CurrentRowMoved() {
  if (!attached_) return;
  const int previous = indicatorRow_;
  indicatorRow_ = table_.IsEmpty() ? -1 : static_cast<int>(table_.CurrentIndex());
  if (previous >= 0 && previous < rowCount()) emit headerDataChanged(Qt::Vertical, previous, previous);
  if (indicatorRow_ >= 0) emit headerDataChanged(Qt::Vertical, indicatorRow_, indicatorRow_);
  emit CursorMoved(indicatorRow_);
}

void SubtitleTableModel::CurrentRowValuesChanged() {
  if (!attached_ || table_.IsEmpty()) return;
  const int row = static_cast<int>(table_.CurrentIndex());
  emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void SubtitleTableModel::RowAboutToBeInserted(std::size_t i) {
  if (attached_) beginInsertRows({}, static_cast<int>(i), static_cast<int>(i));
}

void SubtitleTableModel::RowInserted(std::size_t) {
  if (attached_) endInsertRows();
}

void SubtitleTableModel::RowAboutToBeRemoved(std::size_t i) {
  if (attached_) beginRemoveRows({}, static_cast<int>(i), static_cast<int>(i));
}

void SubtitleTableModel::RowRemoved(std::size_t) {
  if (attached_) endRemoveRows();
}

void SubtitleTableModel::TableAboutToBeReset() {
  if (attached_) beginResetModel();
}

void SubtitleTableModel::TableReset() {
  if (!attached_) return;
  indicatorRow_ = -1;
  endResetModel();
}

}  // namespace lumora
