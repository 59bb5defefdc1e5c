// The editor's current-row fields, keys, navigation, colouring and arrangements.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QWheelEvent>

#include "editor/TFelirat.h"
#include "tests/editor/editor_test_support.h"

namespace lumora::testing {
namespace {

using EditorFields = EditorFixture;

QByteArray Srt(std::initializer_list<const char*> blocks) {
  QByteArray out;
  int n = 1;
  for (const char* block : blocks) out += QByteArray::number(n++) + "\r\n" + block + "\r\n\r\n";
  return out;
}

TEST_F(EditorFields, row_text_shows_its_lines_and_the_counter) {
  TFelirat& editor = Open(Srt({"00:00:01,000 --> 00:00:02,000\r\nElső sor\r\nMásodik"}));
  EXPECT_EQ(editor.szoveg->toPlainText(), "Első sor\nMásodik");
  EXPECT_EQ(editor.sordarab->text(), "8+7=15 betű");
}

TEST_F(EditorFields, difference_turns_red_when_negative_in_both_modes) {
  TFelirat& time = Open(Srt({"00:00:05,000 --> 00:00:03,500\r\nx"}));
  EXPECT_EQ(time.kulonbseg->text(), "-00:00:01,500");
  EXPECT_EQ(time.kulonbseg->palette().color(QPalette::Base), QColor(Qt::red));

  TFelirat& frame = Open("{100}{90}x\r\n{1}{5}y\r\n", "film.sub");
  EXPECT_EQ(frame.kulonbseg->text(), "-10");
  EXPECT_EQ(frame.kulonbseg->palette().color(QPalette::Base), QColor(Qt::red));
  ClickGridRow(frame.racs, 1);
  EXPECT_EQ(frame.kulonbseg->text(), "4");
  EXPECT_EQ(frame.kulonbseg->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(EditorFields, applying_refuses_a_bad_value_with_its_message) {
  TFelirat& editor = Open(Srt({"00:00:01,000 --> 00:00:02,000\r\nx"}));
  editor.kezdes->selectAll();
  QTest::keyClicks(editor.kezdes, "25:00:00,000");
  modal_.Press("Bok");
  editor.Bertek->click();
  EXPECT_EQ(modal_.Messages(), QStringList{"Hiba!|hiba|Túl nagy időt ütött be!|Az óra kisebb legyen mint 24!"});
  EXPECT_EQ(editor.cds.Current().Kezdes, "00:00:01,000");
  EXPECT_EQ(editor.kezdes->text(), "25:00:00,000");
  EXPECT_FALSE(editor.Bmentes->isEnabled());
}

TEST_F(EditorFields, value_keys_keep_the_time_separators) {
  TFelirat& editor = Open(Srt({"00:00:01,000 --> 00:00:02,000\r\nx"}));
  editor.kezdes->setFocus();
  for (int caret : {2, 5, 8}) {
    editor.kezdes->setCursorPosition(caret);
    QTest::keyClick(editor.kezdes, Qt::Key_Delete);
  }
  for (int caret : {3, 6, 9}) {
    editor.kezdes->setCursorPosition(caret);
    QTest::keyClick(editor.kezdes, Qt::Key_Backspace);
  }
  EXPECT_EQ(editor.kezdes->text(), "00:00:01,000");
  EXPECT_FALSE(editor.Bertek->isEnabled());
  QTest::keyClick(editor.kezdes, Qt::Key_Return);
  EXPECT_TRUE(editor.befejezes->hasFocus());
}

TEST_F(EditorFields, frame_fields_take_digits_only) {
  TFelirat& editor = Open("{1}{5}x\r\n", "film.sub");
  editor.befejezes->setFocus();
  editor.befejezes->setCursorPosition(1);
  QTest::keyClicks(editor.befejezes, ":a,0");
  EXPECT_EQ(editor.befejezes->text(), "50");
  EXPECT_EQ(editor.befejezes->maxLength(), 6);
}

TEST_F(EditorFields, colouring_marks_long_and_many_lined_rows) {
  const std::string forty(40, 'a');
  TFelirat& editor =
      Open(Srt({("00:00:01,000 --> 00:00:02,000\r\n" + forty).c_str(), "00:00:03,000 --> 00:00:04,000\r\na\r\nb\r\nc",
                ("00:00:05,000 --> 00:00:06,000\r\n" + forty + "\r\nb\r\nc").c_str()}));
  EXPECT_EQ(editor.sordarab->text(), "40 betű");
  QAbstractItemModel* grid = editor.racs->model();
  const auto colour = [grid](int row) { return grid->index(row, 3).data(Qt::BackgroundRole); };
  EXPECT_FALSE(colour(0).isValid());
  editor.Cbtobb->setChecked(true);
  EXPECT_EQ(colour(0).value<QColor>(), QColor(Qt::red));
  EXPECT_FALSE(colour(1).isValid());
  editor.CB3sor->setChecked(true);
  EXPECT_EQ(colour(1).value<QColor>(), QColor(Qt::green));
  EXPECT_EQ(colour(2).value<QColor>(), QColor(Qt::green));  // green wins
  EXPECT_EQ(grid->index(2, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::green));
}

TEST_F(EditorFields, jump_goes_by_position_and_renumbers) {
  TFelirat& editor = Open("{1}{2}a\r\n{3}{4}b\r\n{5}{6}c\r\n", "film.sub");
  editor.cds.SetRecNo(2);
  editor.cds.SetSorszam(7);  // out of order, as after an insert
  editor.Eugras->setText("9999");
  editor.Bugras->click();
  EXPECT_EQ(editor.cds.RecNo(), 3u);
  EXPECT_EQ(editor.kezdes->text(), "5");
  editor.Eugras->setText("2");
  QTest::keyClick(editor.Eugras, Qt::Key_Return);
  EXPECT_EQ(editor.cds.RecNo(), 2u);
  EXPECT_EQ(editor.cds.Current().Sorszam, 2);
  EXPECT_EQ(editor.racs->model()->index(1, 0).data().toInt(), 2);
  QTest::keyClicks(editor.Eugras, "x");
  EXPECT_EQ(editor.Eugras->text(), "2");
}

TEST_F(EditorFields, first_last_and_carry_end_to_next_row) {
  TFelirat& editor = Open("{1}{2}a\r\n{3}{4}b\r\n", "film.sub");
  EXPECT_TRUE(editor.Belso->isVisibleTo(&editor));
  editor.Butolso->click();
  EXPECT_EQ(editor.kezdes->text(), "3");
  editor.Belso->click();
  editor.Bvegelso->click();
  EXPECT_EQ(editor.cds.RecNo(), 2u);
  EXPECT_EQ(editor.kezdes->text(), "2");
  EXPECT_TRUE(editor.Bmentes->isEnabled());
  editor.Bvegelso->click();  // on the last row there is no next row
  EXPECT_EQ(editor.cds.RecNo(), 2u);
  EXPECT_EQ(editor.cds.Current().Kezdes, "2");
}

TEST_F(EditorFields, mouse_wheel_moves_the_grid_row_by_row) {
  TFelirat& editor = Open("{1}{2}a\r\n{3}{4}b\r\n{5}{6}c\r\n", "film.sub");
  editor.racs->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), editor.racs);
  QWheelEvent towardsUser({10, 10}, {10, 10}, {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(editor.racs->viewport(), &towardsUser);
  EXPECT_EQ(editor.cds.RecNo(), 2u);
  EXPECT_EQ(editor.kezdes->text(), "3");
}

TEST_F(EditorFields, file_name_field_sends_the_focus_to_browse) {
  TFelirat& editor = Open("{1}{2}a\r\n", "film.sub");
  editor.Efilenev->setFocus();
  QTest::keyClicks(editor.Efilenev, "abc");
  EXPECT_EQ(editor.Efilenev->text(), "film.sub");
  EXPECT_TRUE(editor.Btallozas->hasFocus());
}

TEST_F(EditorFields, escape_closes_the_editor) {
  TFelirat& editor = Open("{1}{2}a\r\n", "film.sub");
  QTest::keyClick(editor.kezdes, Qt::Key_Escape);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(State().RouteState, "ki");
}

TEST_F(EditorFields, arrangements_follow_the_screen) {
  EXPECT_EQ(Open("{1}{2}a\r\n", "a.sub", {1024, 768}).racs->geometry().size(), QSize(745, 513));
  EXPECT_EQ(Open("{1}{2}a\r\n", "a.sub", {1280, 1024}).racs->geometry().size(), QSize(745, 515));
  EXPECT_EQ(Open("{1}{2}a\r\n", "a.sub", {1100, 700}).racs->geometry().size(), QSize(745, 487));
  TFelirat& small = Open("{1}{2}a\r\n", "a.sub", {800, 600});
  EXPECT_EQ(small.racs->geometry().size(), QSize(609, 273));
  EXPECT_FALSE(small.Felbonts1->isEnabled());
  EXPECT_TRUE(small.Felbonts2->isEnabled());
}

TEST_F(EditorFields, layout_menu_asks_and_switches) {
  TFelirat& editor = Open("{1}{2}a\r\n", "a.sub", {1280, 1024});
  modal_.Press("Bmegse");
  editor.Felbonts1->trigger();
  EXPECT_EQ(State().LayoutMode, "1024x768");
  EXPECT_EQ(editor.racs->width(), 745);

  modal_.Press("Bigen");
  editor.Felbonts1->trigger();
  EXPECT_EQ(State().LayoutMode, "800x600");
  EXPECT_EQ(editor.racs->geometry().size(), QSize(609, 273));
  EXPECT_FALSE(editor.Felbonts1->isEnabled());
  EXPECT_TRUE(editor.Felbonts2->isEnabled());
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(modal_.Messages()[0],
            "Felbontás átállítása!|kerdes|Biztos át akar térni a 800x600-as programbéli felbontásra?|");
}

TEST_F(EditorFields, layout_menu_refuses_1024_on_a_small_screen) {
  TFelirat& editor = Open("{1}{2}a\r\n", "a.sub", {800, 600});
  editor.Felbonts2->trigger();
  EXPECT_EQ(modal_.Messages(), QStringList{"Felbontás átállítása!|info|Túl kicsi a képernyő felbontása ahhoz,|hogy "
                                           "átállítsam a program felbontását!"});
  EXPECT_EQ(State().LayoutMode, "800x600");
}

}  // namespace
}  // namespace lumora::testing
