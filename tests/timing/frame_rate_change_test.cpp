#include "timing/frame_rate_change.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editor/test_tables.h"
namespace lumora {
namespace {

struct Case {
  const char* from;
  const char* to;
  const char* value;
  std::optional<std::string> result;
};

TEST(ConvertFrameValue, scales_exactly_and_truncates) {
  const Case cases[] = {
      {"15", "23,976", "5000", "7992"},  // floating point gives 7991
      {"25", "30", "100", "120"},        {"25", "30", "1", "1"},
      {"30", "25", "1", "0"},            {"25", "30", "0", "0"},
      {"15", "30", "999999", "1999998"},  // no six-digit ceiling
      {"15", "30", "999999999999", "999999999999"},
      {"25", "30", "", std::nullopt},    {"25", "30", "1a", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextOf([&](ValueText& t) { return ConvertFrameValue(c.value, RateScale(Rate(c.from), Rate(c.to)), t); }), c.result) << c.from << "->" << c.to << " " << c.value;
  }
}

TEST(ConvertTimeValue, scales_whole_milliseconds_without_a_day_ceiling) {
  const Case cases[] = {
      {"25", "20", "00:00:10,000", "00:00:08,000"},
      {"25", "20", "00:00:00,000", "00:00:00,000"},
      {"25", "30", "00:00:00,001", "00:00:00,001"},
      {"15", "23,976", "00:05:00,000", "00:07:59,520"},
      {"25", "30", "23:00:00,000", "27:36:00,000"},
      {"15", "30", "60:00:00,000", "99:59:59,999"},
      {"25", "30", "", std::nullopt},
      {"25", "30", "12", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextOf([&](ValueText& t) { return ConvertTimeValue(c.value, RateScale(Rate(c.from), Rate(c.to)), t); }), c.result) << c.from << "->" << c.to << " " << c.value;
  }
}

TEST(ConvertFrameRate, rescales_every_row_in_the_tables_mode) {
  SubtitleTable table = TableWith({{1, "5000", "", "egy"}, {2, "abc", "150", "kettő"}});
  const FrameRateChangeResult result = ConvertFrameRate(table, "Frame", "15", "23,976");
  EXPECT_TRUE(result.converted);
  EXPECT_EQ(result.message, (Message{"FPS módosítás", "info", "Az átváltás megtörtént!", ""}));
  EXPECT_EQ(table.CopyRows(), (std::vector<SubtitleRow>{{1, "7992", "", "egy"}, {2, "abc", "239", "kettő"}}));

  SubtitleTable times = TableWith({{1, "00:00:00,000", "00:00:10,000", ""}});
  EXPECT_TRUE(ConvertFrameRate(times, "Time", "25", "20").converted);
  EXPECT_EQ(times.At(0), (SubtitleRow{1, "00:00:00,000", "00:00:08,000", ""}));
}

TEST(ConvertFrameRate, an_empty_or_unreadable_rate_changes_nothing_and_says_so) {
  SubtitleTable table = TableWith({{1, "100", "200", ""}});
  for (auto [from, to] : {std::pair{"", "25"}, std::pair{"25", ""}, std::pair{"25", "abc"}, std::pair{"0", "25"}}) {
    const FrameRateChangeResult result = ConvertFrameRate(table, "Frame", from, to);
    EXPECT_FALSE(result.converted) << from << "->" << to;
    EXPECT_FALSE(result.message.line1.empty());
    EXPECT_EQ(table.At(0), (SubtitleRow{1, "100", "200", ""}));
  }
}

}  // namespace
}  // namespace lumora
