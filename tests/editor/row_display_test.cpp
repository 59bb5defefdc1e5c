#include "editor/row_display.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/row_values.h"

namespace lumora {
namespace {

TEST(CounterLabel, adds_up_the_lines_of_a_row_text) {
  struct Case {
    const char* text;
    const char* label;
  };
  for (const Case& c : {Case{"abc|de", "3+2=5 betű"}, Case{"abc|", "3+0=3 betű"}, Case{"abc", "3 betű"},
                        Case{"", "0 betű"}, Case{"Első sor|Második", "8+7=15 betű"},
                        Case{"a|bb|ccc", "1+2+3=6 betű"}, Case{"|", "0+0=0 betű"}}) {
    EXPECT_EQ(CounterLabel(c.text), c.label) << c.text;
  }
}

TEST(CounterLabel, an_empty_row_shows_zero_equals_zero_on_refresh) {
  EXPECT_EQ(RefreshedCounterLabel(""), "0=0 betű");
  EXPECT_EQ(RefreshedCounterLabel("abc|de"), "3+2=5 betű");
}

TEST(ShowRowText, puts_each_line_on_its_own_line_without_a_trailing_break) {
  const RowTextView view = ShowRowText("Első sor|Második|");
  EXPECT_EQ(view.memo, "Első sor\nMásodik\n");
  EXPECT_EQ(view.counter, "8+7+0=15 betű");
  EXPECT_EQ(view.lineLengths, (LineLengths{8, 7, 0, 0, 0}));
}

TEST(MeasureLines, counts_characters_of_the_first_five_lines_only) {
  EXPECT_EQ(MeasureLines("a|bb|ccc|dddd|eeeee|ffffff"), (LineLengths{1, 2, 3, 4, 5}));
  EXPECT_EQ(MeasureLines("őű|x"), (LineLengths{2, 1, 0, 0, 0}));
  EXPECT_EQ(MeasureLines(""), (LineLengths{}));
}

TEST(RowColourFor, colours_long_lines_red_and_extra_lines_green) {
  const std::string forty(40, 'x');
  const std::string long37(37, 'x');
  std::string accented38;
  for (int i = 0; i < 38; ++i) accented38 += "é";
  struct Case {
    std::string text;
    bool longBox;
    bool extraBox;
    RowColour colour;
  };
  const Case cases[] = {
      {forty, true, false, RowColour::Red},
      {forty, false, false, RowColour::Normal},
      {forty, false, true, RowColour::Normal},
      {long37, true, false, RowColour::Normal},
      {accented38, true, false, RowColour::Red},
      {"a|b|" + forty, true, true, RowColour::Green},  // green wins over red
      {"a|b|c", false, true, RowColour::Green},
      {"a|b|", false, true, RowColour::Normal},      // an empty third line is no third line
      {"a|b||d", false, true, RowColour::Green},     // but a fourth one is
      {"a|b||||" + forty, true, true, RowColour::Normal},  // a sixth line is not measured
      {"", true, true, RowColour::Normal},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowColourFor(c.text, c.longBox, c.extraBox), c.colour) << c.text << " " << c.longBox << c.extraBox;
  }
}

TEST(FormatMarksOf, looks_for_closing_tags_only) {
  EXPECT_EQ(FormatMarksOf("<i>x</i>"), (FormatMarks{true, false, false}));
  EXPECT_EQ(FormatMarksOf("<i>x<b>"), (FormatMarks{}));
  EXPECT_EQ(FormatMarksOf("x</b></u>"), (FormatMarks{false, true, true}));
}

TEST(RowDifference, time_mode_shows_the_signed_difference_of_the_stored_values) {
  const RowValues fields{"ignored", "ignored"};
  EXPECT_EQ(RowDifference("Time", {"00:00:05,000", "00:00:03,500"}, fields), (DifferenceField{"-00:00:01,500", true}));
  EXPECT_EQ(RowDifference("Time", {"00:00:01,000", "01:00:03,500"}, fields), (DifferenceField{"01:00:02,500", false}));
  EXPECT_EQ(RowDifference("Time", {"00:00:01,000", "00:00:01,000"}, fields), (DifferenceField{"00:00:00,000", false}));
  EXPECT_EQ(RowDifference("Time", {"", "00:00:01,000"}, fields), DifferenceField{});
}

TEST(RowDifference, frame_mode_subtracts_the_fields_when_the_stored_values_are_numbers) {
  EXPECT_EQ(RowDifference("Frame", {"100", "90"}, {"100", "90"}), (DifferenceField{"-10", true}));
  EXPECT_EQ(RowDifference("Frame", {"100", "90"}, {"100", "150"}), (DifferenceField{"50", false}));
  EXPECT_EQ(RowDifference("Frame", {"", "90"}, {"100", "90"}), DifferenceField{});
  EXPECT_EQ(RowDifference("Frame", {"100", "90"}, {"100", ""}), DifferenceField{});
}

TEST(CheckRowValues, checks_the_start_first_then_the_end) {
  EXPECT_TRUE(CheckRowValues("Time", {"00:00:01,000", "23:59:59,999"}));
  const CheckResult badStart = CheckRowValues("Time", {"1:00:00,000", "99:00:00,000"});
  EXPECT_EQ(badStart.message.line1, "Hiba az /egyik/ intervallumban!");
  EXPECT_EQ(CheckRowValues("Time", {"00:00:01,000", "24:00:00,000"}).message.line2, "Az óra kisebb legyen mint 24!");
  EXPECT_EQ(CheckRowValues("Frame", {"", ""}).message.line1, "Hiba mindkét intervallumban! Nem ütött be semmit!");
  EXPECT_TRUE(CheckRowValues("Frame", {"0", "10"}));
}

}  // namespace
}  // namespace lumora
