// The editor's two arrangements: for screens of 1024 x 768 or more, and for 800 x 600.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QMenuBar>
#include <QProgressBar>
#include <QTableView>
#include <QTextEdit>

#include "editor/TFelirat.h"
#include "editor/editor_arrangement.h"
#include "shell/TKiszoveg.h"
#include "shell/app_context.h"
#include "shell/startup_rules.h"

namespace lumora {

namespace {

struct Place {
  QWidget* widget;
  QRect rect;  // a zero size keeps the control's own size hint
};

void Apply(std::initializer_list<Place> places) {
  for (const Place& p : places) {
    if (p.rect.width() == 0) {
      p.widget->adjustSize();
      p.widget->move(p.rect.topLeft());
    } else {
      p.widget->setGeometry(p.rect);
    }
  }
}

void SetPointSize(std::initializer_list<QWidget*> widgets, int points) {
  for (QWidget* w : widgets) {
    QFont font = w->font();
    font.setPointSize(points);
    w->setFont(font);
  }
}

constexpr int kContentHeight1024 = 690;  // below the menu bar, without the extra height
constexpr int kWindowWidth1024 = 1012;
constexpr int kContentHeight800 = 522;
constexpr int kWindowWidth800 = 808;

}  // namespace

void TFelirat::SetClientSize(int width, int height) {
  const int menuHeight = menu->sizeHint().height();
  menu->setGeometry(0, 0, width, menuHeight);
  setFixedSize(width, height + menuHeight);
}

void TFelirat::ArrangeEditor1024(bool switching) {
  const QSize screen = ctx_.screen.ScreenSize();
  const int b = ExtraHeight1024(screen.width(), screen.height());
  const int top = menu->sizeHint().height();
  const auto at = [top](int x, int y, int w = 0, int h = 0) { return QRect(x, y + top, w, h); };
  SetPointSize({Lbeosztas, Lfps, Lmodositas, Lkereses}, 12);
  Apply({{ido, at(8, 6, 200, 16)},
         {Lfeliratnev, at(312, 10)},
         {Efilenev, at(408, 8, 296, 22)},
         {Btallozas, at(712, 6, 84, 26)},
         {Fszazalek, at(810, 10, 159, 16)},
         {GbBeallitas, at(8, 48, 193, 153)},
         {GbTevekenyseg, at(8, 200, 193, 193)},
         {atlatszo, at(8, 400, 180, 20)},
         {Lugras, at(8, 422)},
         {Eugras, at(8, 440, 62, 24)},
         {Bugras, at(74, 440, 44, 24)},
         {Bvissza, at(56, 560, 150, 30)},
         {Bki, at(72, 640, 118, 30)},
         {racs, at(224, 32, 745, 487 + b)},
         {Belso, at(921, 10, 72, 22)},
         {Butolso, at(913, 519 + b, 80, 22)},
         {Bvegelso, at(200, 260, 22, 24)},
         {RB1, at(224, 520 + b, 240, 16)},
         {RB12, at(784, 520 + b, 180, 16)},
         {GB1, at(224, 536 + b, 745, kContentHeight1024 - 536)},
         {GB12, at(224, 536 + b, 745, kContentHeight1024 - 536)}});
  Apply({{Lbeosztas, {8, 26, 0, 0}},
         {beosztas, {100, 24, 85, 24}},
         {Lfps, {8, 58, 0, 0}},
         {cbFps, {100, 56, 85, 24}},
         {BFPS, {8, 88, 177, 26}},
         {Batvaltas, {8, 118, 177, 26}},
         {Lmodositas, {8, 22, 0, 0}},
         {CbPM, {8, 48, 40, 24}},
         {Emodositas, {52, 48, 100, 24}},
         {Bmodok, {156, 48, 29, 24}},
         {Breszletes, {8, 78, 177, 26}},
         {Lkereses, {8, 112, 0, 0}},
         {Ekereses, {8, 136, 144, 24}},
         {Bkeresok, {156, 136, 29, 24}},
         {BKreszletes, {8, 162, 177, 24}}});
  Apply({{Lkezdes, {10, 20, 0, 0}},
         {kezdes, {62, 16, 100, 24}},
         {Lbefejezes, {174, 20, 0, 0}},
         {befejezes, {240, 16, 100, 24}},
         {Lkulonbseg, {352, 20, 0, 0}},
         {kulonbseg, {420, 16, 100, 24}},
         {szoveg, {10, 46, 510, 80}},
         {Label3, {10, 132, 0, 0}},
         {sordarab, {96, 132, 110, 16}},
         {Cbtobb, {210, 130, 170, 20}},
         {CB3sor, {382, 130, 150, 20}},
         {Bertek, {535, 14, 202, 26}},
         {Bmentes, {535, 44, 80, 26}},
         {BMMN, {619, 44, 118, 26}},
         {Bbeszuras, {535, 76, 32, 26}},
         {Belemoge, {571, 76, 32, 26}},
         {Btorles, {607, 76, 32, 26}},
         {Bujra, {535, 106, 202, 24}},
         {cburessor, {535, 132, 202, 18}}});
  SetClientSize(kWindowWidth1024, kContentHeight1024 + b);
  if (screen == QSize(1024, 768)) {
    move(0, 0);
  } else {
    CentreOnScreen();
  }
  if (switching) UpdateEditorScrollBar();
}

void TFelirat::ArrangeEditor800(bool switching) {
  const QSize screen = ctx_.screen.ScreenSize();
  const int top = menu->sizeHint().height();
  const auto at = [top](int x, int y, int w = 0, int h = 0) { return QRect(x, y + top, w, h); };
  // Rearranging a shown window is done out of sight, so it does not flicker through the moves.
  const bool wasVisible = isVisible();
  if (switching && wasVisible) hide();
  SetPointSize({Lbeosztas, Lfps, Lmodositas, Lkereses}, 10);
  Apply({{ido, at(16, 2, 170, 16)},
         {Lfeliratnev, at(200, 10)},
         {Efilenev, at(296, 8, 296, 22)},
         {Btallozas, at(600, 6, 84, 26)},
         {Fszazalek, at(620, 32, 120, 12)},
         {GbBeallitas, at(0, 48, 193, 113)},
         {GbTevekenyseg, at(0, 160, 193, 155)},
         {atlatszo, at(1, 328, 180, 20)},
         {Lugras, at(1, 350)},
         {Eugras, at(1, 368, 64, 24)},
         {Bugras, at(70, 368, 40, 24)},
         {Bki, at(24, 416, 84, 28)},
         {Bvissza, at(4, 472, 104, 28)},
         {racs, at(192, 48, 609, 273)},
         {Belso, at(736, 24, 66, 22)},
         {Butolso, at(724, 322, 78, 22)},
         {Bvegelso, at(458, 322, 22, 20)},
         {RB1, at(112, 344, 240, 16)},
         {RB12, at(672, 344, 130, 16)},
         {GB1, at(112, 360, 690, kContentHeight800 - 360)},
         {GB12, at(112, 360, 690, kContentHeight800 - 360)}});
  Apply({{Lbeosztas, {6, 22, 0, 0}},
         {beosztas, {96, 18, 89, 22}},
         {Lfps, {6, 46, 0, 0}},
         {cbFps, {96, 42, 89, 22}},
         {BFPS, {6, 66, 181, 22}},
         {Batvaltas, {6, 88, 181, 22}},
         {Lmodositas, {6, 18, 0, 0}},
         {CbPM, {6, 38, 40, 22}},
         {Emodositas, {50, 38, 102, 22}},
         {Bmodok, {156, 38, 29, 22}},
         {Breszletes, {6, 64, 181, 22}},
         {Lkereses, {6, 88, 0, 0}},
         {Ekereses, {6, 106, 146, 22}},
         {Bkeresok, {156, 106, 29, 22}},
         {BKreszletes, {6, 130, 181, 22}}});
  Apply({{Lkezdes, {8, 20, 0, 0}},
         {kezdes, {56, 16, 84, 22}},
         {Lbefejezes, {146, 20, 0, 0}},
         {befejezes, {212, 16, 84, 22}},
         {Lkulonbseg, {302, 20, 0, 0}},
         {kulonbseg, {370, 16, 100, 22}},
         {szoveg, {8, 44, 462, 84}},
         {Label3, {8, 136, 0, 0}},
         {sordarab, {92, 136, 86, 16}},
         {Cbtobb, {160, 134, 164, 20}},
         {CB3sor, {326, 134, 150, 20}},
         {Bertek, {480, 14, 202, 26}},
         {Bmentes, {480, 44, 80, 26}},
         {BMMN, {564, 44, 118, 26}},
         {Bbeszuras, {480, 76, 32, 26}},
         {Belemoge, {516, 76, 32, 26}},
         {Btorles, {552, 76, 32, 26}},
         {Bujra, {480, 106, 202, 24}},
         {cburessor, {480, 134, 202, 18}}});
  SetClientSize(kWindowWidth800, kContentHeight800);
  if (screen == QSize(800, 600)) {
    move(0, 0);
  } else {
    CentreOnScreen();
  }
  if (switching) {
    UpdateEditorScrollBar();
    if (wasVisible) show();
  }
}

void TFelirat::SetLayoutMenuItems(bool layout800InForce) {
  Felbonts1->setEnabled(!layout800InForce);
  Felbonts2->setEnabled(layout800InForce);
}

void TFelirat::Felbonts1Click() {
  const std::string answer = ctx_.forms.kiszoveg->Ask(
      "felbontas", "Felbontás átállítása!", "Biztos át akar térni a 800x600-as programbéli felbontásra?", QString());
  if (answer != "igen") return;
  ctx_.state.LayoutMode = std::string(kLayout800);
  SetLayoutMenuItems(true);
  ArrangeEditor800(true);
}

void TFelirat::Felbonts2Click() {
  ctx_.state.DialogAnswer = "felbontas";
  const QSize screen = ctx_.screen.ScreenSize();
  if (screen.width() <= 800 || screen.height() <= 600) {
    ShowMessage("Felbontás átállítása!", "info", "Túl kicsi a képernyő felbontása ahhoz,",
                "hogy átállítsam a program felbontását!");
    return;
  }
  const std::string answer = ctx_.forms.kiszoveg->Ask(
      "felbontas", "Felbontás átállítása!", "Biztos át akar térni a 1024x768-as programbéli felbontásra?", QString());
  if (answer != "igen") return;
  ctx_.state.LayoutMode = std::string(kLayout1024);
  SetLayoutMenuItems(false);
  ArrangeEditor1024(true);
}

void TFelirat::UpdateEditorScrollBar() {
  if (!cds.IsOpen()) return;
  const std::optional<bool> offered = ScrollBarOffered(ctx_.state.LayoutMode, cds.RecordCount());
  if (!offered) return;
  // The view still hides an offered bar when nothing is left to scroll.
  racs->setVerticalScrollBarPolicy(*offered ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

}  // namespace lumora
