#include "subtitle/frame_rate.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

FrameRate Rate(const char* text) { return *ParseFrameRate(text); }

TEST(ParseFrameRate, reads_the_decimal_comma_exactly) {
  EXPECT_EQ(ParseFrameRate("23,976"), (FrameRate{23976, 1000}));
  EXPECT_EQ(ParseFrameRate("29,976"), (FrameRate{29976, 1000}));
  EXPECT_EQ(ParseFrameRate("25"), (FrameRate{25, 1}));
  for (std::string_view choice : kFpsChoices) EXPECT_TRUE(ParseFrameRate(choice)) << choice;
}

TEST(ParseFrameRate, refuses_what_is_not_a_rate) {
  for (const char* bad : {"", "23.976", "abc", "25,", ",5", "0", "0,0", "-25", "2 5"}) {
    EXPECT_EQ(ParseFrameRate(bad), std::nullopt) << bad;
  }
}

TEST(TimeCodeToFrameText, truncates_toward_zero) {
  EXPECT_EQ(TimeCodeToFrameText("00:00:01,999", Rate("25")), "49");
  EXPECT_EQ(TimeCodeToFrameText("00:00:10,000", Rate("23,976")), "239");
  EXPECT_EQ(TimeCodeToFrameText("00:00:01,000", Rate("23,976")), "23");
  EXPECT_EQ(TimeCodeToFrameText("00:00:00,500", Rate("25")), "12");
  EXPECT_EQ(TimeCodeToFrameText("", Rate("25")), "0");
  EXPECT_EQ(TimeCodeToFrameText("00:00:00,000", Rate("25")), "0");
  EXPECT_EQ(TimeCodeToFrameText("xx:00:00,000", Rate("25")), std::nullopt);
}

TEST(TimeCodeToFrameText, does_not_lose_a_frame_to_floating_point) {
  // 16.4 s x 15 is 245.99999... in binary floating point; exactly it is 246.
  EXPECT_EQ(TimeCodeToFrameText("00:00:16,400", Rate("15")), "246");
}

TEST(FramesToMillis, converts_frames_to_time) {
  EXPECT_EQ(MillisToTimeCode(FramesToMillis(26, Rate("25"))), "00:00:01,040");
  EXPECT_EQ(MillisToTimeCode(FramesToMillis(1, Rate("25"))), "00:00:00,040");
  EXPECT_EQ(MillisToTimeCode(FramesToMillis(250, Rate("25"))), "00:00:10,000");
  EXPECT_EQ(MillisToTimeCode(FramesToMillis(24, Rate("23,976"))), "00:00:01,001");
}

TEST(ParseFrameNumber, takes_digits_only) {
  EXPECT_EQ(ParseFrameNumber("0"), 0);
  EXPECT_EQ(ParseFrameNumber("999999"), 999999);
  for (const char* bad : {"", "-1", " 1", "1 ", "1a", "1234567890123456789"}) {
    EXPECT_EQ(ParseFrameNumber(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace lumora
