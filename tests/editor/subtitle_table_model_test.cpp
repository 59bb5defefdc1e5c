#include "editor/subtitle_table_model.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(SubtitleTableModel, keeps_the_item_model_contract_through_edits) {
  SubtitleTable table;
  table.Create();
  SubtitleTableModel model(table, nullptr);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  for (int i = 1; i <= 3; ++i) {
    table.Append();
    table.SetSorszam(i);
    table.SetSzoveg("sor");
    table.Post();
  }
  table.SetRecNo(2);
  table.Insert();
  table.Delete();
  table.Last();
  table.Delete();
  EXPECT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.index(1, 0).data().toInt(), 2);
  EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Sorszám");

  // Detached: rows come and go silently; attaching shows the table as it is then.
  model.Detach();
  table.Append();
  table.Append();
  model.Attach();
  EXPECT_EQ(model.rowCount(), 4);
  table.Empty();
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace lumora
