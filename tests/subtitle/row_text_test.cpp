#include "subtitle/row_text.h"

#include <gtest/gtest.h>

#include "subtitle/utf8.h"

namespace lumora {
namespace {

TEST(MemoToRowText, joins_lines_with_the_separator) {
  EXPECT_EQ(MemoToRowText("Első sor\r\nMásodik"), "Első sor|Második");
  EXPECT_EQ(MemoToRowText("a\nb\n"), "a|b|");
  EXPECT_EQ(MemoToRowText("egy\rsor"), "egysor");
  EXPECT_EQ(MemoToRowText(""), "");
}

TEST(PathParts, split_at_the_last_separator) {
  const std::string path = std::string("home") + kPathSeparator + "film" + kPathSeparator + "a.srt";
  EXPECT_EQ(ExtractNameOnly(path), "a.srt");
  EXPECT_EQ(ExtractDirOnly(path), std::string("home") + kPathSeparator + "film" + kPathSeparator);
  EXPECT_EQ(ExtractNameOnly("a.srt"), "a.srt");
  EXPECT_EQ(ExtractDirOnly("a.srt"), "");
}

TEST(Utf8, counts_and_cuts_whole_characters) {
  EXPECT_EQ(CountChars("árvíztűrő"), 9u);
  EXPECT_EQ(CutToChars("árvíztűrő", 3), "árv");
  EXPECT_EQ(CutToChars("abc", 5), "abc");
  EXPECT_EQ(CutToChars("őőőőőő", 4), "őőőő");
}

}  // namespace
}  // namespace lumora
