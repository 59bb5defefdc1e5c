#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "shell/TKiszoveg.h"
#include "tests/support/app_fixture.h"

namespace lumora::testing {
namespace {

class MessageWindow : public AppFixture {
 protected:
  void SetUp() override { Build(); }
  TKiszoveg& Box() { return *Windows().kiszoveg; }
  // Keeps the window open after showing, so its geometry can be read.
  void LeaveOpen() {
    modal_.Then("TKiszoveg", [](Form&) {});
  }
};

TEST_F(MessageWindow, one_line_message_centres_ok_at_minimum_width) {
  LeaveOpen();
  Box().ShowMessageBox("Cím", "info", "Rövid", false, false, true, "");
  EXPECT_EQ(Box().width(), 330);
  EXPECT_EQ(Box().height(), 135);
  EXPECT_EQ(Box().Bok->x(), 127);
  EXPECT_EQ(Box().szoveg->y(), 20);
  EXPECT_EQ(Box().szoveg->x(), 68);
  EXPECT_FALSE(Box().InfoI->isHidden());
  EXPECT_TRUE(Box().KerdesI->isHidden());
  EXPECT_TRUE(Box().HibaI->isHidden());
  EXPECT_TRUE(Box().Bigen->isHidden());
  EXPECT_EQ(Box().windowTitle(), "Cím");
}

TEST_F(MessageWindow, width_follows_the_label_with_more_characters) {
  const QString longLine(120, QChar('W'));
  const QString shortLine(10, QChar('i'));
  LeaveOpen();
  Box().ShowMessageBox("c", "hiba", shortLine, false, false, true, longLine);
  const int longWidth = Box().szoveg2->fontMetrics().horizontalAdvance(longLine);
  EXPECT_EQ(Box().width(), longWidth + 100);
  EXPECT_EQ(Box().szoveg->y(), 18);
  EXPECT_EQ(Box().szoveg2->y(), 36);

  // Equal character counts: the second label decides, even when the first is wider in pixels.
  const QString wide(60, QChar('W'));
  const QString narrow(60, QChar('i'));
  LeaveOpen();
  Box().ShowMessageBox("c", "hiba", wide, false, false, true, narrow);
  EXPECT_EQ(Box().width(), std::max(330, Box().szoveg2->fontMetrics().horizontalAdvance(narrow) + 100));
}

TEST_F(MessageWindow, question_buttons_stand_at_68_and_160_whatever_the_width) {
  LeaveOpen();
  Box().ShowMessageBox("c", "kerdes", QString(100, QChar('M')), true, true, false, "");
  EXPECT_EQ(Box().Bigen->x(), 68);
  EXPECT_EQ(Box().Bmegse->x(), 160);
  EXPECT_EQ(Box().Bigen->y(), 66);
  EXPECT_TRUE(Box().Bok->isHidden());
  EXPECT_FALSE(Box().KerdesI->isHidden());
}

TEST_F(MessageWindow, an_unknown_kind_keeps_the_previous_icon) {
  Box().ShowMessageBox("c", "hiba", "x", false, false, true, "");
  Box().ShowMessageBox("c", "valami", "x", false, false, true, "");
  EXPECT_FALSE(Box().HibaI->isHidden());
  EXPECT_TRUE(Box().InfoI->isHidden());
}

TEST_F(MessageWindow, ok_keeps_its_place_when_not_alone) {
  LeaveOpen();
  Box().ShowMessageBox("c", "info", "x", false, false, true, "");
  Box().Bok->click();
  Box().ShowMessageBox("c", "info", QString(90, QChar('W')), true, false, true, "");
  EXPECT_EQ(Box().Bok->x(), 127);
}

struct AnswerCase {
  const char* pending;
  const char* button;
  const char* after;
};

class MessageAnswers : public MessageWindow, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(MessageAnswers, buttons_turn_the_pending_word_into_the_answer) {
  State().DialogAnswer = GetParam().pending;
  const QString button = GetParam().button;
  modal_.Then("TKiszoveg", [button](Form& f) { f.findChild<QPushButton*>(button)->click(); });
  Box().ShowMessageBox("c", "kerdes", "Kérdés?", true, true, false, "");
  EXPECT_EQ(State().DialogAnswer, GetParam().after);
  EXPECT_FALSE(Box().isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Protocol, MessageAnswers,
    ::testing::Values(AnswerCase{"semmit", "Bigen", "igen"}, AnswerCase{"semmit", "Bmegse", "nem"},
                      AnswerCase{"felulir", "Bigen", "igen"}, AnswerCase{"felulir", "Bmegse", "nem"},
                      AnswerCase{"felbontas", "Bigen", "igen"}, AnswerCase{"felbontas", "Bmegse", "nem"},
                      AnswerCase{"mentes2", "Bmegse", "mentes2"}, AnswerCase{"egyeb", "Bigen", "egyeb"},
                      AnswerCase{"egyeb", "Bmegse", "egyeb"}, AnswerCase{"semmit", "Bok", "semmit"}));

TEST_F(MessageWindow, enter_presses_the_default_and_escape_presses_nem) {
  State().DialogAnswer = "semmit";
  modal_.Then("TKiszoveg", [](Form& f) { QTest::keyClick(f.findChild<QPushButton*>("Bmegse"), Qt::Key_Return); });
  Box().ShowMessageBox("c", "kerdes", "q", true, true, false, "");
  EXPECT_EQ(State().DialogAnswer, "igen");

  State().DialogAnswer = "semmit";
  modal_.Then("TKiszoveg", [](Form& f) { QTest::keyClick(f.findChild<QPushButton*>("Bigen"), Qt::Key_Escape); });
  Box().ShowMessageBox("c", "kerdes", "q", true, true, false, "");
  EXPECT_EQ(State().DialogAnswer, "nem");

  modal_.Then("TKiszoveg", [](Form& f) { QTest::keyClick(&f, Qt::Key_Enter); });
  Box().ShowMessageBox("c", "info", "m", false, false, true, "");
  EXPECT_FALSE(Box().isVisible());
}

TEST_F(MessageWindow, felulir_yes_runs_the_overwrite_action) {
  int closed = 0;
  Box().SetOverwriteAcceptedAction([&] { ++closed; });
  State().DialogAnswer = "felulir";
  modal_.Press("Bigen");
  Box().ShowMessageBox("Létező file", "kerdes", "Már létezik a file!", true, true, false, "Felülírjam?");
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(State().DialogAnswer, "igen");
}

TEST_F(MessageWindow, save_on_close_is_muted_and_the_muting_ends_with_the_save) {
  Box().SetSaveOnCloseAction([&] {
    EXPECT_EQ(State().DialogAnswer, "mentes3");
    EXPECT_TRUE(State().MessagesMuted);
    // A message of the save is not shown...
    Box().ShowMessageBox("Mentés", "info", "A file-t elmentettem!", false, false, true, "");
    // ...but the overwrite question is, and answering it keeps the rest of the save muted.
    State().DialogAnswer = "felulir";
    Box().ShowMessageBox("Létező file", "kerdes", "Már létezik a file!", true, true, false, "Felülírjam?");
    EXPECT_TRUE(State().MessagesMuted);
    Box().ShowMessageBox("Mentés", "info", "A file-t elmentettem!", false, false, true, "");
  });
  modal_.Press("Bigen");  // "Elmenti?"
  modal_.Press("Bigen");  // "Már létezik a file!"
  Box().Ask("mentes2", "A felirat mentése!", "A felirat módosítva lett!", "Elmenti?");
  EXPECT_EQ(modal_.Messages(),
            (QStringList{"A felirat mentése!|kerdes|A felirat módosítva lett!|Elmenti?",
                         "Létező file|kerdes|Már létezik a file!|Felülírjam?"}));
  EXPECT_FALSE(State().MessagesMuted);
  EXPECT_EQ(State().DialogAnswer, "igen");  // the overwrite answer; "mentes3" is gone
  // After the save, messages are shown again.
  Box().ShowMessageBox("c", "info", "látható", false, false, true, "");
  EXPECT_EQ(modal_.Messages().size(), 3);
}

}  // namespace
}  // namespace lumora::testing
