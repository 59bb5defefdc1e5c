// The roads a user takes through the editor: open, edit and save; a new subtitle; closing;
// a file with a bad line; the command-line file; back to the main menu.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>

#include "editor/TFelirat.h"
#include "shell/TFileneve.h"
#include "shell/TFoForm.h"
#include "shell/TKereses.h"
#include "shell/TUjFelirat.h"
#include "shell/folder_browser.h"
#include "tests/support/app_fixture.h"
#include "tests/support/window_helpers.h"

namespace lumora::testing {
namespace {

const QByteArray kThreeBlocks =
    "1\r\n00:00:01,000 --> 00:00:02,000\r\nElső\r\n\r\n"
    "2\r\n00:00:03,000 --> 00:00:04,000\r\nMásodik|sor\r\n\r\n"
    "3\r\n00:00:05,000 --> 00:00:06,000\r\nHarmadik\r\n\r\n";

class EditorRoutes : public AppFixture {
 protected:
  TFelirat& Editor() { return *Windows().felirat; }
  QString PathOf(const QString& name) const { return QDir(dir_.path()).filePath(name); }

  // Script for the open dialog: choose a file of the temporary folder and open it.
  void ChooseInOpenDialog(const QString& name) {
    modal_.Then("TKereses", [this, name](Form& form) {
      auto& dialog = static_cast<TKereses&>(form);
      dialog.browser->SetDirectory(dir_.path());
      ClickListItem(dialog.filelistbox, name);
      dialog.megnyitas->click();
    });
  }
  // Script for a window that stays open for the test to use.
  void LeaveOpen(const QString& window) {
    modal_.Then(window, [](Form&) {});
  }
  void NameInFileNameWindow(const QString& name) {
    modal_.Then("TFileneve", [this, name](Form& form) {
      auto& window = static_cast<TFileneve&>(form);
      window.browser->SetDirectory(dir_.path());
      QTest::keyClicks(window.e1, name);
      window.Bok->click();
    });
  }

  QTemporaryDir dir_;
};

TEST_F(EditorRoutes, open_edit_end_apply_and_save_writes_only_that_change) {
  WriteBytes(PathOf("film.srt"), kThreeBlocks);
  Start();
  ChooseInOpenDialog("film.srt");
  LeaveOpen("TFelirat");
  Windows().foForm->BitBtn3->click();

  TFelirat& editor = Editor();
  ASSERT_TRUE(editor.isVisible());
  EXPECT_FALSE(Windows().foForm->isVisible());
  EXPECT_EQ(editor.racs->model()->rowCount(), 3);
  EXPECT_EQ(editor.kezdes->text(), "00:00:01,000");
  EXPECT_EQ(editor.szoveg->toPlainText(), "Első");
  EXPECT_EQ(editor.Efilenev->text(), "film.srt");
  EXPECT_FALSE(editor.Bmentes->isEnabled());
  EXPECT_TRUE(editor.BMMN->isEnabled());
  EXPECT_EQ(State().RouteState, "felvitt");

  ClickGridRow(editor.racs, 1);
  EXPECT_EQ(editor.befejezes->text(), "00:00:04,000");
  EXPECT_EQ(editor.szoveg->toPlainText(), "Második\nsor");
  EXPECT_FALSE(editor.Bertek->isEnabled());
  editor.befejezes->setFocus();
  editor.befejezes->setCursorPosition(12);
  for (int i = 0; i < 3; ++i) QTest::keyClick(editor.befejezes, Qt::Key_Backspace);
  QTest::keyClicks(editor.befejezes, "5x00");  // the letter is refused
  EXPECT_EQ(editor.befejezes->text(), "00:00:04,500");
  EXPECT_TRUE(editor.Bertek->isEnabled());
  editor.Bertek->click();
  EXPECT_TRUE(editor.Bmentes->isEnabled());
  EXPECT_FALSE(editor.Bertek->isEnabled());
  EXPECT_EQ(editor.kulonbseg->text(), "00:00:01,500");

  editor.Bmentes->click();
  QByteArray expected = kThreeBlocks;
  expected.replace("00:00:03,000 --> 00:00:04,000", "00:00:03,000 --> 00:00:04,500");
  expected.replace("Második|sor", "Második\r\nsor");
  EXPECT_EQ(ReadBytes(PathOf("film.srt")), expected);
  EXPECT_FALSE(editor.Bmentes->isEnabled());
  EXPECT_TRUE(modal_.Messages().isEmpty()) << modal_.Messages().join("\n").toStdString();
  EXPECT_EQ(editor.cds.RecNo(), 2u);  // back on the row the user was on
}

TEST_F(EditorRoutes, new_sub_subtitle_gets_a_name_and_is_written) {
  Start();
  modal_.Then("TUjFelirat", [](Form& form) { static_cast<TUjFelirat&>(form).Button2->click(); });
  LeaveOpen("TFelirat");
  Windows().foForm->BitBtn2->click();

  TFelirat& editor = Editor();
  ASSERT_TRUE(editor.isVisible());
  EXPECT_EQ(editor.beosztas->currentText(), "Frame");
  EXPECT_EQ(State().LoadedKind, "Frame");
  EXPECT_EQ(editor.kezdes->text(), "0");
  EXPECT_EQ(editor.befejezes->text(), "10");
  EXPECT_EQ(editor.cds.Current().Sorszam, 1);
  EXPECT_EQ(editor.Emodositas->text(), "0");
  EXPECT_TRUE(editor.Bmentes->isEnabled());

  editor.szoveg->setFocus();
  QTest::keyClicks(editor.szoveg, "Szia");
  QTest::keyClick(editor.szoveg, Qt::Key_Return);
  TypeText(editor.szoveg, "világ");
  EXPECT_EQ(editor.cds.Current().Szoveg, "Szia|világ");
  EXPECT_EQ(editor.sordarab->text(), "4+5=9 betű");

  NameInFileNameWindow("uj");
  editor.Bmentes->click();
  EXPECT_EQ(ReadBytes(PathOf("uj.sub")), QByteArray("{0}{10}Szia|vil\xE1g\r\n"));
  EXPECT_EQ(editor.Efilenev->text(), "uj.sub");
  EXPECT_EQ(modal_.Messages(), QStringList{"Mentés|info|A file-t elmentettem!|"});
}

TEST_F(EditorRoutes, closing_with_changes_and_answering_nem_ends_without_writing) {
  WriteBytes(PathOf("film.srt"), kThreeBlocks);
  Start();
  ChooseInOpenDialog("film.srt");
  modal_.Then("TFelirat", [this](Form&) {
    Editor().szoveg->setFocus();
    QTest::keyClicks(Editor().szoveg, "x");
    ASSERT_TRUE(Editor().Bmentes->isEnabled());
    modal_.Press("Bmegse");
    Editor().Bki->click();
  });
  Windows().foForm->BitBtn3->click();
  EXPECT_EQ(modal_.Messages(), QStringList{"A felirat mentése!|kerdes|A felirat módosítva lett!|Elmenti?"});
  EXPECT_EQ(ReadBytes(PathOf("film.srt")), kThreeBlocks);
  EXPECT_EQ(State().RouteState, "ki");
  EXPECT_TRUE(programEnded_);
}

TEST_F(EditorRoutes, yes_to_save_on_close_of_a_never_saved_subtitle_asks_for_a_name_and_says_nothing_more) {
  Start();
  modal_.Then("TUjFelirat", [](Form& form) { static_cast<TUjFelirat&>(form).Button1->click(); });
  modal_.Then("TFelirat", [this](Form&) {
    TypeText(Editor().szoveg, "Új");
    modal_.Press("Bigen");
    NameInFileNameWindow("mentett");
    Editor().Close();
  });
  Windows().foForm->BitBtn2->click();
  EXPECT_EQ(modal_.Messages(), QStringList{"A felirat mentése!|kerdes|A felirat módosítva lett!|Elmenti?"});
  EXPECT_EQ(ReadBytes(PathOf("mentett.srt")), QByteArray("1\r\n00:00:00,000 --> 00:00:01,000\r\n\xDAj\r\n\r\n"));
  EXPECT_FALSE(State().MessagesMuted);
  EXPECT_TRUE(programEnded_);
}

TEST_F(EditorRoutes, saving_onto_a_read_only_file_says_so_and_keeps_the_subtitle_changed) {
  WriteBytes(PathOf("film.srt"), kThreeBlocks);
  QFile::setPermissions(PathOf("film.srt"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  Start();
  ChooseInOpenDialog("film.srt");
  modal_.Then("TFelirat", [this](Form&) {
    TypeText(Editor().szoveg, "x");
    Editor().Bmentes->click();
    EXPECT_TRUE(Editor().Bmentes->isEnabled());
    modal_.Press("Bmegse");  // the closing question: do not save
    Editor().Bki->click();
  });
  Windows().foForm->BitBtn3->click();
  ASSERT_GE(modal_.Messages().size(), 1);
  EXPECT_EQ(modal_.Messages()[0],
            "Írásvédett file!|hiba|Írásvédett a következő file: film.srt|A kért mentés nem sikerült!");
  EXPECT_EQ(ReadBytes(PathOf("film.srt")), kThreeBlocks);
}

TEST_F(EditorRoutes, a_bad_line_shows_the_message_and_keeps_the_rows_before_it) {
  WriteBytes(PathOf("rossz.srt"), kThreeBlocks.left(kThreeBlocks.indexOf("3\r\n")) + "x3\r\nvalami\r\n");
  Start();
  ChooseInOpenDialog("rossz.srt");
  LeaveOpen("TFelirat");
  Windows().foForm->BitBtn3->click();

  ASSERT_EQ(modal_.Messages().size(), 1);
  EXPECT_TRUE(modal_.Messages()[0].startsWith("Hiba|hiba|Hiba a file-ban! Csak eddig tudtam betölteni a file-t!|"));
  TFelirat& editor = Editor();
  EXPECT_EQ(editor.racs->model()->rowCount(), 2);
  EXPECT_TRUE(editor.kezdes->isEnabled());
  EXPECT_TRUE(editor.Bbeszuras->isEnabled());
  EXPECT_FALSE(editor.Bmentes->isEnabled());
  ClickGridRow(editor.racs, 1);
  EXPECT_EQ(editor.kezdes->text(), "00:00:03,000");
}

TEST_F(EditorRoutes, an_unreadable_file_says_why_and_leaves_the_editor_empty) {
  Start();
  // A name that is listed but cannot be read: a folder with a subtitle's name.
  ASSERT_TRUE(QDir(dir_.path()).mkdir("mappa.srt"));
  State().SubtitlePath = PathOf("mappa.srt").toStdString();
  Editor().PrepareEditorForLoad("mappa.srt");
  Editor().LoadIntoEditor();
  ASSERT_EQ(modal_.Messages().size(), 1);
  EXPECT_TRUE(modal_.Messages()[0].startsWith("Hiba|hiba|")) << modal_.Messages()[0].toStdString();
  EXPECT_TRUE(Editor().cds.IsEmpty());
  EXPECT_FALSE(Editor().Bbeszuras->isEnabled());
  EXPECT_FALSE(Editor().kezdes->isEnabled());
  EXPECT_TRUE(Editor().Efilenev->text().isEmpty());
}

TEST_F(EditorRoutes, command_line_subtitle_opens_the_editor_at_start) {
  WriteBytes(PathOf("film.srt"), kThreeBlocks);
  LeaveOpen("TFelirat");
  Start({1024, 768}, {PathOf("film.srt")});
  EXPECT_TRUE(Editor().isVisible());
  EXPECT_EQ(Editor().cds.RecordCount(), 3u);
  EXPECT_EQ(Editor().Efilenev->text(), "film.srt");
  EXPECT_EQ(State().StartupFile, "");
  EXPECT_EQ(State().LastDirectory, (dir_.path() + "/").toStdString());
}

TEST_F(EditorRoutes, other_command_line_names_show_only_the_main_menu) {
  for (const char* name : {"film.SRT", "film.txt"}) {
    WriteBytes(PathOf(name), kThreeBlocks);
    Start({1024, 768}, {PathOf(name)});
    EXPECT_TRUE(Windows().foForm->isVisible()) << name;
    EXPECT_FALSE(Editor().isVisible()) << name;
    EXPECT_EQ(State().StartupFile, PathOf(name).toStdString());
  }
  EXPECT_TRUE(modal_.Shown().empty());
}

TEST_F(EditorRoutes, back_to_the_main_menu_then_open_shows_the_open_dialog_again) {
  WriteBytes(PathOf("film.srt"), kThreeBlocks);
  Start();
  ChooseInOpenDialog("film.srt");
  LeaveOpen("TFelirat");
  Windows().foForm->BitBtn3->click();
  Editor().Bvissza->click();
  EXPECT_EQ(State().RouteState, "be2");
  EXPECT_TRUE(Windows().foForm->isVisible());
  EXPECT_FALSE(Editor().isVisible());
  EXPECT_FALSE(programEnded_);

  ChooseInOpenDialog("film.srt");
  modal_.Then("TFelirat", [this](Form&) {
    EXPECT_EQ(Editor().cds.RecordCount(), 3u);
    Editor().close();  // the window's close box
  });
  Windows().foForm->BitBtn3->click();
  EXPECT_EQ(modal_.PendingSteps(), 0u);  // the open dialog was shown again
  EXPECT_EQ(State().RouteState, "ki");
  EXPECT_TRUE(programEnded_);
}

TEST_F(EditorRoutes, browse_shows_the_open_dialog_beside_the_editor_and_reads_when_it_closes) {
  WriteBytes(PathOf("film.srt"), kThreeBlocks);
  WriteBytes(PathOf("masik.sub"), "{1}{2}más\r\n");
  Start();
  ChooseInOpenDialog("film.srt");
  modal_.Then("TFelirat", [this](Form&) {
    TFelirat& editor = Editor();
    editor.Ekereses->setText("keresett");
    editor.Btallozas->click();
    TKereses& dialog = *Windows().kereses;
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.parentWidget(), &editor);  // usable while the editor is modal
    EXPECT_EQ(editor.Ekereses->text(), "");
    EXPECT_EQ(editor.cds.RecordCount(), 3u);  // nothing read while the dialog is open
    ClickListItem(dialog.filelistbox, "masik.sub");
    dialog.megnyitas->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(editor.cds.RecordCount(), 1u);
    EXPECT_EQ(editor.beosztas->currentText(), "Frame");
    EXPECT_EQ(editor.Efilenev->text(), "masik.sub");
    editor.Bvissza->click();
  });
  Windows().foForm->BitBtn3->click();
  EXPECT_EQ(modal_.PendingSteps(), 0u);
  app_.reset();  // the windows are destroyed without the editor taking the dialog with it
}

TEST_F(EditorRoutes, escape_in_the_new_subtitle_window_returns_to_the_main_menu) {
  Start();
  modal_.Then("TUjFelirat", [](Form& form) { QTest::keyClick(static_cast<TUjFelirat&>(form).Button1, Qt::Key_Escape); });
  Windows().foForm->BitBtn2->click();
  EXPECT_EQ(State().RouteState, "be");
  EXPECT_TRUE(Windows().foForm->isVisible());
  EXPECT_FALSE(programEnded_);
}

}  // namespace
}  // namespace lumora::testing
