#include "shell/startup_rules.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

struct ScreenCase {
  int width;
  int height;
  const char* layout;
};

class ChooseLayoutModeTable : public testing::TestWithParam<ScreenCase> {};

TEST_P(ChooseLayoutModeTable, picks_the_arrangement_for_the_screen) {
  EXPECT_EQ(ChooseLayoutMode(GetParam().width, GetParam().height), GetParam().layout)
      << GetParam().width << "x" << GetParam().height;
}

INSTANTIATE_TEST_SUITE_P(Screens, ChooseLayoutModeTable,
                         testing::Values(ScreenCase{1024, 768, "1024x768"}, ScreenCase{1920, 1080, "1024x768"},
                                         ScreenCase{1024, 600, "1024x768"}, ScreenCase{800, 600, "800x600"},
                                         ScreenCase{1000, 700, "800x600"}, ScreenCase{801, 480, "800x600"},
                                         ScreenCase{640, 480, "kicsi"}, ScreenCase{799, 600, "kicsi"},
                                         // exactly 800 wide but not 600 high matches no rule
                                         ScreenCase{800, 480, ""}, ScreenCase{800, 1024, ""}));

TEST(StartupFile, joins_the_first_two_arguments_without_a_separator) {
  EXPECT_EQ(JoinStartupArguments("/film/a", "b.srt"), "/film/ab.srt");
  EXPECT_EQ(JoinStartupArguments("", ""), "");
  EXPECT_EQ(JoinStartupArguments("a.srt", ""), "a.srt");
}

TEST(StartupFile, opens_the_editor_only_for_lower_case_srt_and_sub) {
  EXPECT_TRUE(IsStartupSubtitle("/film/a.srt"));
  EXPECT_TRUE(IsStartupSubtitle("a.sub"));
  EXPECT_FALSE(IsStartupSubtitle("a.SRT"));
  EXPECT_FALSE(IsStartupSubtitle("a.txt"));
  EXPECT_FALSE(IsStartupSubtitle(".sr"));
  EXPECT_FALSE(IsStartupSubtitle(""));
}

}  // namespace
}  // namespace lumora
