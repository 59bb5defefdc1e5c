#pragma once
// The grid's view of a SubtitleTable. While the grid is detached the model stays silent, so a
// bulk pass over 100,000 rows sends no signal per row; attaching resets it once.
#include <QAbstractTableModel>
#include <functional>

#include "editor/row_display.h"
#include "subtitle/subtitle_table.h"

namespace lumora {

class SubtitleTableModel : public QAbstractTableModel, private TableObserver {
  Q_OBJECT

 public:
  SubtitleTableModel(SubtitleTable& table, QObject* parent);
  ~SubtitleTableModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  /// The background colour rule of a row (the window's colouring options).
  void SetRowColouring(std::function<RowColour(const TableRow&)> colouring) { colouring_ = std::move(colouring); }

  /// Detached: no signals until Attach, which resets the model to the table as it is then.
  void Detach() { attached_ = false; }
  void Attach();
  bool IsAttached() const { return attached_; }

 signals:
  /// The table's cursor moved to this 0-based row.
  void CursorMoved(int row);

 private:
  void CurrentRowMoved() override;
  void CurrentRowValuesChanged() override;
  void RowAboutToBeInserted(std::size_t index) override;
  void RowInserted(std::size_t index) override;
  void RowAboutToBeRemoved(std::size_t index) override;
  void RowRemoved(std::size_t index) override;
  void TableAboutToBeReset() override;
  void TableReset() override;

  SubtitleTable& table_;
  std::function<RowColour(const TableRow&)> colouring_;
  bool attached_ = true;
  int indicatorRow_ = -1;
};

}  // namespace lumora
