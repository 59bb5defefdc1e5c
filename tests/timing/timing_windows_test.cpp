// The timing tools as the user reaches them: the shift field, the detailed shift window, the
// Frame/Time switch and the frame-rate window.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>

#include "shell/TFileneve.h"
#include "shell/folder_browser.h"
#include "tests/editor/editor_test_support.h"
#include "timing/TFpsValtas.h"
#include "timing/TReszletes.h"

namespace lumora::testing {
namespace {

using TimingWindows = EditorFixture;

QByteArray TwentyFrameRows() {
  QByteArray out;
  for (int i = 1; i <= 20; ++i) out += "{" + QByteArray::number(i * 10) + "}{" + QByteArray::number(i * 10 + 5) + "}s\r\n";
  return out;
}

std::vector<std::string> Starts(const TFelirat& editor) {
  std::vector<std::string> starts;
  for (const TableRow& row : editor.cds.Rows()) starts.push_back(row.Kezdes.str());
  return starts;
}

TEST_F(TimingWindows, shift_field_runs_on_enter_and_resets) {
  TFelirat& editor = Open("{50}{120}a\r\n{200}{300}b\r\n", "film.sub");
  ClickGridRow(editor.racs, 1);
  editor.CbPM->setCurrentText("-");
  editor.Emodositas->setFocus();
  editor.Emodositas->selectAll();
  QTest::keyClicks(editor.Emodositas, "1a00");
  EXPECT_EQ(editor.Emodositas->text(), "100");
  QTest::keyClick(editor.Emodositas, Qt::Key_Return);
  EXPECT_EQ(editor.cds.At(0).Kezdes, "0");
  EXPECT_EQ(editor.cds.At(0).Befejezes, "20");
  EXPECT_EQ(editor.cds.At(1).Kezdes, "100");
  EXPECT_EQ(editor.cds.RecNo(), 1u);
  EXPECT_EQ(editor.kezdes->text(), "0");
  EXPECT_EQ(editor.Emodositas->text(), "0");
  EXPECT_TRUE(editor.Bmentes->isEnabled());
  EXPECT_TRUE(editor.Mentes1->isEnabled());
}

TEST_F(TimingWindows, zero_and_refused_shift_values_change_nothing) {
  TFelirat& editor = Open("{50}{120}a\r\n", "film.sub");
  editor.Bmodok->click();
  EXPECT_EQ(modal_.Messages(), QStringList{"Felhívás|info|0-val nem lenne értelme módosítani!|"});
  editor.Emodositas->setText("05");
  editor.Bmodok->click();
  EXPECT_EQ(modal_.Messages().last(), "Hiba!|hiba|Hiba az értékben!|0-val nem kezdődhet az érték!");
  EXPECT_EQ(editor.Emodositas->text(), "05");
  EXPECT_EQ(editor.cds.At(0).Kezdes, "50");
  EXPECT_FALSE(editor.Bmentes->isEnabled());
}

TEST_F(TimingWindows, time_shift_field_keeps_its_separators) {
  TFelirat& editor = Open("1\r\n00:00:03,000 --> 00:00:04,500\r\na\r\n\r\n");
  EXPECT_EQ(editor.Emodositas->text(), "00:00:00,000");
  editor.Emodositas->setFocus();
  editor.Emodositas->setCursorPosition(2);
  QTest::keyClick(editor.Emodositas, Qt::Key_Delete);
  editor.Emodositas->setCursorPosition(6);
  QTest::keyClick(editor.Emodositas, Qt::Key_Backspace);
  EXPECT_EQ(editor.Emodositas->text(), "00:00:00,000");
}

TEST_F(TimingWindows, detailed_shift_controls_follow_the_choices) {
  TFelirat& editor = Open(TwentyFrameRows(), "film.sub");
  TReszletes& window = *Windows().reszletes;
  modal_.Then("TReszletes", [&](Form&) {
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(window.RBEgesz->isChecked());
    EXPECT_FALSE(window.GBFL->isEnabled());
    EXPECT_EQ(window.Edit4->text(), "10");
    EXPECT_EQ(window.Edit3->text(), "Frame");

    window.RBApont->click();
    EXPECT_TRUE(window.GBFL->isEnabled());
    EXPECT_TRUE(window.GBF->isEnabled());
    EXPECT_FALSE(window.GBL->isEnabled());
    EXPECT_TRUE(window.Felfele->isChecked());
    EXPECT_TRUE(window.RB1->isChecked());

    window.Lefele->click();
    EXPECT_FALSE(window.GBF->isEnabled());
    EXPECT_TRUE(window.GBL->isEnabled());
    EXPECT_TRUE(window.RB3->isChecked());
    EXPECT_FALSE(window.RB1->isChecked());
    EXPECT_FALSE(window.Edit2->isEnabled());
    window.RB4->click();
    EXPECT_TRUE(window.Edit2->isEnabled());
    QTest::keyClicks(window.Edit2, "3x");
    EXPECT_EQ(window.Edit2->text(), "3");
    EXPECT_EQ(window.Edit7->text(), "3");

    window.cbKezdo->click();
    window.cbBefejezo->click();
    EXPECT_FALSE(window.Bmodok->isEnabled());
    window.cbKezdo->click();
    EXPECT_TRUE(window.Bmodok->isEnabled());

    window.RBEgesz->click();
    EXPECT_FALSE(window.GBFL->isEnabled());
    EXPECT_FALSE(window.Lefele->isChecked());
    EXPECT_FALSE(window.RB4->isChecked());
    EXPECT_EQ(window.Edit2->text(), "");
    window.Button1->click();
  });
  editor.Breszletes->click();
  EXPECT_TRUE(editor.isVisible());
  EXPECT_FALSE(window.isVisible());
}

TEST_F(TimingWindows, detailed_shift_upwards_changes_the_rows_up_to_the_current_one) {
  TFelirat& editor = Open(TwentyFrameRows(), "film.sub");
  editor.cds.SetRecNo(10);
  TReszletes& window = *Windows().reszletes;
  modal_.Then("TReszletes", [&](Form&) {
    window.Emodositas2->setText("25");
    window.RBApont->click();
    window.Bmodok->click();
  });
  editor.Breszletes->click();
  EXPECT_EQ(editor.cds.At(0).Kezdes, "35");
  EXPECT_EQ(editor.cds.At(9).Kezdes, "125");
  EXPECT_EQ(editor.cds.At(9).Befejezes, "130");
  EXPECT_EQ(editor.cds.At(10).Kezdes, "110");
  EXPECT_EQ(editor.cds.RecNo(), 10u);
  EXPECT_TRUE(editor.isVisible());
  EXPECT_FALSE(State().BusyFlag);
  EXPECT_TRUE(editor.Bmentes->isEnabled());
}

TEST_F(TimingWindows, detailed_shift_downwards_a_count_of_start_values_only) {
  TFelirat& editor = Open(TwentyFrameRows(), "film.sub");
  editor.cds.SetRecNo(18);
  TReszletes& window = *Windows().reszletes;
  modal_.Then("TReszletes", [&](Form&) {
    window.Emodositas2->setText("5");
    window.RBApont->click();
    window.Lefele->click();
    window.RB4->click();
    QTest::keyClicks(window.Edit2, "5");
    window.cbBefejezo->click();
    window.Bmodok->click();
  });
  editor.Breszletes->click();
  const auto starts = Starts(editor);
  EXPECT_EQ(starts[16], "170");
  EXPECT_EQ(starts[17], "185");
  EXPECT_EQ(starts[19], "205");
  EXPECT_EQ(editor.cds.At(19).Befejezes, "205");  // end values untouched
}

TEST_F(TimingWindows, detailed_shift_refuses_a_missing_count_and_a_zero_value) {
  TFelirat& editor = Open(TwentyFrameRows(), "film.sub");
  TReszletes& window = *Windows().reszletes;
  modal_.Then("TReszletes", [&](Form&) {
    window.RBApont->click();
    window.RB2->click();
    window.Bmodok->click();  // value "0", no count: both notices
    EXPECT_TRUE(window.isVisible());
    window.Button1->click();
  });
  editor.Breszletes->click();
  EXPECT_EQ(modal_.Messages(), (QStringList{"Felhívás|info|0-val nem lenne értelme módosítani!|",
                                            "Felhívás|info|Kérem nagyobb számot üssön be a darabhoz!|"}));
  EXPECT_EQ(editor.cds.At(0).Kezdes, "10");
}

TEST_F(TimingWindows, whole_shift_from_the_window_uses_its_sign_and_closes_only_in_time_mode) {
  TFelirat& frames = Open(TwentyFrameRows(), "film.sub");
  TReszletes& window = *Windows().reszletes;
  modal_.Then("TReszletes", [&](Form&) {
    window.CbPMR->setCurrentText("-");
    window.Emodositas2->setText("5");
    window.Bmodok->click();
    EXPECT_TRUE(window.isVisible());  // Frame mode: stays open
    window.Button1->click();
  });
  frames.Breszletes->click();
  EXPECT_EQ(frames.cds.At(0).Kezdes, "5");
  EXPECT_EQ(frames.CbPM->currentText(), "-");

  TFelirat& times = Open("1\r\n00:00:05,000 --> 00:00:08,000\r\na\r\n\r\n");
  TReszletes& window2 = *Windows().reszletes;
  modal_.Then("TReszletes", [&](Form&) {
    window2.CbPMR->setCurrentText("-");
    window2.Emodositas2->setText("00:00:10,000");
    window2.Bmodok->click();
  });
  times.Breszletes->click();
  EXPECT_FALSE(window2.isVisible());
  EXPECT_TRUE(times.isVisible());
  EXPECT_EQ(times.cds.At(0).Kezdes, "00:00:00,000");
  EXPECT_EQ(times.cds.At(0).Befejezes, "00:00:00,000");
}

TEST_F(TimingWindows, switching_to_time_converts_and_the_next_save_asks_for_a_fitting_name) {
  TFelirat& editor = Open("{25}{50}a\r\n{}{50}b\r\n", "film.sub");
  EXPECT_EQ(State().LoadedKind, "Frame");
  editor.cbFps->setCurrentText("25");
  editor.beosztas->setCurrentIndex(1);
  emit editor.beosztas->textActivated("Time");
  EXPECT_EQ(State().LoadedKind, "Time");
  EXPECT_EQ(editor.cds.At(0).Kezdes, "00:00:01,000");
  EXPECT_EQ(editor.cds.At(1).Kezdes, "00:00:02,000");
  EXPECT_EQ(editor.kezdes->text(), "00:00:01,000");
  EXPECT_EQ(editor.Emodositas->text(), "00:00:00,000");
  EXPECT_EQ(editor.kezdes->maxLength(), 12);
  EXPECT_TRUE(editor.Bmentes->isEnabled());

  modal_.Then("TFileneve", [this](Form& form) {
    auto& window = static_cast<TFileneve&>(form);
    window.browser->SetDirectory(dir_.path());
    QTest::keyClicks(window.e1, "film");
    window.Bok->click();
  });
  editor.Bmentes->click();
  EXPECT_EQ(modal_.Messages().first(), "Eltérés!|info|A file neve nem egyezik meg a típussal!|Következmény: filenév bekérés");
  EXPECT_EQ(ReadBytes(PathOf("film.srt")),
            QByteArray("1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n2\r\n00:00:02,000 --> 00:00:02,000\r\nb\r\n\r\n"));

  // Back to frames: 25 -> 00:00:01,000 -> 25.
  emit editor.beosztas->textActivated("Frame");
  EXPECT_EQ(editor.cds.At(0).Kezdes, "25");
  EXPECT_EQ(State().LoadedKind, "Frame");
}

TEST_F(TimingWindows, frame_rate_window_offers_the_other_rates_and_converts) {
  TFelirat& editor = Open("{100}{1}a\r\n", "film.sub");
  TFpsValtas& window = *Windows().fpsValtas;
  modal_.Then("TFpsValtas", [&](Form&) {
    EXPECT_EQ(window.cb1->currentText(), "");
    window.cb1->setCurrentText("30");
    emit window.cb1->activated(window.cb1->currentIndex());
    QStringList offered;
    for (int i = 0; i < window.cb2->count(); ++i) offered << window.cb2->itemText(i);
    EXPECT_EQ(offered, (QStringList{"15", "20", "23,976", "24", "25", "29,976"}));
    EXPECT_EQ(window.cb2->currentText(), "15");
    window.cb1->setCurrentText("25");
    emit window.cb1->activated(window.cb1->currentIndex());
    window.cb2->setCurrentText("30");
    window.Button1->click();
  });
  editor.Batvaltas->click();
  EXPECT_EQ(editor.cds.At(0).Kezdes, "120");
  EXPECT_EQ(editor.cds.At(0).Befejezes, "1");
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(modal_.Messages(), QStringList{"FPS módosítás|info|Az átváltás megtörtént!|"});
  EXPECT_TRUE(editor.Bmentes->isEnabled());
}

TEST_F(TimingWindows, frame_rate_window_without_rates_changes_nothing_and_says_so) {
  TFelirat& editor = Open("{100}{1}a\r\n", "film.sub");
  TFpsValtas& window = *Windows().fpsValtas;
  modal_.Then("TFpsValtas", [&](Form&) {
    window.Button1->click();
    EXPECT_TRUE(window.isVisible());
    window.Button2->click();
  });
  editor.Batvaltas->click();
  EXPECT_EQ(editor.cds.At(0).Kezdes, "100");
  ASSERT_EQ(modal_.Messages().size(), 1);
  EXPECT_FALSE(editor.Bmentes->isEnabled());
}

}  // namespace
}  // namespace lumora::testing
