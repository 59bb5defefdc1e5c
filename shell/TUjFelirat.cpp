#include "shell/TUjFelirat.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QRadioButton>

#include "editor/TFelirat.h"
#include "shell/TFoForm.h"
#include "shell/app_context.h"
#include "shell/qt_text.h"
#include "shell/widget_factory.h"
#include "subtitle/timing_mode.h"

namespace lumora {

TUjFelirat::TUjFelirat(AppContext& context) : Form(context, "TUjFelirat", "Új felirat készítése") {
  Label1 = MakeLabel(this, "Label1", "Válasszon egyet:");
  Label1->move(16, 16);
  Button1 = Placed(MakeButton(this, "Button1", "Másodperc alapú (.srt)"), {16, 56, 210, 32});
  Button2 = Placed(MakeButton(this, "Button2", "Képkocka alapján (.sub)"), {249, 56, 210, 32});
  Button3 = Placed(MakeButton(this, "Button3", "Vissza"), {182, 108, 110, 30});
  SetFixedClientSize(475, 155);
  CentreOnScreen();
  connect(Button1, &QPushButton::clicked, this, &TUjFelirat::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TUjFelirat::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TUjFelirat::Button3Click);
  EnableKeyPreview();
}

void TUjFelirat::StartEditor(std::string_view mode) {
  Close();
  TFelirat& editor = *ctx_.forms.felirat;
  editor.beosztas->setCurrentText(ToQt(mode));
  // The table's timing mode, so that a later switch of the mode converts the new subtitle.
  ctx_.state.LoadedKind = std::string(mode);
  editor.ApplyTimingModeToEditor(ToQt(mode));
  editor.RB1->setEnabled(true);
  editor.ShowModal();
}

void TUjFelirat::Button1Click() { StartEditor(kTimeMode); }

void TUjFelirat::Button2Click() { StartEditor(kFrameMode); }

void TUjFelirat::Button3Click() {
  ctx_.state.RouteState = "be2";
  Close();
  ctx_.forms.foForm->Show();
}

void TUjFelirat::FormClose() {
  if (ctx_.state.RouteState != "be2") ctx_.state.RouteState = "ki";
}

bool TUjFelirat::FormKeyPreview(QWidget*, QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return false;
  Button3Click();
  return true;
}

}  // namespace lumora
