#include "subtitle/format_detect.h"

#include <gtest/gtest.h>

#include "subtitle/timing_mode.h"
#include "subtitle/whole_number.h"

namespace lumora {
namespace {

TEST(WholeNumber, follows_the_counter_line_rule) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"1", 1},
      {"0042", 42},
      {"   7", 7},            // leading blanks
      {"+5", 5},
      {"-5", -5},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"$1F", 31},
      {"x1f", 31},
      {"X1F", 31},
      {"0x10", 16},
      {"0X10", 16},
      {"-$10", -16},
      {"$FFFFFFFF", -1},     // hexadecimal fills 32 bits
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"7 ", std::nullopt},  // a trailing blank
      {"\t7", std::nullopt}, // only blanks may lead
      {"1.0", std::nullopt},
      {"12a", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"$100000000", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"\xEF\xBB\xBF" "1", std::nullopt},  // what a byte-order mark would leave
  };
  for (const Case& c : cases) EXPECT_EQ(ParseWholeNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(DetectFormat, recognises_each_layout_by_its_first_line) {
  using K = FormatKind;
  EXPECT_EQ(DetectFormat("{1}{25}Szia"), (DetectedFormat{K::SubFrames, kFrameMode}));
  EXPECT_EQ(DetectFormat("{"), (DetectedFormat{K::SubFrames, kFrameMode}));
  EXPECT_EQ(DetectFormat("12"), (DetectedFormat{K::SrtBlocks, kTimeMode}));
  EXPECT_EQ(DetectFormat("00:00:01.50,00:00:03.00"), (DetectedFormat{K::TimeRanges, kTimeMode}));
  EXPECT_EQ(DetectFormat("xx:xx:xx.xx,xx:xx:xx."), (DetectedFormat{K::TimeRanges, kTimeMode}));
  EXPECT_EQ(DetectFormat(""), std::nullopt);
  EXPECT_EQ(DetectFormat(" {1}{2}"), std::nullopt);
  EXPECT_EQ(DetectFormat("12 "), std::nullopt);
  EXPECT_EQ(DetectFormat("00:00:01,500 --> 00:00:03,000"), std::nullopt);
  EXPECT_EQ(DetectFormat("[INFORMATION]"), std::nullopt);
  EXPECT_EQ(DetectFormat("00:00:01.50,00:00:03"), std::nullopt);  // column 21 missing
  EXPECT_EQ(ToText(K::SubFrames), "1");
  EXPECT_EQ(ToText(K::SrtBlocks), "2");
  EXPECT_EQ(ToText(K::NoneRecognised), "3");
  EXPECT_EQ(ToText(K::TimeRanges), "4");
}

TEST(SrtTimeLine, reads_values_and_zeroes_bad_ones) {
  struct Case {
    const char* line;
    const char* start;  // nullptr: not a time line
    const char* end;
  };
  const Case cases[] = {
      {"00:01:02,003 --> 01:02:03,456", "00:01:02,003", "01:02:03,456"},
      {"00:01:02:003 --> 01:02:03:456", "00:01:02,003", "01:02:03,456"},  // ":" before the milliseconds
      {"00:01:02,003x-->x01:02:03,456", "00:01:02,003", "01:02:03,456"},  // columns 13 and 17 not examined
      {"25:00:00,000 --> 00:60:00,000", "00:00:00,000", "00:00:00,000"},  // hour 25, minute 60
      {"00:00:0a,000 --> 00:00:02,000", "00:00:00,000", "00:00:02,000"},
      {"00:00:01,000 --> 00:00:02,0", "00:00:01,000", "00:00:00,000"},    // end cut short
      {"00:00:01,000 --> 00:00:02,", "00:00:01,000", "00:00:00,000"},
      {"00:00:01,000 --> 00:00:02", nullptr, nullptr},                   // column 26 missing
      {"00:00:01.000 --> 00:00:02,000", nullptr, nullptr},
      {"00:00:01,000 -> 00:00:02,000", nullptr, nullptr},
      {"", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    const auto pair = ReadSrtTimeLine(c.line);
    if (c.start == nullptr) {
      EXPECT_FALSE(pair) << c.line;
      continue;
    }
    ASSERT_TRUE(pair) << c.line;
    EXPECT_EQ(pair->start, c.start) << c.line;
    EXPECT_EQ(pair->end, c.end) << c.line;
  }
}

TEST(SrtTimeLine, counts_columns_in_characters) {
  // A non-breaking space where the blank stands: the columns after it still line up.
  const auto pair = ReadSrtTimeLine("00:00:01,000\u00A0-->\u00A000:00:02,000");
  ASSERT_TRUE(pair);
  EXPECT_EQ(pair->end, "00:00:02,000");
  EXPECT_FALSE(ReadSrtTimeLine("00:00:01,000 -\u2192 00:00:02,000"));
}

TEST(TimeRangeLine, turns_hundredths_into_milliseconds_without_range_checks) {
  const auto pair = ReadTimeRangeLine("00:00:01.50,00:00:03.07");
  ASSERT_TRUE(pair);
  EXPECT_EQ(pair->start, "00:00:01,500");
  EXPECT_EQ(pair->end, "00:00:03,070");
  const auto odd = ReadTimeRangeLine("99:99:99.99,ab:cd:ef.g");
  ASSERT_TRUE(odd);
  EXPECT_EQ(odd->start, "99:99:99,990");
  EXPECT_EQ(odd->end, "ab:cd:ef,g0");
  EXPECT_FALSE(ReadTimeRangeLine("00:00:01,50,00:00:03.07"));
}

TEST(MessageTexts, shorten_and_line_breaks) {
  EXPECT_EQ(ShortenForMessage("123456789012"), "123456789...");
  EXPECT_EQ(ShortenForMessage("őőőőőőőőőőőő"), "őőőőőőőőő...");
  EXPECT_EQ(BrToBar("Egy[br]Kettő[br]"), "Egy|Kettő|");
  EXPECT_EQ(BrToBar("[BR] [br"), "[BR] [br");
}

}  // namespace
}  // namespace lumora
