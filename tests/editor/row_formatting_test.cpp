#include "editor/row_formatting.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/row_display.h"
#include "tests/editor/test_tables.h"

namespace lumora {
namespace {

SubtitleTable OneRow(std::string text) { return TableWith({{1, "0", "10", std::move(text)}}); }

TEST(ToggleTagPair, wraps_and_unwraps_the_row_text) {
  SubtitleTable table = OneRow("szöveg");
  EXPECT_TRUE(ToggleTagPair(table, kItalicTags).changed);
  EXPECT_EQ(table.Current().Szoveg, "<i>szöveg</i>");
  EXPECT_TRUE(ToggleTagPair(table, kBoldTags).changed);
  EXPECT_EQ(table.Current().Szoveg, "<b><i>szöveg</i></b>");
  EXPECT_EQ(FormatMarksOf(table.Current().Szoveg), (FormatMarks{true, true, false}));
  EXPECT_TRUE(ToggleTagPair(table, kItalicTags).changed);
  EXPECT_EQ(table.Current().Szoveg, "<b>szöveg</b>");
  EXPECT_TRUE(ToggleTagPair(table, kBoldTags).changed);
  EXPECT_EQ(table.Current().Szoveg, "szöveg");
}

TEST(ToggleTagPair, leaves_a_row_alone_when_the_closing_tag_would_be_cut_off) {
  // 143 characters (286 bytes) plus "<u>" and "</u>" is 150: it fits; one more does not.
  std::string fits;
  for (int i = 0; i < 143; ++i) fits += "é";
  SubtitleTable table = OneRow(fits);
  EXPECT_TRUE(ToggleTagPair(table, kUnderlineTags).changed);
  EXPECT_EQ(table.Current().Szoveg, "<u>" + fits + "</u>");

  const std::string tooLong = fits + "x";
  SubtitleTable full = OneRow(tooLong);
  const ToggleResult result = ToggleTagPair(full, kUnderlineTags);
  EXPECT_FALSE(result.changed);
  ASSERT_TRUE(result.refusal);
  EXPECT_EQ(result.refusal->kind, "info");
  EXPECT_EQ(result.refusal->line2, "");
  EXPECT_EQ(full.Current().Szoveg, tooLong);
}

TEST(TextWithoutTagPair, removes_the_first_opening_tag_and_then_the_first_closing_tag) {
  struct Case {
    const char* text;
    const char* result;
  };
  for (const Case& c : {Case{"<i>a</i> <i>b</i>", "a <i>b</i>"}, Case{"a</i>", "a</i>"},
                        Case{"a</i> <i>b</i>", "a b</i>"}, Case{"<i>a", "a"}, Case{"<b>a</b>", "<b>a</b>"}}) {
    EXPECT_EQ(TextWithoutTagPair(c.text, kItalicTags), c.result) << c.text;
  }
}

TEST(StripAllTags, removes_one_pair_of_each_kind) {
  SubtitleTable table = OneRow("<u><b><i>x</i></b></u> <i>y</i>");
  EXPECT_TRUE(StripAllTags(table));
  EXPECT_EQ(table.Current().Szoveg, "x <i>y</i>");
  SubtitleTable plain = OneRow("x");
  EXPECT_FALSE(StripAllTags(plain));
  EXPECT_FALSE(RemoveTagPair(plain, kBoldTags));
}

}  // namespace
}  // namespace lumora
