#include "timing/TFpsValtas.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "editor/TFelirat.h"
#include "shell/TKiszoveg.h"
#include "shell/app_context.h"
#include "shell/qt_text.h"
#include "shell/widget_factory.h"
#include "subtitle/frame_rate.h"

namespace lumora {

TFpsValtas::TFpsValtas(AppContext& context) : Form(context, "TFpsValtas", "Fps átváltása") {
  Label1 = MakeLabel(this, "Label1", "Adja meg, hogy milyen FPS-ről milyen FPS-re akar áttérni:");
  Label1->move(12, 12);
  QStringList rates;
  for (std::string_view rate : kFpsChoices) rates << ToQt(rate);
  cb1 = Placed(MakeCombo(this, "cb1", rates), {12, 40, 120, 26});
  auto* arrow = MakeLabel(this, "Lnyil", "→");
  arrow->move(148, 44);
  cb2 = Placed(MakeCombo(this, "cb2", {}), {176, 40, 120, 26});
  FPSszazalek = Placed(Named(new QProgressBar(this), "FPSszazalek"), {12, 78, 376, 16});
  FPSszazalek->setRange(0, 100);
  Button1 = Placed(MakeButton(this, "Button1", "Végrehajt"), {12, 104, 120, 30});
  Button2 = Placed(MakeButton(this, "Button2", "<<< Vissza"), {268, 104, 120, 30});
  SetFixedClientSize(400, 146);
  CentreOnScreen();
  connect(cb1, &QComboBox::activated, this, &TFpsValtas::cb1Change);
  connect(Button1, &QPushButton::clicked, this, &TFpsValtas::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Form::Close);
}

void TFpsValtas::FormActivate() {
  cb1->setCurrentIndex(-1);
  cb2->clear();
  FPSszazalek->setValue(0);
}

void TFpsValtas::cb1Change() {
  cb2->clear();
  for (int i = 0; i < cb1->count(); ++i) {
    if (cb1->itemText(i) != cb1->currentText()) cb2->addItem(cb1->itemText(i));
  }
  cb2->setCurrentIndex(0);
}

void TFpsValtas::Button1Click() {
  const auto progress = [this](int gauge) {
    FPSszazalek->setValue(gauge);
    FPSszazalek->repaint();
  };
  const FrameRateChangeResult result =
      ctx_.forms.felirat->ConvertFrameRateInEditor(cb1->currentText(), cb2->currentText(), progress);
  if (result.converted) Close();
  ctx_.forms.kiszoveg->ShowMessage(result.message);
}

}  // namespace lumora
