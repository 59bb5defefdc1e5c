#include "timing/mode_switch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editor/test_tables.h"
namespace lumora {
namespace {

TEST(SwitchRowValues, converts_both_ways_by_truncating) {
  struct Case {
    const char* fps;
    RowValues frames;
    RowValues times;
    RowValues framesAgain;
  };
  const Case cases[] = {
      {"25", {"25", "250"}, {"00:00:01,000", "00:00:10,000"}, {"25", "250"}},
      {"23,976", {"24", "239"}, {"00:00:01,001", "00:00:09,968"}, {"23", "238"}},
      {"25", {"1", "26"}, {"00:00:00,040", "00:00:01,040"}, {"1", "26"}},
      {"25", {"0", "0"}, {"00:00:00,000", "00:00:00,000"}, {"0", "0"}},
      {"15", {"999999999999", "1"}, {"99:59:59,999", "00:00:00,066"}, {"5399999", "0"}},
  };
  for (const Case& c : cases) {
    const RowValues times = SwitchRowValues(c.frames, "Time", Rate(c.fps));
    EXPECT_EQ(times, c.times) << c.fps << " " << c.frames.Kezdes;
    EXPECT_EQ(SwitchRowValues(times, "Frame", Rate(c.fps)), c.framesAgain) << c.fps << " " << c.frames.Kezdes;
  }
  EXPECT_EQ(SwitchRowValues({"00:00:00,500", "00:00:01,000"}, "Frame", Rate("25")), (RowValues{"12", "25"}));
  EXPECT_EQ(SwitchRowValues({"00:00:01,000", "00:00:02,000"}, "Frame", Rate("23,976")), (RowValues{"23", "47"}));
}

TEST(SwitchRowValues, fills_empty_or_unreadable_values_from_the_other_one) {
  struct Case {
    RowValues before;
    const char* toMode;
    RowValues after;
  };
  const Case cases[] = {
      {{"", "50"}, "Time", {"00:00:02,000", "00:00:02,000"}},
      {{"50", ""}, "Time", {"00:00:02,000", "00:00:02,000"}},
      {{"", ""}, "Time", {"00:00:00,000", "00:00:00,000"}},
      {{"", ""}, "Frame", {"0", "0"}},
      {{"", "00:00:02,000"}, "Frame", {"50", "50"}},
      {{"abc", "50"}, "Time", {"00:00:02,000", "00:00:02,000"}},
      {{"00:00:02,000", "2 s"}, "Frame", {"50", "50"}},
      {{"x", "y"}, "Frame", {"0", "0"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SwitchRowValues(c.before, c.toMode, Rate("25")), c.after) << c.before.Kezdes << "|" << c.before.Befejezes;
  }
}

TEST(SwitchTimingMode, converts_every_row_and_keeps_numbers_and_texts) {
  SubtitleTable table = TableWith({{1, "25", "50", "egy"}, {2, "", "", "kettő"}, {5, "250", "", "három"}});
  ASSERT_TRUE(SwitchTimingMode(table, "Frame", "Time", "25"));
  EXPECT_EQ(table.CopyRows(), (std::vector<SubtitleRow>{{1, "00:00:01,000", "00:00:02,000", "egy"},
                                                    {2, "00:00:00,000", "00:00:00,000", "kettő"},
                                                    {5, "00:00:10,000", "00:00:10,000", "három"}}));
  ASSERT_TRUE(SwitchTimingMode(table, "Time", "Frame", "25"));
  EXPECT_EQ(table.At(0), (SubtitleRow{1, "25", "50", "egy"}));
}

TEST(SwitchTimingMode, does_nothing_for_the_mode_in_force_an_unknown_mode_or_rate) {
  SubtitleTable table = TableWith({{1, "25", "50", "egy"}});
  const auto rows = table.CopyRows();
  EXPECT_FALSE(SwitchTimingMode(table, "Frame", "Frame", "25"));
  EXPECT_FALSE(SwitchTimingMode(table, "Frame", "frame", "25"));
  EXPECT_FALSE(SwitchTimingMode(table, "Frame", "Time", ""));
  EXPECT_FALSE(SwitchTimingMode(table, "Frame", "Time", "23.976"));
  EXPECT_EQ(table.CopyRows(), rows);
}

}  // namespace
}  // namespace lumora
