#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "shell/TFoForm.h"
#include "tests/support/app_fixture.h"

namespace lumora::testing {
namespace {

class MainMenu : public AppFixture {};

TEST_F(MainMenu, set_up_fixes_size_route_and_startup_file) {
  Build({1280, 1024}, {"/film/a b", ".srt"});
  TFoForm& menu = *Windows().foForm;
  EXPECT_EQ(menu.size(), QSize(273, 355));
  EXPECT_EQ(menu.windowTitle(), "Lumora v3.20");
  EXPECT_EQ(State().LayoutMode, "1024x768");
  EXPECT_EQ(State().StartupFile, "/film/a b.srt");
  EXPECT_EQ(State().RouteState, "be");
  EXPECT_TRUE(State().StartupOk);
  EXPECT_EQ(menu.BitBtn3->text(), "Megnyitás");
  EXPECT_EQ(menu.BitBtn2->text(), "Új felirat készítése");
  EXPECT_EQ(menu.BitBtn4->text(), "Fordítás");
  EXPECT_EQ(menu.BitBtn1->text(), "");
}

TEST_F(MainMenu, too_small_screen_says_so_and_ends) {
  Start({640, 480});
  EXPECT_EQ(modal_.Messages(),
            QStringList{"Probléma!|hiba|A képernyő felbontása túl kicsi!|Minimum felbontás:800x600"});
  EXPECT_TRUE(programEnded_);
  EXPECT_FALSE(Windows().foForm->isVisible());
}

TEST_F(MainMenu, missing_film_player_shows_the_plain_message_and_ends_at_activation) {
  Build({1024, 768}, {}, /*filmPlayerWorks=*/false);
  EXPECT_FALSE(State().StartupOk);
  ASSERT_EQ(modal_.Shown().size(), 1u);
  EXPECT_EQ(modal_.Shown()[0].name, "PlainMessage");
  EXPECT_TRUE(modal_.Shown()[0].texts[0].startsWith("A program hibával leáll!\r\n"));
  EXPECT_TRUE(modal_.Shown()[0].texts[0].endsWith("\r\nFo"));
  app_->Start();
  EXPECT_TRUE(programEnded_);
}

TEST_F(MainMenu, escape_on_a_button_and_the_exit_button_end_the_program) {
  Start();
  EXPECT_TRUE(Windows().foForm->isVisible());
  QTest::keyClick(Windows().foForm->BitBtn2, Qt::Key_Escape);
  EXPECT_TRUE(programEnded_);

  programEnded_ = false;
  Start();
  Windows().foForm->BitBtn1->click();
  EXPECT_TRUE(programEnded_);
}

}  // namespace
}  // namespace lumora::testing
