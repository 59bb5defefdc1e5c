#include "editor/editor_arrangement.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(EditorArrangement, extra_height_follows_the_screen) {
  EXPECT_EQ(ExtraHeight1024(1024, 768), 26);
  EXPECT_EQ(ExtraHeight1024(1280, 1024), 28);
  EXPECT_EQ(ExtraHeight1024(1280, 768), 0);  // larger in one direction only
  EXPECT_EQ(ExtraHeight1024(1100, 700), 0);
}

TEST(EditorArrangement, scroll_bar_only_past_the_rows_shown) {
  EXPECT_EQ(ScrollBarOffered("1024x768", 15), false);
  EXPECT_EQ(ScrollBarOffered("1024x768", 16), true);
  EXPECT_EQ(ScrollBarOffered("800x600", 10), false);
  EXPECT_EQ(ScrollBarOffered("800x600", 11), true);
  EXPECT_EQ(ScrollBarOffered("", 100), std::nullopt);
}

}  // namespace
}  // namespace lumora
