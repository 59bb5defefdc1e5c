// Row operations, formatting, the row clipboard and search, as the user reaches them.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>

#include "editor/TReszletesK.h"
#include "shell/TUjFelirat.h"
#include "tests/editor/editor_test_support.h"

namespace lumora::testing {
namespace {

using EditorRows = EditorFixture;

const QByteArray kSub = "{25}{60}egy\r\n{70}{90}kettő\r\n{100}{120}három felirat\r\n";

std::vector<int> Numbers(const TFelirat& editor) {
  std::vector<int> numbers;
  for (const TableRow& row : editor.cds.Rows()) numbers.push_back(row.Sorszam.value_or(-1));
  return numbers;
}

TEST_F(EditorRows, append_takes_the_last_rows_end_and_marks_the_subtitle_changed) {
  TFelirat& editor = Open(kSub, "film.sub");
  EXPECT_FALSE(editor.Bmentes->isEnabled());
  editor.Bbeszuras->click();
  EXPECT_EQ(editor.cds.RecordCount(), 4u);
  EXPECT_EQ(editor.cds.RecNo(), 4u);
  EXPECT_EQ(editor.kezdes->text(), "120");
  EXPECT_EQ(editor.befejezes->text(), "130");
  EXPECT_EQ(editor.cds.Current().Sorszam, 4);
  EXPECT_TRUE(editor.Bmentes->isEnabled());
  EXPECT_EQ(editor.racs->model()->rowCount(), 4);

  editor.cburessor->setChecked(true);
  editor.Bbeszuras->click();
  EXPECT_EQ(editor.kezdes->text(), "");
  EXPECT_EQ(editor.befejezes->text(), "");
}

TEST_F(EditorRows, insert_before_and_after_number_and_fill_the_new_row) {
  TFelirat& editor = Open(kSub, "film.sub");
  ClickGridRow(editor.racs, 1);
  editor.pmsorele->trigger();
  EXPECT_EQ(editor.cds.RecNo(), 2u);
  EXPECT_EQ(editor.kezdes->text(), "60");
  EXPECT_EQ(editor.befejezes->text(), "70");
  EXPECT_EQ(Numbers(editor), (std::vector<int>{1, 1, 2, 3}));

  ClickGridRow(editor.racs, 2);
  editor.sormogeRacs->trigger();
  EXPECT_EQ(editor.cds.RecNo(), 4u);
  EXPECT_EQ(editor.kezdes->text(), "90");
  EXPECT_EQ(editor.befejezes->text(), "100");
  EXPECT_EQ(Numbers(editor), (std::vector<int>{1, 1, 2, 3, 3}));
  EXPECT_TRUE(editor.Bmentes->isEnabled());

  editor.Bmentes->setEnabled(false);
  editor.Bujra->click();
  EXPECT_EQ(Numbers(editor), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(editor.cds.RecNo(), 4u);
  EXPECT_FALSE(editor.Bmentes->isEnabled());  // renumbering alone is no change to save
  EXPECT_EQ(editor.racs->model()->index(4, 0).data().toInt(), 5);
}

TEST_F(EditorRows, deleting_the_last_row_disables_delete_and_an_empty_table_says_so) {
  TFelirat& editor = Open("{1}{2}csak egy\r\n", "film.sub");
  EXPECT_TRUE(editor.Btorles->isEnabled());
  editor.Btorles->click();
  EXPECT_TRUE(editor.cds.IsEmpty());
  EXPECT_FALSE(editor.Btorles->isEnabled());
  EXPECT_FALSE(editor.Belemoge->isEnabled());
  EXPECT_TRUE(editor.Bmentes->isEnabled());
  EXPECT_EQ(editor.kezdes->text(), "");

  editor.BtorlesClick();
  EXPECT_EQ(modal_.Messages(), QStringList{"Sor törlése|info|Nincs több sor a file-ban, ezért nem tud törölni!|"});

  editor.Bbeszuras->click();
  EXPECT_EQ(editor.cds.RecordCount(), 1u);
  EXPECT_TRUE(editor.Btorles->isEnabled());
  EXPECT_TRUE(editor.Bmentes->isEnabled());
  EXPECT_EQ(editor.kezdes->text(), "0");
}

TEST_F(EditorRows, tag_toggles_wrap_and_unwrap_with_their_check_marks) {
  TFelirat& editor = Open(kSub, "film.sub");
  editor.dolt->trigger();
  EXPECT_EQ(editor.cds.Current().Szoveg, "<i>egy</i>");
  EXPECT_TRUE(editor.dolt->isChecked());
  EXPECT_EQ(editor.szoveg->toPlainText(), "<i>egy</i>");
  editor.Vastagitott->trigger();
  EXPECT_EQ(editor.cds.Current().Szoveg, "<b><i>egy</i></b>");
  editor.dolt->trigger();
  EXPECT_EQ(editor.cds.Current().Szoveg, "<b>egy</b>");
  EXPECT_FALSE(editor.dolt->isChecked());
  EXPECT_TRUE(editor.Vastagitott->isChecked());
  editor.osszesel->trigger();
  EXPECT_EQ(editor.cds.Current().Szoveg, "egy");
  EXPECT_FALSE(editor.Vastagitott->isChecked());
  EXPECT_TRUE(editor.Bmentes->isEnabled());
}

TEST_F(EditorRows, a_tag_that_would_not_fit_leaves_the_row_and_says_why) {
  const QByteArray longText(148, 'x');
  TFelirat& editor = Open("{1}{2}" + longText + "\r\n", "film.sub");
  editor.Alahuzott->trigger();
  EXPECT_EQ(editor.cds.Current().Szoveg, longText.toStdString());
  ASSERT_EQ(modal_.Messages().size(), 1);
  EXPECT_TRUE(modal_.Messages()[0].contains("|info|")) << modal_.Messages()[0].toStdString();
  EXPECT_FALSE(editor.Alahuzott->isChecked());
  EXPECT_FALSE(editor.Bmentes->isEnabled());
}

TEST_F(EditorRows, cut_then_paste_moves_a_row_text) {
  TFelirat& editor = Open(kSub, "film.sub");
  EXPECT_FALSE(editor.Beillesztes->isEnabled());
  editor.Kivagas->trigger();
  EXPECT_EQ(editor.cds.Current().Szoveg, "");
  EXPECT_EQ(editor.sordarab->text(), "0=0 betű");
  EXPECT_TRUE(editor.Beillesztes->isEnabled());
  ClickGridRow(editor.racs, 2);
  editor.Beillesztes->trigger();
  EXPECT_EQ(editor.cds.Current().Szoveg, "egy");
  EXPECT_EQ(editor.szoveg->toPlainText(), "egy");
  EXPECT_EQ(State().RowClipboard, "egy");
  EXPECT_EQ(editor.racs->model()->index(2, 3).data().toString(), "egy");
}

TEST_F(EditorRows, quick_search_folds_a_to_z_and_reports_nothing_found) {
  TFelirat& editor = Open(kSub, "film.sub");
  EXPECT_TRUE(editor.Ekereses->isEnabled());
  editor.Ekereses->setText("FELIRAT");
  QTest::keyClick(editor.Ekereses, Qt::Key_Return);
  EXPECT_EQ(editor.cds.RecNo(), 3u);
  EXPECT_EQ(editor.kezdes->text(), "100");
  editor.Bkeresok->click();  // from the last row: nothing further
  EXPECT_EQ(editor.cds.RecNo(), 3u);
  EXPECT_EQ(modal_.Messages(), QStringList{"Információ|info|Nincs (több) ilyen: |FELIRAT"});
}

TEST_F(EditorRows, detailed_search_runs_beside_the_editor_with_its_options) {
  TFelirat& editor = Open("{1}{2}hatalom\r\n{3}{4}Hat, hét\r\n{5}{6}hat ember\r\n", "film.sub");
  editor.Ekereses->setText("hat");
  editor.BKreszletes->click();
  TReszletesK& search = *Windows().reszletesK;
  ASSERT_TRUE(search.isVisible());
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(search.parentWidget(), &editor);  // usable while the editor is modal
  EXPECT_EQ(search.ERkereses->text(), "hat");

  search.cbteljes->setChecked(true);
  search.Bkeresok->click();
  EXPECT_EQ(editor.cds.RecNo(), 2u);  // "Hat," is a whole word; case folds
  search.cbkisnagy->setChecked(true);
  QTest::keyClick(search.ERkereses, Qt::Key_Return);
  EXPECT_EQ(editor.cds.RecNo(), 3u);
  EXPECT_EQ(editor.szoveg->toPlainText(), "hat ember");

  search.cbvissza->setChecked(true);
  search.cbkisnagy->setChecked(false);
  search.Bkeresok->click();
  EXPECT_EQ(editor.cds.RecNo(), 2u);
  search.Bkeresok->click();  // "hatalom" holds "hat" only inside a word
  EXPECT_EQ(editor.cds.RecNo(), 2u);
  EXPECT_EQ(modal_.Messages(), QStringList{"Információ|info|Nincs (több) ilyen: |hat"});

  editor.Show();  // the editor's activation closes the search window
  EXPECT_FALSE(search.isVisible());
}

TEST_F(EditorRows, a_new_subtitle_leaves_the_grid_pop_up_disabled) {
  Start();
  TFelirat& editor = *Windows().felirat;
  State().EditorEntry = "uj";
  modal_.Then("TFelirat", [&editor](Form&) {
    for (QAction* item : {editor.dolt, editor.soreleRacs, editor.Kivagas, editor.Beillesztes}) {
      EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    }
    EXPECT_TRUE(editor.Bkeresok->isEnabled());
    EXPECT_TRUE(editor.Belemoge->isEnabled());
    editor.pmsormoge->trigger();
    EXPECT_EQ(editor.cds.RecordCount(), 2u);
    EXPECT_EQ(editor.kezdes->text(), "00:00:01,000");
    EXPECT_EQ(editor.cds.Current().Sorszam, 1);  // behind the last row the number repeats
  });
  Windows().ujFelirat->Button1->click();
  EXPECT_EQ(modal_.PendingSteps(), 0u);
}

}  // namespace
}  // namespace lumora::testing
