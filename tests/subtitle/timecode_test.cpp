#include "subtitle/timecode.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(TimeCodeToMillis, reads_every_digit_position) {
  EXPECT_EQ(TimeCodeToMillis("01:02:03,004"), 3'723'004);
  EXPECT_EQ(TimeCodeToMillis("00:00:00,000"), 0);
  EXPECT_EQ(TimeCodeToMillis("99:59:59,999"), 359'999'999);
  // The separators are not looked at by the conversion, only by the checks.
  EXPECT_EQ(TimeCodeToMillis("00x00x01x500"), 1500);
}

TEST(TimeCodeToMillis, refuses_short_texts_and_non_digits) {
  EXPECT_EQ(TimeCodeToMillis("1:02:03,456"), std::nullopt);
  EXPECT_EQ(TimeCodeToMillis(""), std::nullopt);
  EXPECT_EQ(TimeCodeToMillis("00:0a:00,000"), std::nullopt);
}

TEST(TimeCodeToSeconds, keeps_milliseconds_as_the_fraction) {
  EXPECT_DOUBLE_EQ(*TimeCodeToSeconds("01:02:03,456"), 3723.456);
  EXPECT_DOUBLE_EQ(*TimeCodeToSeconds("00:00:00,000"), 0.0);
}

struct SecondsCase {
  double seconds;
  const char* expected;
};

class SecondsToTimeCodeTable : public testing::TestWithParam<SecondsCase> {};

TEST_P(SecondsToTimeCodeTable, writes_the_cut_decimal_value) {
  EXPECT_EQ(SecondsToTimeCode(GetParam().seconds), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SecondsToTimeCodeTable,
    testing::Values(SecondsCase{3723.456, "01:02:03,456"}, SecondsCase{59.5, "00:00:59,500"},
                    SecondsCase{3600, "01:00:00,000"}, SecondsCase{0.05, "00:00:00,050"},
                    SecondsCase{0, "00:00:00,000"}, SecondsCase{1.04, "00:00:01,040"},
                    SecondsCase{2.3, "00:00:02,300"}, SecondsCase{1.5, "00:00:01,500"},
                    // cut, never rounded
                    SecondsCase{1.0009, "00:00:01,000"}, SecondsCase{0.9999, "00:00:00,999"},
                    // the whole value comes from the 15-digit text: 2.688 + 0.312 is 3 s, not 2
                    SecondsCase{2.688 + 0.312, "00:00:03,000"},
                    SecondsCase{86400, "24:00:00,000"}, SecondsCase{0.000001, "00:00:00,000"},
                    SecondsCase{-1, "00:00:00,000"}));

TEST(SecondsToTimeCodeMs, takes_the_binary_fraction) {
  EXPECT_EQ(SecondsToTimeCodeMs(2.3), "00:00:02,299");
  EXPECT_EQ(SecondsToTimeCodeMs(3723.5), "01:02:03,500");
  EXPECT_EQ(SecondsToMillisText(2.3), "299");
}

TEST(MillisToTimeCode, pads_and_splits) {
  EXPECT_EQ(MillisToTimeCode(3'723'004), "01:02:03,004");
  EXPECT_EQ(MillisToTimeCode(0), "00:00:00,000");
  EXPECT_EQ(MillisToTimeCode(100 * 3'600'000LL), "100:00:00,000");
}

TEST(OffsetTimeValue, moves_back_and_clamps_to_the_day) {
  EXPECT_EQ(OffsetTimeValue("00:00:10,000", 2500), "00:00:07,500");
  EXPECT_EQ(OffsetTimeValue("00:00:10,000", -2500), "00:00:12,500");
  EXPECT_EQ(OffsetTimeValue("00:00:01,000", 2000), "00:00:00,000");
  EXPECT_EQ(OffsetTimeValue("23:59:59,000", -2000), "24:00:00,000");
  EXPECT_EQ(OffsetTimeValue("23:59:59,000", -1000), "24:00:00,000");
  EXPECT_EQ(OffsetTimeValue("bad", 0), std::nullopt);
}

}  // namespace
}  // namespace lumora
