#include "subtitle/subtitle_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumora {
namespace {

SubtitleTable TableOf(int rows) {
  SubtitleTable table;
  table.Create();
  for (int i = 1; i <= rows; ++i) {
    table.Append();
    table.SetSorszam(i);
    table.SetSzoveg("sor " + std::to_string(i));
    table.Post();
  }
  return table;
}

struct Recorder : TableObserver {
  int moved = 0;
  int changed = 0;
  void CurrentRowMoved() override { ++moved; }
  void CurrentRowValuesChanged() override { ++changed; }
};

TEST(SubtitleTable, cursor_moves_and_marks_the_ends) {
  SubtitleTable table = TableOf(3);
  EXPECT_EQ(table.RecordCount(), 3u);
  EXPECT_EQ(table.RecNo(), 3u);
  table.First();
  EXPECT_TRUE(table.Bof());
  table.Prior();
  EXPECT_EQ(table.RecNo(), 1u);
  EXPECT_TRUE(table.Bof());
  table.Next();
  EXPECT_EQ(table.RecNo(), 2u);
  EXPECT_FALSE(table.Eof());
  table.Next();
  table.Next();
  EXPECT_EQ(table.RecNo(), 3u);
  EXPECT_TRUE(table.Eof());
  table.SetRecNo(2);
  EXPECT_EQ(table.Current().Szoveg, "sor 2");
  table.SetRecNo(99);
  EXPECT_EQ(table.RecNo(), 3u);
}

TEST(SubtitleTable, insert_goes_before_the_current_row_and_delete_moves_on) {
  SubtitleTable table = TableOf(3);
  table.SetRecNo(2);
  table.Insert();
  table.SetSzoveg("új");
  table.Post();
  EXPECT_EQ(table.RecNo(), 2u);
  EXPECT_EQ(table.At(2).Szoveg, "sor 2");
  table.Delete();
  EXPECT_EQ(table.Current().Szoveg, "sor 2");
  table.Last();
  table.Delete();
  EXPECT_EQ(table.Current().Szoveg, "sor 2");
  EXPECT_EQ(table.RecordCount(), 2u);
  table.Delete();
  table.Delete();
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_EQ(table.RecNo(), 0u);
  table.Delete();  // nothing to delete: no effect
  table.Insert();
  EXPECT_EQ(table.RecordCount(), 1u);
}

TEST(SubtitleTable, fields_by_name_ignore_case_and_cut_to_width) {
  SubtitleTable table = TableOf(1);
  EXPECT_TRUE(table.SetFieldText("KEZDES", "00:00:01,000999"));
  EXPECT_EQ(table.FieldText("kezdes"), "00:00:01,000");
  EXPECT_TRUE(table.SetFieldText("Szoveg", std::string(160, 'x')));
  EXPECT_EQ(table.FieldText("SZOVEG").size(), 150u);
  EXPECT_TRUE(table.SetFieldText("sorszam", "42"));
  EXPECT_EQ(table.FieldInt("Sorszam"), 42);
  EXPECT_FALSE(table.SetFieldText("sorszam", "4x"));
  EXPECT_FALSE(table.SetFieldText("nincs", "x"));
  // Widths count characters: 150 two-byte letters fit whole.
  std::string accents;
  for (int i = 0; i < 151; ++i) accents += "ő";
  table.SetSzoveg(accents);
  EXPECT_EQ(table.Current().Szoveg.size(), 300u);
}

TEST(SubtitleTable, translation_shape_has_no_number_and_a_narrow_text) {
  SubtitleTable table(TableShape::Translation());
  table.Create();
  table.Append();
  table.SetSorszam(5);
  table.SetSzoveg(std::string(80, 'y'));
  EXPECT_FALSE(table.Current().Sorszam);
  EXPECT_EQ(table.Current().Szoveg.size(), 73u);
  EXPECT_EQ(table.FieldText("Sorszam"), "");
}

TEST(SubtitleTable, tells_observers_of_moves_and_posts) {
  SubtitleTable table = TableOf(3);
  Recorder recorder;
  table.AddObserver(&recorder);
  table.First();
  table.Next();
  table.Next();
  table.Next();  // at the end: no move
  EXPECT_EQ(recorder.moved, 3);
  table.SetKezdes("1");
  table.Post();
  EXPECT_EQ(recorder.changed, 1);
  table.RemoveObserver(&recorder);
  table.First();
  EXPECT_EQ(recorder.moved, 3);
}

TEST(SubtitleTable, is_closed_until_created) {
  SubtitleTable table;
  EXPECT_FALSE(table.IsOpen());
  table.Create();
  EXPECT_TRUE(table.IsOpen());
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

// Texts share the table's store, so a change of one row must never show in another, in a copy,
// or in a text still being copied from.
TEST(SubtitleTableTexts, edits_in_place_and_anew_keep_every_other_row) {
  SubtitleTable table = TableOf(300);
  std::vector<std::string> expected;
  for (int i = 1; i <= 300; ++i) expected.push_back("sor " + std::to_string(i));
  // Grow, shrink and empty texts in turn; many grow past their room and move.
  for (int round = 0; round < 40; ++round) {
    for (std::size_t i = round % 3; i < expected.size(); i += 3) {
      std::string& text = expected[i];
      text = round % 7 == 6 ? std::string() : text + "ő" + std::to_string(round);
      if (text.size() > 150) text = "rövid";
      table.SetSzovegAt(i, text);
    }
  }
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(table.At(i).Szoveg, expected[i]) << i;
}

TEST(SubtitleTableTexts, a_text_can_be_set_from_a_part_of_itself) {
  SubtitleTable table = TableOf(2);
  table.SetSzovegAt(0, "első sor|második sor");
  table.SetSzovegAt(0, table.At(0).Szoveg.substr(6));  // overlaps its own room
  EXPECT_EQ(table.At(0).Szoveg, "sor|második sor");
  table.SetSzovegAt(1, std::string(table.At(0).Szoveg) + " és még sok más szöveg, ami már nem fér el");
  table.SetSzovegAt(0, table.At(1).Szoveg);  // longer: taken from another row into new room
  EXPECT_EQ(table.At(0).Szoveg, table.At(1).Szoveg);
  EXPECT_NE(table.At(0).Szoveg.data(), table.At(1).Szoveg.data());
  table.SetSzovegAt(1, "x");
  EXPECT_EQ(table.At(0).Szoveg, "sor|második sor és még sok más szöveg, ami már nem fér el");
}

TEST(SubtitleTableTexts, a_copy_and_its_original_change_apart) {
  SubtitleTable original = TableOf(3);
  SubtitleTable copy = original;
  copy.SetSzovegAt(0, "más");
  original.SetSzovegAt(1, "más is");
  EXPECT_EQ(original.At(0).Szoveg, "sor 1");
  EXPECT_EQ(copy.At(1).Szoveg, "sor 2");
  SubtitleTable assigned;
  assigned = original;
  original.Empty();
  EXPECT_EQ(assigned.CopyRows(), (std::vector<SubtitleRow>{{1, "", "", "sor 1"}, {2, "", "", "más is"}, {3, "", "", "sor 3"}}));
}

// A value of up to 15 bytes is kept in the row; a longer one (accented characters) in the store.
TEST(SubtitleTableTexts, values_short_and_long_keep_their_characters) {
  SubtitleTable table = TableOf(2);
  const std::string longValue = "őőőőőőőőőőőő";  // 12 characters, 24 bytes
  table.SetKezdesAt(0, longValue + "ő");            // cut to 12 characters
  table.SetBefejezesAt(0, "00:00:01,000");
  table.SetKezdesAt(1, "ééé");
  EXPECT_EQ(table.At(0).Kezdes, longValue);
  EXPECT_EQ(table.At(0).Befejezes, "00:00:01,000");
  table.SetBefejezesAt(0, table.At(0).Befejezes.View().substr(3));  // from its own bytes
  EXPECT_EQ(table.At(0).Befejezes, "00:01,000");
  table.SetKezdesAt(1, table.At(0).Kezdes);  // long, from another row
  table.SetKezdesAt(0, "1");                 // long becomes short
  EXPECT_EQ(table.At(0).Kezdes, "1");
  EXPECT_EQ(table.At(1).Kezdes, longValue);
  SubtitleTable copy = table;
  table.SetKezdesAt(1, "úúúúúúúúúú");
  EXPECT_EQ(copy.At(1).Kezdes, longValue);
  EXPECT_EQ(table.At(1).Kezdes, "úúúúúúúúúú");
}

TEST(SubtitleTableTexts, a_large_table_survives_emptying_and_refilling) {
  // Enough text for blocks of several megabytes.
  SubtitleTable table;
  table.Create();
  const std::string text(140, 'a');
  for (int round = 0; round < 2; ++round) {
    std::vector<SubtitleRow> rows(40'000, SubtitleRow{1, "0", "1", text});
    rows.back().Szoveg = "utolsó";
    table.ReplaceRows(rows);
    EXPECT_EQ(table.At(0).Szoveg, text);
    EXPECT_EQ(table.At(39'999).Szoveg, "utolsó");
    table.Empty();
    EXPECT_TRUE(table.IsEmpty());
  }
}

}  // namespace
}  // namespace lumora
