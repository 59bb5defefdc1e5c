#include "timing/detailed_shift.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editor/test_tables.h"
namespace lumora {
namespace {

// Twenty Frame rows; row n (1-based) runs from 100·n to 100·n + 50.
SubtitleTable TwentyRows() {
  std::vector<SubtitleRow> rows;
  for (int n = 1; n <= 20; ++n) rows.push_back({n, std::to_string(100 * n), std::to_string(100 * n + 50), ""});
  return TableWith(std::move(rows));
}

// Which rows (1-based) have start and end moved by 25 frames.
std::vector<int> ShiftedRows(const SubtitleTable& table, bool start = true, bool end = true) {
  std::vector<int> shifted;
  for (int n = 1; n <= 20; ++n) {
    const TableRow& row = table.At(n - 1);
    const bool startMoved = row.Kezdes == std::to_string(100 * n + 25);
    const bool endMoved = row.Befejezes == std::to_string(100 * n + 75);
    if (startMoved == start && endMoved == end && (start || end)) shifted.push_back(n);
  }
  return shifted;
}

TEST(ShiftFromCurrentRow, changes_the_run_that_starts_at_the_current_row) {
  struct Case {
    std::size_t currentRow;  // 1-based
    RunDirection direction;
    std::optional<std::size_t> count;
    std::vector<int> rows;
  };
  const Case cases[] = {
      {10, RunDirection::Up, std::nullopt, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {10, RunDirection::Down, 3, {10, 11, 12}},
      {18, RunDirection::Down, 5, {18, 19, 20}},
      {3, RunDirection::Up, 5, {1, 2, 3}},
      {17, RunDirection::Down, std::nullopt, {17, 18, 19, 20}},
      {1, RunDirection::Up, 1, {1}},
  };
  for (const Case& c : cases) {
    SubtitleTable table = TwentyRows();
    table.SetRecNo(c.currentRow);
    const RowRun run{c.currentRow - 1, c.direction, c.count, true, true};
    EXPECT_EQ(ShiftFromCurrentRow(table, run, "Frame", 25, ShiftSign::Add), c.rows.size()) << c.currentRow;
    EXPECT_EQ(ShiftedRows(table), c.rows) << c.currentRow;
    EXPECT_EQ(table.RecNo(), c.currentRow);
  }
}

TEST(ShiftFromCurrentRow, changes_only_the_chosen_values) {
  SubtitleTable table = TwentyRows();
  ShiftFromCurrentRow(table, {4, RunDirection::Down, 2, true, false}, "Frame", 25, ShiftSign::Add);
  EXPECT_EQ(ShiftedRows(table, true, false), (std::vector<int>{5, 6}));
  EXPECT_EQ(table.At(4).Befejezes, "550");

  SubtitleTable neither = TwentyRows();
  ShiftFromCurrentRow(neither, {0, RunDirection::Down, std::nullopt, false, false}, "Frame", 25, ShiftSign::Add);
  EXPECT_EQ(neither.CopyRows(), TwentyRows().CopyRows());
}

TEST(ShiftFromCurrentRow, clamps_times_and_skips_unreadable_values) {
  SubtitleTable table = TableWith({{1, "00:00:05,000", "00:00:08,000", ""}, {2, "", "00:00:20,000", ""}});
  ShiftFromCurrentRow(table, {0, RunDirection::Down, std::nullopt, true, true}, "Time", 10'000, ShiftSign::Subtract);
  EXPECT_EQ(table.At(0), (SubtitleRow{1, "00:00:00,000", "00:00:00,000", ""}));
  EXPECT_EQ(table.At(1), (SubtitleRow{2, "", "00:00:10,000", ""}));
}

TEST(CheckRunShift, runs_every_check_and_collects_the_messages) {
  const RunShiftPlan ok = CheckRunShift("Frame", "25", std::string_view("3"));
  EXPECT_TRUE(ok.Ok());
  EXPECT_EQ(ok.amount, 25);
  EXPECT_EQ(ok.rowCount, 3u);

  const RunShiftPlan all = CheckRunShift("Time", "00:00:02,000", std::nullopt);
  EXPECT_TRUE(all.Ok());
  EXPECT_EQ(all.amount, 2000);
  EXPECT_EQ(all.rowCount, std::nullopt);

  struct Case {
    const char* mode;
    const char* value;
    std::optional<std::string_view> count;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"Frame", "25", "", {"Kérem nagyobb számot üssön be a darabhoz!"}},
      {"Frame", "25", "00", {"Kérem nagyobb számot üssön be a darabhoz!"}},
      {"Frame", "0", "0", {"0-val nem lenne értelme módosítani!", "Kérem nagyobb számot üssön be a darabhoz!"}},
      {"Time", "00:00:00,000", std::nullopt, {"0-val nem lenne értelme módosítani!"}},
      {"Frame", "1x", "2", {"Hiba az értékben!"}},
      {"Time", "0", std::nullopt, {"Hiba az /egyik/ intervallumban!", "0-val nem lenne értelme módosítani!"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines;
    for (const Message& m : CheckRunShift(c.mode, c.value, c.count).messages) lines.push_back(m.line1);
    EXPECT_EQ(lines, c.lines) << c.value;
  }
}

TEST(WholeShiftClosesWindow, closes_only_after_a_nonzero_time_value) {
  const ShiftAllResult shifted{ShiftOutcome::Shifted, {}};
  const ShiftAllResult refused{ShiftOutcome::Refused, {}};
  const ShiftAllResult zero{ShiftOutcome::ZeroValue, {}};
  EXPECT_TRUE(WholeShiftClosesWindow(shifted, "00:00:01,000"));
  EXPECT_TRUE(WholeShiftClosesWindow(refused, "25:00:00,000"));
  EXPECT_FALSE(WholeShiftClosesWindow(zero, "00:00:00,000"));
  EXPECT_FALSE(WholeShiftClosesWindow(shifted, "25"));
  EXPECT_FALSE(WholeShiftClosesWindow(refused, "05"));
}

}  // namespace
}  // namespace lumora
