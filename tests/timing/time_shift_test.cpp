#include "timing/time_shift.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editor/test_tables.h"
namespace lumora {
namespace {

TEST(ShiftFrameValue, clamps_to_zero_and_six_digits) {
  struct Case {
    const char* value;
    Frames amount;
    ShiftSign sign;
    std::optional<std::string> result;
  };
  const Case cases[] = {
      {"50", 100, ShiftSign::Subtract, "0"},          {"120", 100, ShiftSign::Subtract, "20"},
      {"999990", 5, ShiftSign::Add, "999995"},        {"999999", 5, ShiftSign::Add, "999999"},
      {"0", 7, ShiftSign::Add, "7"},                  {"1500000", 1, ShiftSign::Subtract, "999999"},
      {"", 5, ShiftSign::Add, std::nullopt},          {"12a", 5, ShiftSign::Add, std::nullopt},
      {"00:00:01,000", 5, ShiftSign::Add, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TextOf([&](ValueText& t) { return ShiftFrameValue(c.value, c.amount, c.sign, t); }), c.result) << c.value;
}

TEST(ShiftTimeValue, moves_by_whole_milliseconds_within_the_day) {
  struct Case {
    const char* value;
    const char* amount;
    ShiftSign sign;
    std::optional<std::string> result;
  };
  const Case cases[] = {
      {"00:00:03,000", "00:00:05,000", ShiftSign::Subtract, "00:00:00,000"},
      {"00:00:04,500", "00:00:05,000", ShiftSign::Subtract, "00:00:00,000"},
      {"01:00:00,000", "23:59:59,999", ShiftSign::Add, "24:00:00,000"},
      {"23:59:59,000", "00:00:01,000", ShiftSign::Add, "24:00:00,000"},
      {"23:59:58,999", "00:00:01,000", ShiftSign::Add, "23:59:59,999"},
      {"00:59:59,000", "00:00:01,500", ShiftSign::Add, "01:00:00,500"},
      // 2.688 + 0.312 is 2.9999999999999996 in binary floating point; here it is 3 seconds.
      {"00:00:02,688", "00:00:00,312", ShiftSign::Add, "00:00:03,000"},
      {"00:00:16,400", "00:00:00,001", ShiftSign::Subtract, "00:00:16,399"},
      {"30:00:00,000", "00:00:01,000", ShiftSign::Subtract, "24:00:00,000"},
      {"", "00:00:01,000", ShiftSign::Add, std::nullopt},
      {"00:00:01.000", "00:00:01,000", ShiftSign::Add, std::nullopt},
      {"0:00:01,000", "00:00:01,000", ShiftSign::Add, std::nullopt},
      {"00:0a:01,000", "00:00:01,000", ShiftSign::Add, std::nullopt},
      {"00:00:01,00x", "00:00:01,000", ShiftSign::Add, std::nullopt},
      {"00;00:01,000", "00:00:01,000", ShiftSign::Add, std::nullopt},
      {"00:00:01,000 ", "00:00:01,000", ShiftSign::Add, std::nullopt},
      {"99:59:59,999", "00:00:00,001", ShiftSign::Subtract, "24:00:00,000"},
  };
  for (const Case& c : cases) {
    const Millis amount = *TimeCodeToMillis(c.amount);
    EXPECT_EQ(TextOf([&](ValueText& t) { return ShiftTimeValue(c.value, amount, c.sign, t); }), c.result)
        << c.value << " " << c.amount;
  }
}

TEST(CheckShiftValue, refuses_what_is_not_a_usable_amount) {
  struct Case {
    const char* mode;
    const char* text;
    const char* line1;  // "" when accepted
    std::int64_t amount;
  };
  const Case cases[] = {
      {"Frame", "25", "", 25},
      {"Frame", "2147483647", "", 2147483647},
      {"Frame", "05", "Hiba az értékben!", 0},
      {"Frame", "", "Hiba az értékben! Nem ütött be semmit!", 0},
      {"Frame", "12a", "Hiba az értékben!", 0},
      {"Frame", "-5", "Hiba az értékben!", 0},
      {"Frame", "2147483648", "Hiba az értékben!", 0},
      {"Time", "00:00:01,500", "", 1500},
      {"Time", "24:00:00,000", "Túl nagy időt ütött be!", 0},
      {"Time", "00:00:01", "Hiba az /egyik/ intervallumban!", 0},
  };
  for (const Case& c : cases) {
    const ShiftAmount value = CheckShiftValue(c.mode, c.text);
    EXPECT_EQ(value.check.ok, std::string(c.line1).empty()) << c.text;
    EXPECT_EQ(value.check.message.line1, c.line1) << c.text;
    EXPECT_EQ(value.amount, c.amount) << c.text;
  }
  const ShiftAmount notWhole = CheckShiftValue("Frame", "1,5");
  EXPECT_EQ(notWhole.check.message, (Message{"Hiba!", "hiba", "Hiba az értékben!", "Üss be egy egész számot!"}));
}

TEST(ShiftAllRows, shifts_every_readable_value_and_leaves_the_rest) {
  SubtitleTable table = TableWith({{1, "50", "120", "egy"}, {2, "", "300", "kettő"}, {3, "abc", "999990", "három"}});
  table.SetRecNo(2);
  const ShiftAllResult result = ShiftAllRows(table, "Frame", "100", "-");
  EXPECT_EQ(result.outcome, ShiftOutcome::Shifted);
  EXPECT_FALSE(result.NotShifted());
  EXPECT_EQ(table.CopyRows(), (std::vector<SubtitleRow>{
                              {1, "0", "20", "egy"}, {2, "", "200", "kettő"}, {3, "abc", "999890", "három"}}));
  EXPECT_EQ(table.RecNo(), 2u);

  SubtitleTable times = TableWith({{1, "00:59:59,000", "01:00:00,000", "x"}});
  EXPECT_EQ(ShiftAllRows(times, "Time", "00:00:01,500", "+").outcome, ShiftOutcome::Shifted);
  EXPECT_EQ(times.At(0), (SubtitleRow{1, "01:00:00,500", "01:00:01,500", "x"}));
}

TEST(ShiftAllRows, a_zero_or_refused_value_changes_no_row) {
  const std::vector<SubtitleRow> rows = {{1, "50", "120", "egy"}, {2, "00:00:01,000", "00:00:02,000", "kettő"}};
  struct Case {
    const char* mode;
    const char* value;
    ShiftOutcome outcome;
    bool notShifted;
    const char* line1;
  };
  const Case cases[] = {
      {"Frame", "0", ShiftOutcome::ZeroValue, true, "0-val nem lenne értelme módosítani!"},
      {"Time", "00:00:00,000", ShiftOutcome::ZeroValue, true, "0-val nem lenne értelme módosítani!"},
      {"Frame", "05", ShiftOutcome::Refused, false, "Hiba az értékben!"},
      {"Frame", "99999999999", ShiftOutcome::Refused, false, "Hiba az értékben!"},
      {"Time", "24:00:00,000", ShiftOutcome::Refused, false, "Túl nagy időt ütött be!"},
  };
  for (const Case& c : cases) {
    SubtitleTable table = TableWith(rows);
    const ShiftAllResult result = ShiftAllRows(table, c.mode, c.value, "+");
    EXPECT_EQ(result.outcome, c.outcome) << c.value;
    EXPECT_EQ(result.NotShifted(), c.notShifted) << c.value;
    EXPECT_EQ(result.message.line1, c.line1) << c.value;
    EXPECT_EQ(table.CopyRows(), rows) << c.value;
  }
  SubtitleTable table = TableWith(rows);
  EXPECT_EQ(ShiftAllRows(table, "Frame", "0", "+").message,
            (Message{"Felhívás", "info", "0-val nem lenne értelme módosítani!", ""}));
}

TEST(ShiftAllRows, moves_the_gauge_once_per_hundredth_of_the_rows) {
  std::vector<SubtitleRow> rows(250, SubtitleRow{1, "10", "20", ""});
  SubtitleTable table = TableWith(rows);
  std::vector<int> shown;
  ShiftAllRows(table, "Frame", "1", "+", [&](int gauge) { shown.push_back(gauge); });
  ASSERT_EQ(shown.size(), 100u);  // 250 rows: divisor 2, values 1 … 125 shown as 1 … 100
  EXPECT_EQ(shown.front(), 1);
  EXPECT_EQ(shown.back(), 100);
  for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_EQ(shown[i], shown[i - 1] + 1);

  SubtitleTable small = TableWith(std::vector<SubtitleRow>(99, SubtitleRow{1, "10", "20", ""}));
  shown.clear();
  ShiftAllRows(small, "Frame", "1", "+", [&](int gauge) { shown.push_back(gauge); });
  EXPECT_TRUE(shown.empty());  // fewer than 100 rows: the gauge stays at 0
}

}  // namespace
}  // namespace lumora
