// Reading a file into the editor and writing it back: the load step, the save decision, the save
// handlers, the closing question and the browse action.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>

#include "editor/TFelirat.h"
#include "editor/subtitle_table_model.h"
#include "shell/TFileneve.h"
#include "shell/TKereses.h"
#include "shell/TKiszoveg.h"
#include "shell/app_context.h"
#include "shell/qt_text.h"
#include "subtitle/subtitle_reader.h"
#include "subtitle/subtitle_writer.h"
#include "subtitle/timing_mode.h"

namespace lumora {

void TFelirat::SetGaugeValue(int value) {
  Fszazalek->setValue(value);
  // The pass runs inside one handler: paint the gauge now, the event loop will not get to it.
  Fszazalek->repaint();
}

void TFelirat::PrepareEditorForLoad(const QString& chosenName) {
  ctx_.state.LoadPending = true;
  LoadedFlag = false;
  Efilenev->setText(chosenName);
  for (QWidget* w : std::initializer_list<QWidget*>{racs, Ekereses, Bkeresok, Bmodok, BKreszletes, Breszletes, RB1}) {
    w->setEnabled(true);
  }
  RB1->setChecked(true);
}

void TFelirat::LoadIntoEditor() {
  AppState& state = ctx_.state;
  if (!state.LoadPending) return;
  state.LoadErrorReason.clear();
  state.BusyFlag = true;
  DetachGrid();
  if (!cds.IsOpen()) cds.Create();
  cds.Empty();

  Fszazalek->setValue(0);
  Fszazalek->show();
  ReadOptions options;
  options.progress = [this](int gauge) { SetGaugeValue(gauge); };
  const ReadOutcome outcome = ReadSubtitleFile(state.SubtitlePath, cds, options);
  cds.First();
  AttachGrid();
  Fszazalek->hide();
  encoding = outcome.encoding;
  state.LoadErrorReason = outcome.loadErrorReason;
  state.RowClipboard.clear();

  if (outcome.status == ReadStatus::Unreadable) {
    // Nothing was read: the editor goes back to its empty state and says why.
    ClearEditorWindow();
    Efilenev->clear();
    szoveg->clear();
    SetCounter("0=0 betű");
    MentM1->setEnabled(false);
    BMMN->setEnabled(false);
    if (outcome.message) ctx_.forms.kiszoveg->ShowMessage(*outcome.message);
  } else if (outcome.kind != FormatKind::NoneRecognised) {
    const QString mode = ToQt(outcome.loadedKind);
    beosztas->setCurrentText(mode);
    ApplyTimingModeToEditor(mode);
    state.LoadedKind = outcome.loadedKind;
    MentM1->setEnabled(true);
    if (outcome.message) ctx_.forms.kiszoveg->ShowMessage(*outcome.message);
    RefreshRowFields();
    UpdateFormatMarks();
    EnableRowEditing();
    const bool hasRows = !cds.IsEmpty();
    Btorles->setEnabled(hasRows);
    Belemoge->setEnabled(hasRows);
    if (hasRows) {
      for (QAction* item : {dolt, Vastagitott, Alahuzott, osszesel, soreleRacs, sormogeRacs, Kivagas, Masolas}) {
        item->setEnabled(true);
      }
    }
    Bbeszuras->setEnabled(true);
    cburessor->setEnabled(true);
    LoadedFlag = true;
    state.RouteState = "felvitt";
    state.EditorEntry = "megnyitas";
    BMMN->setEnabled(true);
    cds.First();
    racs->setFocus();
  } else {
    szoveg->clear();
    kezdes->clear();
    befejezes->clear();
    RB1->setEnabled(false);
    Batvaltas->setEnabled(false);
    for (QAction* item : {dolt, Vastagitott, Alahuzott, osszesel, soreleRacs, sormogeRacs, Kivagas, Masolas, Beillesztes}) {
      item->setEnabled(false);
    }
    if (outcome.message) ctx_.forms.kiszoveg->ShowMessage(*outcome.message);
  }
  Fszazalek->hide();
  state.BusyFlag = false;
  UpdateEditorScrollBar();
}

bool TFelirat::RunWriter(bool frameMode) {
  AppState& state = ctx_.state;
  state.BusyFlag = true;
  Fszazalek->setValue(0);
  Fszazalek->show();
  const auto progress = [this](int gauge) { SetGaugeValue(gauge); };
  const WriteOutcome outcome = frameMode ? WriteSubFile(state.SubtitlePath, cds, encoding, progress)
                                         : WriteSrtFile(state.SubtitlePath, cds, encoding, progress);
  Fszazalek->hide();
  // The writers renumbered the rows without telling the grid.
  if (model_->IsAttached()) AttachGrid();
  state.BusyFlag = false;
  if (!outcome.ok) {
    if (outcome.message) ctx_.forms.kiszoveg->ShowMessage(*outcome.message);
    Bmentes->setEnabled(true);
  }
  return outcome.ok;
}

void TFelirat::SaveSubtitle(bool askName, bool showSaved) {
  AppState& state = ctx_.state;
  TFileneve& nameWindow = *ctx_.forms.fileneve;
  state.SaveCancelled = false;
  szoveg->clear();
  kezdes->clear();
  befejezes->clear();
  state.SaveTarget = "Felirat";
  if (askName) {
    nameWindow.Edit1->setText(TimingMode());
    nameWindow.ShowModal();
  }
  if (!state.SaveCancelled) {
    Bmentes->setEnabled(false);
    const bool frameMode = TimingMode() == QLatin1String(kFrameMode.data());
    // A ".sub" name ends in "b", a ".srt" name in "t".
    const char fittingLast = frameMode ? 'b' : 't';
    bool written = false;
    bool ok = false;
    if (!state.SubtitlePath.empty() && state.SubtitlePath.back() == fittingLast) {
      ok = RunWriter(frameMode);
      written = true;
      if (frameMode) Mentes1->setEnabled(false);
    } else {
      state.SaveCancelled = true;
      ShowMessage("Eltérés!", "info", "A file neve nem egyezik meg a típussal!", "Következmény: filenév bekérés");
      state.SaveTarget = "Felirat";
      nameWindow.Edit1->setText(ToQt(frameMode ? kFrameMode : kTimeMode));
      nameWindow.ShowModal();
      if (!state.SaveCancelled) {
        ok = RunWriter(frameMode);
        written = true;
      }
    }
    Efilenev->setText(ToQt(state.SubtitleName));
    if (written && ok && !state.SaveCancelled) {
      if (showSaved) ShowMessage("Mentés", "info", "A file-t elmentettem!");
      Mentes1->setEnabled(false);
      Bertek->setEnabled(false);
    }
  }
  RefreshRowFields();
  if (state.SaveCancelled) Bmentes->setEnabled(true);
}

void TFelirat::Mentes1Click() {
  const std::size_t remembered = cds.RecNo();
  SaveSubtitle(Efilenev->text().isEmpty(), Efilenev->text().isEmpty());
  cds.SetRecNo(remembered);
  RefreshRowFields();
  UpdateEditorScrollBar();
}

void TFelirat::BmentesClick() { SaveSubtitle(true, true); }

void TFelirat::SaveOnClose() { SaveSubtitle(Efilenev->text().isEmpty(), true); }

void TFelirat::MarkSubtitleChanged() {
  Bmentes->setEnabled(true);
  Mentes1->setEnabled(true);
  BMMN->setEnabled(true);
  MentM1->setEnabled(true);
}

void TFelirat::FormClose() {
  AppState& state = ctx_.state;
  Timer1.stop();
  state.DialogAnswer = "mentes2";
  if (Bmentes->isEnabled()) {
    ctx_.forms.kiszoveg->ShowMessageBox("A felirat mentése!", "kerdes", "A felirat módosítva lett!", true, true, false,
                                        "Elmenti?");
  }
  if (state.RouteState != "be2") state.RouteState = "ki";
}

void TFelirat::BtallozasClick() {
  AppState& state = ctx_.state;
  state.LoadPending = false;
  Ekereses->clear();
  state.OpenTarget = "Felirat";
  ctx_.forms.kereses->ShowBeside(*this);
}

}  // namespace lumora
