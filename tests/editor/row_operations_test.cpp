#include "editor/row_operations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editor/test_tables.h"
namespace lumora {
namespace {

std::vector<int> Numbers(const SubtitleTable& table) {
  std::vector<int> numbers;
  for (const TableRow& row : table.Rows()) numbers.push_back(row.Sorszam.value_or(-1));
  return numbers;
}

SubtitleTable ThreeFrameRows() {
  return TableWith({{1, "0", "20", "egy"}, {2, "25", "60", "kettő"}, {3, "70", "90", "három"}});
}

TEST(NewRowValues, follow_the_neighbouring_row) {
  struct Case {
    const char* mode;
    SubtitleRow row;
    RowValues before;
    RowValues after;
  };
  const Case cases[] = {
      {"Frame", {1, "25", "60", ""}, {"15", "25"}, {"60", "70"}},
      {"Frame", {1, "4", "8", ""}, {"0", "4"}, {"8", "18"}},
      {"Frame", {1, "10", "20", ""}, {"0", "10"}, {"20", "30"}},
      {"Frame", {1, "", "", ""}, {"", ""}, {"", ""}},
      {"Frame", {1, "x", "y", ""}, {"", "x"}, {"y", ""}},
      {"Time", {1, "00:01:00,000", "00:01:02,500", ""}, {"00:01:00,000", "00:01:00,000"},
       {"00:01:02,500", "00:01:02,500"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BeforeRowValues(c.row.Kezdes, c.mode), c.before) << c.mode << " " << c.row.Kezdes;
    EXPECT_EQ(AfterRowValues(c.row.Befejezes, c.mode), c.after) << c.mode << " " << c.row.Befejezes;
  }
}

TEST(InsertRow, numbers_the_new_row_from_its_neighbours) {
  SubtitleTable before = ThreeFrameRows();
  before.SetRecNo(2);
  ASSERT_TRUE(InsertRowBefore(before, "Frame", false));
  EXPECT_EQ(before.CurrentIndex(), 1u);
  EXPECT_EQ(before.Current(), (SubtitleRow{1, "15", "25", ""}));
  EXPECT_EQ(Numbers(before), (std::vector<int>{1, 1, 2, 3}));
  RenumberRows(before);
  EXPECT_EQ(Numbers(before), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(before.CurrentIndex(), 1u);

  SubtitleTable after = ThreeFrameRows();
  after.SetRecNo(2);
  ASSERT_TRUE(InsertRowAfter(after, "Frame", false));
  EXPECT_EQ(after.CurrentIndex(), 2u);
  EXPECT_EQ(after.Current(), (SubtitleRow{3, "60", "70", ""}));
  EXPECT_EQ(Numbers(after), (std::vector<int>{1, 2, 3, 3}));
}

TEST(InsertRow, keeps_the_number_at_the_ends_and_between_equal_numbers) {
  SubtitleTable table = ThreeFrameRows();
  table.First();
  InsertRowBefore(table, "Frame", false);  // no previous row: its own number
  EXPECT_EQ(Numbers(table), (std::vector<int>{1, 1, 2, 3}));
  InsertRowAfter(table, "Frame", false);  // the next row has the same number
  EXPECT_EQ(Numbers(table), (std::vector<int>{1, 1, 1, 2, 3}));
  table.Last();
  InsertRowAfter(table, "Frame", false);  // no next row: its own number
  EXPECT_EQ(Numbers(table), (std::vector<int>{1, 1, 1, 2, 3, 3}));
  EXPECT_EQ(table.CurrentIndex(), 5u);
}

TEST(InsertRow, an_empty_row_option_leaves_every_new_row_without_values) {
  SubtitleTable table = ThreeFrameRows();
  table.SetRecNo(2);
  InsertRowBefore(table, "Frame", true);
  EXPECT_EQ(table.Current(), (SubtitleRow{1, "", "", ""}));
  InsertRowAfter(table, "Frame", true);
  EXPECT_EQ(table.Current(), (SubtitleRow{2, "", "", ""}));
  AppendNewRow(table, "Frame", true);
  EXPECT_EQ(table.Current(), (SubtitleRow{4, "", "", ""}));
}

TEST(InsertRow, does_nothing_in_an_empty_table) {
  SubtitleTable table = TableWith({});
  EXPECT_FALSE(InsertRowBefore(table, "Frame", false));
  EXPECT_FALSE(InsertRowAfter(table, "Frame", false));
  EXPECT_EQ(table.RecordCount(), 0u);
}

TEST(AppendNewRow, continues_from_the_last_row_with_zero_for_missing_values) {
  SubtitleTable table = TableWith({{7, "100", "", "a"}, {8, "200", "250", "b"}});
  table.First();
  AppendNewRow(table, "Frame", false);
  EXPECT_EQ(table.CurrentIndex(), 2u);
  EXPECT_EQ(table.Current(), (SubtitleRow{9, "250", "260", ""}));

  SubtitleTable emptyEnd = TableWith({{1, "100", "", "a"}});
  AppendNewRow(emptyEnd, "Frame", false);
  EXPECT_EQ(emptyEnd.Current(), (SubtitleRow{2, "0", "0", ""}));

  SubtitleTable empty = TableWith({});
  AppendNewRow(empty, "Time", false);
  EXPECT_EQ(empty.Current(), (SubtitleRow{1, "00:00:00,000", "00:00:00,000", ""}));
}

TEST(DeleteCurrentRow, moves_to_the_next_row_and_refuses_an_empty_table) {
  SubtitleTable table = ThreeFrameRows();
  table.SetRecNo(2);
  EXPECT_EQ(DeleteCurrentRow(table), std::nullopt);
  EXPECT_EQ(table.Current().Szoveg, "három");
  EXPECT_EQ(DeleteCurrentRow(table), std::nullopt);
  EXPECT_EQ(table.Current().Szoveg, "egy");  // after the last row, the new last row
  EXPECT_EQ(DeleteCurrentRow(table), std::nullopt);
  const auto message = DeleteCurrentRow(table);
  ASSERT_TRUE(message);
  EXPECT_EQ(*message, (Message{"Sor törlése", "info", "Nincs több sor a file-ban, ezért nem tud törölni!", ""}));
}

TEST(CarryEndToNextRow, gives_the_next_row_this_rows_end) {
  SubtitleTable table = ThreeFrameRows();
  table.First();
  ASSERT_TRUE(CarryEndToNextRow(table));
  EXPECT_EQ(table.CurrentIndex(), 1u);
  EXPECT_EQ(table.Current().Kezdes, "20");
  EXPECT_EQ(table.Current().Befejezes, "60");
  table.Last();
  const SubtitleRow last = table.Current().ToRow();
  EXPECT_FALSE(CarryEndToNextRow(table));
  EXPECT_EQ(table.Current(), last);
}

TEST(JumpToRow, goes_by_position_and_renumbers_when_the_number_disagrees) {
  std::vector<SubtitleRow> rows;
  for (int i = 1; i <= 12; ++i) rows.push_back({i, "0", "1", "sor"});
  SubtitleTable table = TableWith(rows);
  ASSERT_TRUE(JumpToRow(table, "9999"));
  EXPECT_EQ(table.RecNo(), 12u);

  table.SetSorszamAt(2, 7);
  table.SetSorszamAt(9, 3);
  ASSERT_TRUE(JumpToRow(table, "4"));  // row 4 is numbered right: nothing renumbered
  EXPECT_EQ(table.At(2).Sorszam, 7);
  ASSERT_TRUE(JumpToRow(table, "10"));
  EXPECT_EQ(table.RecNo(), 10u);
  EXPECT_EQ(table.At(2).Sorszam, 3);
  EXPECT_EQ(table.At(9).Sorszam, 10);

  for (const char* bad : {"", "1a", "-1"}) EXPECT_FALSE(JumpToRow(table, bad)) << bad;
  SubtitleTable empty = TableWith({});
  EXPECT_FALSE(JumpToRow(empty, "1"));
}

TEST(RowClipboard, cut_and_paste_moves_a_text_to_another_row) {
  SubtitleTable table = ThreeFrameRows();
  std::string clipboard;
  table.First();
  ASSERT_TRUE(CutRowText(table, clipboard));
  EXPECT_EQ(clipboard, "egy");
  EXPECT_EQ(table.Current().Szoveg, "");
  table.Last();
  ASSERT_TRUE(PasteRowText(table, clipboard));
  EXPECT_EQ(table.Current().Szoveg, "egy");

  table.SetRecNo(2);
  ASSERT_TRUE(CopyRowText(table, clipboard));
  EXPECT_EQ(clipboard, "kettő");
  EXPECT_EQ(table.Current().Szoveg, "kettő");
}

TEST(RowClipboard, nothing_is_cut_copied_or_pasted_in_an_empty_table) {
  SubtitleTable table = TableWith({});
  std::string clipboard = "megmarad";
  EXPECT_FALSE(CutRowText(table, clipboard));
  EXPECT_FALSE(CopyRowText(table, clipboard));
  EXPECT_FALSE(PasteRowText(table, clipboard));
  EXPECT_EQ(clipboard, "megmarad");
  EXPECT_EQ(table.RecordCount(), 0u);
}

}  // namespace
}  // namespace lumora
