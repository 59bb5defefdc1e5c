#include "timing/TReszletes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "editor/TFelirat.h"
#include "shell/TKiszoveg.h"
#include "shell/app_context.h"
#include "shell/key_events.h"
#include "shell/qt_text.h"
#include "shell/widget_factory.h"
#include "subtitle/frame_rate.h"
#include "subtitle/key_filters.h"
#include "timing/detailed_shift.h"

namespace lumora {

namespace {

// An exclusive radio button can only be cleared with its exclusivity off for the moment.
void Uncheck(QRadioButton* radio) {
  radio->setAutoExclusive(false);
  radio->setChecked(false);
  radio->setAutoExclusive(true);
}

QLineEdit* DisplayField(QWidget* parent, const char* name, const QRect& geometry) {
  QLineEdit* field = MakeEdit(parent, name);
  field->setGeometry(geometry);
  field->setReadOnly(true);
  return field;
}

}  // namespace

TReszletes::TReszletes(AppContext& context) : Form(context, "TReszletes", "Részletes módosítás") {
  // No close box: the user leaves through "<<< Vissza", which shows the editor again.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  BuildControls();
  connect(RBEgesz, &QRadioButton::clicked, this, &TReszletes::RBEgeszClick);
  connect(RBApont, &QRadioButton::clicked, this, &TReszletes::RBApontClick);
  connect(Felfele, &QRadioButton::clicked, this, &TReszletes::FelfeleClick);
  connect(Lefele, &QRadioButton::clicked, this, &TReszletes::LefeleClick);
  connect(RB1, &QRadioButton::clicked, this, [this] {
    Edit1->setEnabled(false);
    Edit1->clear();
  });
  connect(RB3, &QRadioButton::clicked, this, [this] {
    Edit2->setEnabled(false);
    Edit2->clear();
  });
  connect(RB2, &QRadioButton::clicked, this, [this] {
    Edit1->setEnabled(true);
    Edit1->setFocus();
  });
  connect(RB4, &QRadioButton::clicked, this, [this] {
    Edit2->setEnabled(true);
    Edit2->setFocus();
  });
  connect(Edit1, &QLineEdit::textChanged, Edit7, &QLineEdit::setText);
  connect(Edit2, &QLineEdit::textChanged, Edit7, &QLineEdit::setText);
  connect(cbKezdo, &QCheckBox::clicked, this, &TReszletes::cbKezdoClick);
  connect(cbBefejezo, &QCheckBox::clicked, this, &TReszletes::cbKezdoClick);
  connect(Bmodok, &QPushButton::clicked, this, &TReszletes::BmodokClick);
  connect(Button1, &QPushButton::clicked, this, &TReszletes::Button1Click);
  EnableKeyPreview();
}

void TReszletes::BuildControls() {
  Label2 = MakeLabel(this, "Label2", "Aktuális pont:");
  Label2->move(12, 12);
  Edit4 = DisplayField(this, "Edit4", {12, 32, 100, 24});
  Edit5 = DisplayField(this, "Edit5", {118, 32, 100, 24});
  Edit6 = DisplayField(this, "Edit6", {224, 32, 284, 24});
  CbPMR = Placed(MakeCombo(this, "CbPMR", {"+", "-"}), {12, 70, 44, 26});
  Emodositas2 = Placed(MakeEdit(this, "Emodositas2"), {60, 70, 120, 26});
  Emodositas2->setText("0");
  Bmodok = Placed(MakeButton(this, "Bmodok", "Módosítás"), {188, 68, 110, 30});
  szazalek = Placed(Named(new QProgressBar(this), "szazalek"), {306, 75, 202, 16});
  szazalek->setRange(0, 100);
  szazalek->hide();
  Label1 = MakeLabel(this, "Label1", "Módosítás feltételei:");
  Label1->move(12, 110);
  RBEgesz = Placed(MakeRadio(this, "RBEgesz", "Egészet"), {12, 130, 100, 22});
  RBEgesz->setChecked(true);
  RBApont = Placed(MakeRadio(this, "RBApont", "Aktuális ponttól"), {120, 130, 180, 22});

  GBFL = Placed(MakeGroup(this, "GBFL", QString()), {12, 156, 496, 40});
  Felfele = Placed(MakeRadio(GBFL, "Felfele", "Felfele (pl.10-0)"), {10, 10, 180, 22});
  Lefele = Placed(MakeRadio(GBFL, "Lefele", "Lefele(pl.10-100)"), {260, 10, 180, 22});

  GBF = Placed(MakeGroup(this, "GBF", "Felfele"), {12, 202, 244, 96});
  RB1 = Placed(MakeRadio(GBF, "RB1", "Az összeset"), {10, 24, 200, 22});
  RB2 = Placed(MakeRadio(GBF, "RB2", "Ennyi darab sort:"), {10, 54, 130, 22});
  Edit1 = Placed(MakeEdit(GBF, "Edit1", 5), {148, 53, 80, 24});

  GBL = Placed(MakeGroup(this, "GBL", "Lefele"), {264, 202, 244, 96});
  RB3 = Placed(MakeRadio(GBL, "RB3", "Az összeset"), {10, 24, 200, 22});
  RB4 = Placed(MakeRadio(GBL, "RB4", "Ennyi darab sort:"), {10, 54, 130, 22});
  Edit2 = Placed(MakeEdit(GBL, "Edit2", 5), {148, 53, 80, 24});

  GBM = Placed(MakeGroup(this, "GBM", "Melyik értéket változtassam meg:"), {12, 304, 496, 56});
  cbKezdo = Placed(MakeCheck(GBM, "cbKezdo", "Kezdő érték"), {10, 26, 180, 22});
  cbKezdo->setChecked(true);
  cbBefejezo = Placed(MakeCheck(GBM, "cbBefejezo", "Befejező érték"), {260, 26, 180, 22});
  cbBefejezo->setChecked(true);

  Button1 = Placed(MakeButton(this, "Button1", "<<< Vissza"), {388, 372, 120, 30});
  Edit3 = MakeEdit(this, "Edit3");
  Edit3->hide();
  Edit7 = MakeEdit(this, "Edit7");
  Edit7->hide();
  SetFixedClientSize(520, 414);
  CentreOnScreen();
}

void TReszletes::FormActivate() {
  for (QGroupBox* group : {GBFL, GBF, GBL}) group->setEnabled(false);
  szazalek->hide();
  TFelirat& editor = *ctx_.forms.felirat;
  Edit3->setText(editor.TimingMode());
  if (!RBEgesz->isChecked()) {
    RBEgesz->setChecked(true);
    RBEgeszClick();
  }
  const SubtitleRow row = editor.cds.IsEmpty() ? SubtitleRow{} : editor.cds.Current().ToRow();
  Edit4->setText(ToQt(row.Kezdes));
  Edit5->setText(ToQt(row.Befejezes));
  Edit6->setText(ToQt(row.Szoveg));
}

void TReszletes::RBEgeszClick() {
  for (QGroupBox* group : {GBFL, GBF, GBL}) group->setEnabled(false);
  for (QRadioButton* radio : {Felfele, Lefele, RB1, RB2, RB3, RB4}) Uncheck(radio);
  Edit1->clear();
  Edit2->clear();
}

void TReszletes::RBApontClick() {
  GBFL->setEnabled(true);
  GBF->setEnabled(true);
  Felfele->setChecked(true);
  RB1->setChecked(true);
}

void TReszletes::FelfeleClick() {
  GBF->setEnabled(true);
  GBL->setEnabled(false);
  RB1->setChecked(true);
  Uncheck(RB3);
  Uncheck(RB4);
  Edit1->setEnabled(false);
  Edit1->clear();
  Edit2->clear();
}

void TReszletes::LefeleClick() {
  GBF->setEnabled(false);
  GBL->setEnabled(true);
  Uncheck(RB1);
  Uncheck(RB2);
  RB3->setChecked(true);
  Edit1->clear();
  Edit2->clear();
  Edit2->setEnabled(false);
}

void TReszletes::cbKezdoClick() { Bmodok->setEnabled(cbKezdo->isChecked() || cbBefejezo->isChecked()); }

void TReszletes::MirrorProgress(int gauge) {
  if (!szazalek->isVisible() || gauge <= 0) return;
  szazalek->setValue(gauge);
  szazalek->repaint();
}

void TReszletes::BmodokClick() {
  if (RBEgesz->isChecked()) {
    ShiftWhole();
  } else {
    ShiftRun();
  }
}

void TReszletes::ShiftWhole() {
  TFelirat& editor = *ctx_.forms.felirat;
  szazalek->setValue(0);
  szazalek->show();
  editor.Emodositas->setText(Emodositas2->text());
  editor.CbPM->setCurrentText(CbPMR->currentText());
  const ShiftAllResult result = editor.ShiftAllRowsInEditor();
  szazalek->hide();
  if (WholeShiftClosesWindow(result, ToStd(Emodositas2->text()))) BackToEditor();
}

void TReszletes::ShiftRun() {
  TFelirat& editor = *ctx_.forms.felirat;
  std::optional<std::string> countText;
  if (RB2->isChecked()) countText = ToStd(Edit1->text());
  if (RB4->isChecked()) countText = ToStd(Edit2->text());
  const std::string mode = ToStd(Edit3->text());
  const RunShiftPlan plan = CheckRunShift(mode, ToStd(Emodositas2->text()), countText);
  for (const Message& message : plan.messages) ctx_.forms.kiszoveg->ShowMessage(message);
  if (!plan.Ok()) return;

  RowRun run;
  run.direction = Felfele->isChecked() ? RunDirection::Up : RunDirection::Down;
  if (const auto count = ParseFrameNumber(ToStd(Edit7->text()))) run.rowCount = static_cast<std::size_t>(*count);
  run.changeKezdes = cbKezdo->isChecked();
  run.changeBefejezes = cbBefejezo->isChecked();
  szazalek->setValue(0);
  szazalek->show();
  editor.ShiftRunInEditor(run, mode, plan.amount, ShiftSignOf(ToStd(CbPMR->currentText())),
                          [this](int gauge) { MirrorProgress(gauge); });
  szazalek->hide();
  BackToEditor();
}

void TReszletes::Button1Click() { BackToEditor(); }

void TReszletes::BackToEditor() {
  ctx_.forms.felirat->Show();
  Close();
}

bool TReszletes::FormKeyPreview(QWidget* target, QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    BackToEditor();
    return true;
  }
  if (target == Edit1 || target == Edit2) {
    const char32_t typed = TypedCharacter(event);
    return typed != 0 && !FilterFrameKey(typed);
  }
  return false;
}

}  // namespace lumora
