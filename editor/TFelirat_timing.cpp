// The editor's timing tools: the shift of the whole subtitle, a run of rows, the Frame/Time switch
// and the frame-rate change. The passes themselves are core functions; these handlers detach the
// grid, show the gauge and bring the fields up to date.
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

#include "editor/TFelirat.h"
#include "shell/TKiszoveg.h"
#include "shell/app_context.h"
#include "shell/key_events.h"
#include "shell/qt_text.h"
#include "subtitle/key_filters.h"
#include "subtitle/timing_mode.h"
#include "timing/TFpsValtas.h"
#include "timing/TReszletes.h"
#include "timing/frame_rate_change.h"
#include "timing/mode_switch.h"

namespace lumora {

void TFelirat::ConnectTimingTools() {
  connect(Bmodok, &QPushButton::clicked, this, [this] { ShiftAllRowsInEditor(); });
  connect(Breszletes, &QPushButton::clicked, this, &TFelirat::BreszletesClick);
  connect(Batvaltas, &QPushButton::clicked, this, [this] { ctx_.forms.fpsValtas->ShowModal(); });
  // Only the user's choice switches the mode; the program sets the box without converting.
  connect(beosztas, &QComboBox::textActivated, this, &TFelirat::beosztasChange);
}

ShiftAllResult TFelirat::ShiftAllRowsInEditor() {
  AppState& state = ctx_.state;
  const std::string mode = ToStd(TimingMode());
  state.BusyFlag = true;
  Fszazalek->setValue(0);
  Fszazalek->show();
  DetachGrid();
  TReszletes& detailed = *ctx_.forms.reszletes;
  const ShiftAllResult result = ShiftAllRows(cds, mode, ToStd(Emodositas->text()), ToStd(CbPM->currentText()),
                                             [this, &detailed](int gauge) {
                                               SetGaugeValue(gauge);
                                               detailed.MirrorProgress(gauge);
                                             });
  Fszazalek->hide();
  if (result.outcome == ShiftOutcome::Shifted) cds.First();
  AttachGrid();
  if (result.outcome == ShiftOutcome::Refused) {
    // The field keeps the refused text so that the user can mend it.
    state.BusyFlag = false;
    ctx_.forms.kiszoveg->ShowMessage(result.message);
    return result;
  }
  if (result.outcome == ShiftOutcome::ZeroValue) {
    detailed.szazalek->hide();
    ctx_.forms.kiszoveg->ShowMessage(result.message);
  } else {
    RefreshRowFields();
    Bmentes->setEnabled(true);
    Mentes1->setEnabled(true);
  }
  Emodositas->setText(ToQt(ZeroValue(mode)));
  state.BusyFlag = false;
  return result;
}

void TFelirat::ShiftRunInEditor(const RowRun& runFromCurrent, const std::string& mode, std::int64_t amount,
                                ShiftSign sign, const ProgressCallback& progress) {
  if (cds.IsEmpty()) return;
  ctx_.state.BusyFlag = true;
  RowRun run = runFromCurrent;
  run.startIndex = cds.CurrentIndex();
  DetachGrid();
  ShiftFromCurrentRow(cds, run, mode, amount, sign, progress);
  AttachGrid();
  Bmentes->setEnabled(true);
}

void TFelirat::BreszletesClick() {
  hide();
  if (TimingMode() == QLatin1String(kTimeMode.data()) && Emodositas->text().size() != 12) {
    Emodositas->setText(ToQt(kZeroTimeCode));
  }
  TReszletes& detailed = *ctx_.forms.reszletes;
  detailed.Emodositas2->setText(Emodositas->text());
  detailed.ShowModal();
}

void TFelirat::beosztasChange(const QString& newMode) {
  AppState& state = ctx_.state;
  if (ToStd(newMode) == state.LoadedKind) return;
  for (QLineEdit* field : {kezdes, befejezes, kulonbseg}) field->clear();
  QPalette colours = kulonbseg->palette();
  colours.setColor(QPalette::Base, Qt::white);
  kulonbseg->setPalette(colours);
  szoveg->clear();
  DetachGrid();
  state.BusyFlag = true;
  Fszazalek->setValue(0);
  Fszazalek->show();
  const bool switched = SwitchTimingMode(cds, state.LoadedKind, ToStd(newMode), ToStd(cbFps->currentText()),
                                         [this](int gauge) { SetGaugeValue(gauge); });
  if (switched) {
    state.LoadedKind = ToStd(newMode);
    cds.First();
    ApplyTimingModeToEditor(newMode);
    Bmentes->setEnabled(true);
    Btorles->setEnabled(true);
  }
  RefreshRowFields();
  AttachGrid();
  state.BusyFlag = false;
  Fszazalek->hide();
}

FrameRateChangeResult TFelirat::ConvertFrameRateInEditor(const QString& fromRate, const QString& toRate,
                                                         const ProgressCallback& progress) {
  ctx_.state.BusyFlag = true;
  DetachGrid();
  const FrameRateChangeResult result =
      ConvertFrameRate(cds, ToStd(TimingMode()), ToStd(fromRate), ToStd(toRate), progress);
  ctx_.state.BusyFlag = false;
  cds.First();
  AttachGrid();
  if (result.converted) {
    Bmentes->setEnabled(true);
    Mentes1->setEnabled(true);
  }
  RefreshRowFields();
  return result;
}

bool TFelirat::ShiftFieldKeyPress(QKeyEvent* event) {
  if (IsEnterKey(event->key())) {
    ShiftAllRowsInEditor();
    return true;
  }
  if (IsShiftArrow(event)) return true;  // no keyboard selection
  const auto caret = static_cast<std::size_t>(Emodositas->cursorPosition());
  if (event->key() == Qt::Key_Delete) return !DeleteAllowedAt(caret);
  const char32_t typed = TypedCharacter(event);
  return typed != 0 && !FilterValueKey(ToStd(TimingMode()), typed, caret);
}

}  // namespace lumora
