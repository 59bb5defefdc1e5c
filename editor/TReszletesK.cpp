#include "editor/TReszletesK.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "editor/TFelirat.h"
#include "editor/text_search.h"
#include "shell/app_context.h"
#include "shell/widget_factory.h"

namespace lumora {

TReszletesK::TReszletesK(AppContext& context) : Form(context, "TReszletesK", "Részletes keresés") {
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  Label7 = MakeLabel(this, "Label7", "Keresés:");
  Label7->move(12, 16);
  ERkereses = Placed(MakeEdit(this, "ERkereses"), {80, 12, 220, 24});
  Bkeresok = Placed(MakeButton(this, "Bkeresok", "Keresés"), {308, 11, 90, 26});
  cbteljes = Placed(MakeCheck(this, "cbteljes", "Csak teljes szó"), {12, 48, 300, 20});
  cbvissza = Placed(MakeCheck(this, "cbvissza", "Keresés visszafelé"), {12, 72, 300, 20});
  cbkisnagy = Placed(MakeCheck(this, "cbkisnagy", "Kis- és nagybetű megkülönböztetése"), {12, 96, 300, 20});
  Button1 = Placed(MakeButton(this, "Button1", "<<< Vissza"), {308, 126, 90, 26});
  SetFixedClientSize(410, 162);
  CentreOnScreen();
  connect(Bkeresok, &QPushButton::clicked, this, &TReszletesK::BkeresokClick);
  connect(Button1, &QPushButton::clicked, this, &Form::Close);
  EnableKeyPreview();
}

void TReszletesK::FormActivate() {
  ERkereses->setText(ctx_.forms.felirat->Ekereses->text());
  ERkereses->setFocus();
}

void TReszletesK::BkeresokClick() {
  SearchOptions options;
  options.wholeWords = cbteljes->isChecked();
  options.backwards = cbvissza->isChecked();
  options.caseSensitive = cbkisnagy->isChecked();
  ctx_.forms.felirat->SearchRows(ERkereses->text(), options);
}

bool TReszletesK::FormKeyPreview(QWidget*, QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      Close();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      BkeresokClick();
      return true;
    default:
      return false;
  }
}

}  // namespace lumora
