#include "subtitle/key_filters.h"

#include <gtest/gtest.h>

#include "subtitle/timing_mode.h"

namespace lumora {
namespace {

TEST(KeyFilters, let_through_their_characters_only) {
  for (char32_t c = U'0'; c <= U'9'; ++c) {
    EXPECT_TRUE(FilterTimeKey(c));
    EXPECT_TRUE(FilterFrameKey(c));
  }
  EXPECT_TRUE(FilterTimeKey(U':'));
  EXPECT_TRUE(FilterTimeKey(U','));
  EXPECT_TRUE(FilterTimeKey(kBackspace));
  EXPECT_TRUE(FilterFrameKey(kBackspace));
  for (char32_t refused : {U'a', U'.', U'-', U' ', U'é'}) {
    EXPECT_FALSE(FilterTimeKey(refused));
    EXPECT_FALSE(FilterFrameKey(refused));
  }
  EXPECT_FALSE(FilterFrameKey(U':'));
  EXPECT_FALSE(FilterFrameKey(U','));
}

TEST(KeyFilters, backspace_never_deletes_a_separator) {
  for (std::size_t caret : {3u, 6u, 9u}) EXPECT_FALSE(FilterTimeKeyAt(kBackspace, caret)) << caret;
  for (std::size_t caret : {0u, 1u, 4u, 12u}) EXPECT_TRUE(FilterTimeKeyAt(kBackspace, caret)) << caret;
  EXPECT_TRUE(FilterTimeKeyAt(U'5', 3));
  EXPECT_FALSE(FilterTimeKeyAt(U'x', 4));
  for (std::size_t caret : {2u, 5u, 8u}) EXPECT_FALSE(DeleteAllowedAt(caret)) << caret;
  EXPECT_TRUE(DeleteAllowedAt(3));
}

TEST(KeyFilters, a_value_field_filters_by_its_mode) {
  EXPECT_TRUE(FilterValueKey("Time", U':', 2));
  EXPECT_FALSE(FilterValueKey("Time", kBackspace, 3));
  EXPECT_FALSE(FilterValueKey("Frame", U':', 2));
  EXPECT_TRUE(FilterValueKey("Frame", kBackspace, 3));
}

TEST(TimingMode, names_and_extensions_match_the_modes) {
  EXPECT_EQ(ExtensionForMode("Time"), ".srt");
  EXPECT_EQ(ExtensionForMode("Frame"), ".sub");
  EXPECT_EQ(ModeForFileName("/a/film.SRT"), "Time");
  EXPECT_EQ(ModeForFileName("film.sub"), "Frame");
  EXPECT_EQ(ModeForFileName("film.txt"), "");
  EXPECT_EQ(ModeForFileName("srt"), "");
}

TEST(TimingModeRule, gives_the_fields_of_each_mode) {
  EXPECT_EQ(TimingModeRule("Time")->shiftZeroText, "00:00:00,000");
  EXPECT_EQ(TimingModeRule("Time")->maxLength, 12u);
  EXPECT_EQ(TimingModeRule("Frame")->shiftZeroText, "0");
  EXPECT_EQ(TimingModeRule("Frame")->maxLength, 6u);
  EXPECT_FALSE(TimingModeRule("time"));
  EXPECT_FALSE(TimingModeRule(""));
}

}  // namespace
}  // namespace lumora
