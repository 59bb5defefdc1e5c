// The open dialog, the file-name window, the drive list rule and the information windows.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "editor/TFelirat.h"
#include "shell/TFileneve.h"
#include "shell/TInfo.h"
#include "shell/TKereses.h"
#include "shell/TLeiras.h"
#include "shell/drive_rules.h"
#include "shell/folder_browser.h"
#include "tests/support/app_fixture.h"
#include "tests/support/window_helpers.h"

namespace lumora::testing {
namespace {

TEST(DriveRules, leave_out_optical_and_removable_drives) {
  EXPECT_TRUE(IsChooserDrive({"/dev/sda1", "ext4", false}));
  EXPECT_TRUE(IsChooserDrive({"/dev/nvme0n1p2", "btrfs", false}));
  EXPECT_FALSE(IsChooserDrive({"/dev/sdb1", "vfat", true}));
  EXPECT_FALSE(IsChooserDrive({"/dev/sr0", "iso9660", false}));
  EXPECT_FALSE(IsChooserDrive({"/dev/loop3", "udf", false}));
  EXPECT_FALSE(IsChooserDrive({"", "tmpfs", false}));
}

class FileChoosers : public AppFixture {
 protected:
  void SetUp() override {
    Start();
    for (const char* name : {"a.srt", "b.sub", "c.txt", "film.srt"}) WriteBytes(PathOf(name), "1\r\n");
  }
  QString PathOf(const QString& name) const { return QDir(dir_.path()).filePath(name); }
  QStringList Listed(QListWidget* list) const {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
  }
  QTemporaryDir dir_;
};

TEST_F(FileChoosers, open_dialog_filters_and_remembers_the_last_choice) {
  TKereses& dialog = *Windows().kereses;
  State().OpenTarget = "Felirat";
  dialog.Show();
  dialog.browser->SetDirectory(dir_.path());
  EXPECT_EQ(Listed(dialog.filelistbox), (QStringList{"a.srt", "b.sub", "film.srt"}));
  EXPECT_EQ(dialog.FilterComboBox1->count(), 3);
  dialog.FilterComboBox1->setCurrentIndex(2);
  emit dialog.FilterComboBox1->activated(2);
  EXPECT_EQ(Listed(dialog.filelistbox), QStringList{"b.sub"});

  ClickListItem(dialog.filelistbox, "b.sub");
  EXPECT_EQ(dialog.e1->text(), "b.sub");
  EXPECT_TRUE(dialog.megnyitas->isEnabled());
  EXPECT_EQ(State().SubtitlePath, PathOf("b.sub").toStdString());
  QTest::keyClick(dialog.filelistbox, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(State().OpenOutcome, "ki");
  EXPECT_TRUE(Windows().felirat->cds.IsEmpty());  // nothing was read

  dialog.Show();
  EXPECT_EQ(dialog.e1->text(), "");
  EXPECT_TRUE(dialog.megnyitas->isEnabled());
  dialog.megnyitas->click();
  EXPECT_EQ(State().OpenOutcome, "megnyit");
  // The file chosen last time was read: a lone counter line is an SRT with no block yet.
  EXPECT_EQ(Windows().felirat->Efilenev->text(), "b.sub");
  EXPECT_EQ(State().LoadedKind, "Time");
  EXPECT_TRUE(modal_.Messages().isEmpty());
}

TEST_F(FileChoosers, a_click_on_a_folder_clears_the_choice) {
  TKereses& dialog = *Windows().kereses;
  dialog.Show();
  dialog.browser->SetDirectory(dir_.path());
  ClickListItem(dialog.filelistbox, "a.srt");
  QTest::mouseClick(dialog.DirectoryListBox1->viewport(), Qt::LeftButton, {},
                    dialog.DirectoryListBox1->visualItemRect(dialog.DirectoryListBox1->item(0)).center());
  EXPECT_EQ(dialog.e1->text(), "");
  EXPECT_FALSE(dialog.megnyitas->isEnabled());
}

class FileNameWindow : public FileChoosers {
 protected:
  // Asks for a name for the editor's subtitle in the given mode; the script types and presses Ok.
  void Ask(const QString& mode, std::function<void(TFileneve&)> script) {
    TFelirat& editor = *Windows().felirat;
    editor.beosztas->setCurrentText(mode);
    State().SaveTarget = "Felirat";
    State().LastDirectory = dir_.path().toStdString();
    TFileneve& window = *Windows().fileneve;
    window.Edit1->setText(mode);
    modal_.Then("TFileneve", [script, &window](Form&) { script(window); });
    window.ShowModal();
  }
};

TEST_F(FileNameWindow, lists_the_modes_files_and_refuses_a_full_stop) {
  Ask("Time", [this](TFileneve& window) {
    EXPECT_EQ(Listed(window.flb), (QStringList{"a.srt", "film.srt"}));
    EXPECT_TRUE(State().SaveCancelled);
    EXPECT_FALSE(window.Bok->isEnabled());
    QTest::keyClicks(window.e1, "uj.nev");
    EXPECT_EQ(window.e1->text(), "ujnev");
    EXPECT_TRUE(window.Bok->isEnabled());
    QTest::keyClick(window.e1, Qt::Key_Return);
    window.Bok->click();
  });
  EXPECT_FALSE(State().SaveCancelled);
  EXPECT_EQ(State().SubtitlePath, PathOf("ujnev.srt").toStdString());
  EXPECT_EQ(State().SubtitleName, "ujnev.srt");
}

TEST_F(FileNameWindow, an_existing_name_asks_and_nem_keeps_the_window_open) {
  Ask("Time", [this](TFileneve& window) {
    ClickListItem(window.flb, "film.srt");
    EXPECT_EQ(window.e1->text(), "film");
    modal_.Press("Bmegse");
    window.Bok->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(State().SaveCancelled);
    modal_.Press("Bigen");
    window.Bok->click();
  });
  EXPECT_EQ(modal_.Messages(), QStringList(2, "Létező file|kerdes|Már létezik a file!|Felülírjam?"));
  EXPECT_FALSE(Windows().fileneve->isVisible());
  EXPECT_FALSE(State().SaveCancelled);
  EXPECT_EQ(State().SubtitleName, "film.srt");
}

TEST_F(FileNameWindow, a_file_of_the_other_mode_does_not_count_and_escape_cancels) {
  Ask("Frame", [](TFileneve& window) {
    QTest::keyClicks(window.e1, "a");  // a.srt exists, a.sub does not
    window.Bok->click();
  });
  EXPECT_TRUE(modal_.Messages().isEmpty());
  EXPECT_EQ(State().SubtitleName, "a.sub");

  State().SubtitleName = "valtozatlan";
  Ask("Frame", [](TFileneve& window) { QTest::keyClick(window.flb, Qt::Key_Escape); });
  EXPECT_TRUE(State().SaveCancelled);
  EXPECT_EQ(State().SubtitleName, "valtozatlan");
}

TEST_F(FileChoosers, information_windows_close_with_escape_and_keep_their_text) {
  TLeiras& description = *Windows().leiras;
  description.Show();
  const QString text = description.Memo1->toPlainText();
  EXPECT_TRUE(text.contains("3.20"));
  description.Memo1->setFocus();
  QTest::keyClicks(description.Memo1, "abc");
  QTest::keyClick(description.Memo1, Qt::Key_Backspace);
  EXPECT_EQ(description.Memo1->toPlainText(), text);
  QTest::keyClick(description.Memo1, Qt::Key_Escape);
  EXPECT_FALSE(description.isVisible());

  TInfo& about = *Windows().info;
  about.Show();
  EXPECT_EQ(about.size(), QSize(594, 508));
  QTest::keyClick(about.Button1, Qt::Key_Escape);
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace lumora::testing
