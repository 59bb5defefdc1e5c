#include "timing/timing_values.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/editor/test_tables.h"

namespace lumora {
namespace {

TEST(ValueText, writes_frames_like_plain_decimal_and_clamps) {
  for (Frames power = 1; power <= 100'000'000'000; power *= 10) {
    for (Frames value : {power - 1, power, power + 1, 9 * power + power - 1}) {
      EXPECT_EQ(FrameValueText(value).View(), std::to_string(value));
    }
  }
  for (Frames value = 0; value < 2'000'000; value += 997) EXPECT_EQ(FrameValueText(value).View(), std::to_string(value));
  EXPECT_EQ(FrameValueText(-5).View(), "0");
  EXPECT_EQ(FrameValueText(kLargestFrameValue + 1).View(), "999999999999");
}

TEST(ValueText, writes_and_reads_back_every_kind_of_time) {
  for (Millis millis = 0; millis <= kLargestTimeValue; millis += 9'973) {
    const ValueText text = TimeValueText(millis);
    ASSERT_EQ(text.View(), MillisToTimeCode(millis));
    ASSERT_EQ(ReadTimeValue(text.View()), millis);
  }
  EXPECT_EQ(TimeValueText(-1).View(), "00:00:00,000");
  EXPECT_EQ(TimeValueText(kLargestTimeValue + 1).View(), "99:59:59,999");
  EXPECT_EQ(TimeValueText(kMillisPerDay).View(), "24:00:00,000");
}

TEST(ReadTimeValue, refuses_anything_but_a_whole_timecode) {
  for (const char* bad : {"", "00:00:01,000 ", "0:00:01,000", "00:00:01.000", "00.00:01,000", "00:00;01,000",
                          "0a:00:01,000", "00:00:01,00/", "00:00:01,:00", "00:0é:01,00", "xx:xx:xx,xxx"}) {
    EXPECT_EQ(ReadTimeValue(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(ReadTimeValue("01:02:03,004"), 3'723'004);
}

TEST(RateScale, is_exact_for_every_pair_of_offered_rates) {
  __extension__ typedef __int128 Wide;
  for (std::string_view fromText : kFpsChoices) {
    for (std::string_view toText : kFpsChoices) {
      const FrameRate from = *ParseFrameRate(fromText);
      const FrameRate to = *ParseFrameRate(toText);
      const RateScale scale(from, to);
      for (std::int64_t value = 0; value < 400'000'000; value += 104'729) {
        const Wide exact = static_cast<Wide>(value) * to.numerator * from.denominator /
                           (static_cast<Wide>(to.denominator) * from.numerator);
        ASSERT_EQ(scale(value), static_cast<std::int64_t>(exact)) << fromText << "->" << toText << " " << value;
      }
    }
  }
  EXPECT_EQ(RateScale(Rate("15"), Rate("23,976"))(5000), 7992);
  EXPECT_EQ(RateScale(kMillisecondRate, Rate("23,976"))(1001), 23);
  EXPECT_EQ(RateScale(Rate("25"), kMillisecondRate)(26), 1040);
  EXPECT_EQ(RateScale(Rate("15"), Rate("30"))(kLargestFrameValue), 1'999'999'999'998);
  EXPECT_EQ(RateScale(Rate("15"), Rate("29,976"))(kLargestFrameValue), 1'998'399'999'998);  // past 2^53
}

}  // namespace
}  // namespace lumora
