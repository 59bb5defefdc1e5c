#include "editor/text_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/editor/test_tables.h"
namespace lumora {
namespace {

constexpr SearchOptions kQuick{};
constexpr SearchOptions kWholeWords{true, false, false};
constexpr SearchOptions kCaseSensitive{false, false, true};
constexpr SearchOptions kWholeWordsCaseSensitive{true, false, true};
constexpr SearchOptions kBackwards{false, true, false};

TEST(TextMatcher, folds_only_the_letters_a_to_z) {
  struct Case {
    const char* text;
    const char* search;
    SearchOptions options;
    bool matches;
  };
  const Case cases[] = {
      {"Ez a FELIRAT", "felirat", kQuick, true},
      {"ÉJJEL", "é", kQuick, false},
      {"ÉJJEL", "É", kQuick, true},
      {"Hat", "hat", kCaseSensitive, false},
      {"Hat", "Hat", kCaseSensitive, true},
      {"abc", "", kQuick, false},
      {"ab", "abc", kQuick, false},
  };
  for (const Case& c : cases) EXPECT_EQ(TextMatcher(c.search, c.options).Matches(c.text), c.matches) << c.text;
}

TEST(TextMatcher, whole_words_are_bounded_by_anything_but_the_seventy_letters) {
  struct Case {
    const char* text;
    bool matches;
  };
  const Case cases[] = {
      {"hat ember", true},  {"hatalom", false},  {"hat, hét", true}, {"hat1", true},
      {"(hat)", true},      {"hat", true},       {"ahat", false},    {"őhat", false},
      {"hatű", false},      {"ÜHAT", false},     {"ähat", true},     {"hatalom hat", false},
      {"Hatalom hat", false},
  };
  for (const Case& c : cases) EXPECT_EQ(TextMatcher("hat", kWholeWords).Matches(c.text), c.matches) << c.text;
  // Case-sensitive, the first occurrence of "hat" is the whole word at the end.
  EXPECT_TRUE(TextMatcher("hat", kWholeWordsCaseSensitive).Matches("Hatalom hat"));
}

TEST(IsWordLetter, knows_the_hungarian_alphabet) {
  int letters = 0;
  for (char32_t c = 0; c < 0x200; ++c) letters += IsWordLetter(c) ? 1 : 0;
  EXPECT_EQ(letters, 70);
  for (char32_t c : {U'ő', U'Ő', U'ű', U'Ű', U'á', U'É'}) EXPECT_TRUE(IsWordLetter(c));
  for (char32_t c : {U'ä', U'ô', U'5', U'_', U'-'}) EXPECT_FALSE(IsWordLetter(c));
}

SubtitleTable TableOfTexts(const std::vector<std::string>& texts) {
  std::vector<SubtitleRow> rows;
  for (const std::string& text : texts) rows.push_back({static_cast<int>(rows.size()) + 1, "0", "1", text});
  return TableWith(std::move(rows));
}

TEST(FindMatchingRow, starts_after_the_current_row_and_never_wraps) {
  const SubtitleTable table = TableOfTexts({"alma", "körte", "alma", "szilva", "ALMA"});
  EXPECT_EQ(FindMatchingRow(table, 0, "alma", kQuick), 2u);
  EXPECT_EQ(FindMatchingRow(table, 2, "alma", kQuick), 4u);
  EXPECT_EQ(FindMatchingRow(table, 4, "alma", kQuick), std::nullopt);
  EXPECT_EQ(FindMatchingRow(table, 0, "szilva", kQuick), 3u);
  EXPECT_EQ(FindMatchingRow(table, 4, "alma", kBackwards), 2u);
  EXPECT_EQ(FindMatchingRow(table, 2, "alma", kBackwards), 0u);
  EXPECT_EQ(FindMatchingRow(table, 0, "alma", kBackwards), std::nullopt);
  EXPECT_EQ(FindMatchingRow(table, 0, "", kQuick), std::nullopt);
}

TEST(SearchFromCurrentRow, moves_to_the_match_or_stays_put) {
  SubtitleTable table = TableOfTexts({"első", "második", "harmadik"});
  table.First();
  EXPECT_EQ(SearchFromCurrentRow(table, "HARMADIK"), SearchOutcome::Found);
  EXPECT_EQ(table.RecNo(), 3u);
  EXPECT_EQ(SearchFromCurrentRow(table, "harmadik"), SearchOutcome::NotFound);
  EXPECT_EQ(table.RecNo(), 3u);
  EXPECT_EQ(SearchFromCurrentRow(table, ""), SearchOutcome::NothingToSearch);
  EXPECT_EQ(NotFoundMessage("alma"), (Message{"Információ", "info", "Nincs (több) ilyen: ", "alma"}));

  SubtitleTable empty = TableOfTexts({});
  EXPECT_EQ(SearchFromCurrentRow(empty, "x"), SearchOutcome::NotFound);
}

}  // namespace
}  // namespace lumora
