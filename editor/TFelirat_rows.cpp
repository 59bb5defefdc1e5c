// The current row: its fields, the keys of the value and text fields, and row navigation.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>

#include "editor/TFelirat.h"
#include "editor/row_display.h"
#include "editor/row_operations.h"
#include "editor/row_values.h"
#include "shell/TKiszoveg.h"
#include "shell/app_context.h"
#include "shell/key_events.h"
#include "shell/qt_text.h"
#include "subtitle/key_filters.h"
#include "subtitle/row_text.h"
#include "subtitle/timing_mode.h"

namespace lumora {

namespace {

std::size_t Caret(const QLineEdit* field) { return static_cast<std::size_t>(field->cursorPosition()); }

}  // namespace

void TFelirat::RefreshRowFields() {
  AppState& state = ctx_.state;
  state.BusyFlag = true;
  const SubtitleRow row = cds.IsEmpty() ? SubtitleRow{} : cds.Current().ToRow();
  kezdes->setText(ToQt(row.Kezdes));
  befejezes->setText(ToQt(row.Befejezes));
  if (!kezdes->text().isEmpty() && !befejezes->text().isEmpty()) {
    UpdateDifference();
  } else {
    kulonbseg->clear();
  }
  szoveg->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{kezdes, befejezes, kulonbseg}) w->setEnabled(true);
  if (row.Szoveg.empty()) {
    SetCounter(RefreshedCounterLabel(row.Szoveg));
  } else {
    ShowRowText(row.Szoveg);
  }
  state.BusyFlag = false;
}

void TFelirat::ShowRowText(const std::string& text) {
  const RowTextView view = lumora::ShowRowText(text);
  szoveg->setPlainText(ToQt(view.memo));
  szoveg->moveCursor(QTextCursor::Start);
  szoveg->ensureCursorVisible();
  SetCounter(view.counter);
}

void TFelirat::SetCounter(const std::string& label) { sordarab->setText(ToQt(label)); }

void TFelirat::UpdateDifference() {
  const SubtitleRow row = cds.IsEmpty() ? SubtitleRow{} : cds.Current().ToRow();
  const DifferenceField difference = RowDifference(ToStd(TimingMode()), {row.Kezdes, row.Befejezes},
                                                   {ToStd(kezdes->text()), ToStd(befejezes->text())});
  kulonbseg->setText(ToQt(difference.text));
  QPalette colours = kulonbseg->palette();
  colours.setColor(QPalette::Base, difference.negative ? Qt::red : Qt::white);
  kulonbseg->setPalette(colours);
}

void TFelirat::BertekClick() {
  const RowValues fields{ToStd(kezdes->text()), ToStd(befejezes->text())};
  const CheckResult check = CheckRowValues(ToStd(TimingMode()), fields);
  if (!check) {
    ctx_.forms.kiszoveg->ShowMessage(check.message);
  } else if (!cds.IsEmpty()) {
    ctx_.state.BusyFlag = true;
    cds.Edit();
    cds.SetKezdes(fields.Kezdes);
    cds.SetBefejezes(fields.Befejezes);
    cds.SetSzoveg(MemoToRowText(ToStd(szoveg->toPlainText())));
    cds.Post();
    Bmentes->setEnabled(true);
    Bertek->setEnabled(false);
    ctx_.state.BusyFlag = false;
  }
  UpdateDifference();
}

void TFelirat::UpdateFormatMarks() {
  const FormatMarks marks = FormatMarksOf(cds.IsEmpty() ? std::string_view() : cds.Current().Szoveg);
  dolt->setChecked(marks.italic);
  Vastagitott->setChecked(marks.bold);
  Alahuzott->setChecked(marks.underline);
}

void TFelirat::EnableRowEditing() {
  for (QWidget* w : std::initializer_list<QWidget*>{kezdes, befejezes, szoveg, kulonbseg, Emodositas, Bmodok, Bujra,
                                                    Breszletes, BKreszletes, Batvaltas, beosztas}) {
    w->setEnabled(true);
  }
  Bmentes->setEnabled(false);
  Mentes1->setEnabled(false);
  RB1->setChecked(true);
  Belso->show();
  Butolso->show();
}

void TFelirat::DBkezdesChange() {
  if (ctx_.state.BusyFlag) return;
  if (LoadedFlag) RefreshRowFields();
  UpdateFormatMarks();
}

void TFelirat::RacsCellClick() {
  UpdateFormatMarks();
  if (RB1->isChecked()) RefreshRowFields();
}

void TFelirat::RB1Click() {
  GB1->show();
  GB12->hide();
  RefreshRowFields();
}

bool TFelirat::ValueFieldKeyPress(QLineEdit* field, QKeyEvent* event) {
  const bool timeMode = TimingMode() == QLatin1String(kTimeMode.data());
  const int key = event->key();
  if (IsShiftArrow(event)) return true;  // no keyboard selection
  if (key == Qt::Key_Delete) {
    if (timeMode && !DeleteAllowedAt(Caret(field))) return true;
    Bertek->setEnabled(true);
    return false;
  }
  if (IsEnterKey(key)) {
    if (field == kezdes) {
      befejezes->setFocus();
    } else if (Bertek->isEnabled()) {
      Bertek->setFocus();
    } else {
      szoveg->setFocus();
    }
    return true;
  }
  const char32_t typed = TypedCharacter(event);
  if (typed == 0) return false;
  if (key == Qt::Key_Backspace && field == befejezes) Bertek->setEnabled(true);
  if (!FilterValueKey(ToStd(TimingMode()), typed, Caret(field))) return true;
  Bertek->setEnabled(true);
  return false;
}

void TFelirat::szovegKeyRelease() {
  Mentes1->setEnabled(true);
  if (cds.IsEmpty()) return;
  cds.Edit();
  cds.SetSzoveg(MemoToRowText(ToStd(szoveg->toPlainText())));
  cds.Post();
  ctx_.state.BusyFlag = true;
  SetCounter(CounterLabel(cds.Current().Szoveg));
  ctx_.state.BusyFlag = false;
}

bool TFelirat::FormKeyPreview(QWidget* target, QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Escape) {
    Close();
    return true;
  }
  if (target == kezdes || target == befejezes) return ValueFieldKeyPress(static_cast<QLineEdit*>(target), event);
  if (target == szoveg) {
    if (TypedCharacter(event) != 0 || key == Qt::Key_Delete || key == Qt::Key_Space) Bmentes->setEnabled(true);
    return false;
  }
  if (target == beosztas || target == cbFps || target == CbPM) {
    // The values are chosen from the lists only; typing would pick an item by its first letter.
    return TypedCharacter(event) != 0;
  }
  if (target == Efilenev) {
    Btallozas->setFocus();
    return true;
  }
  if (target == Emodositas) return ShiftFieldKeyPress(event);
  if (target == Ekereses && IsEnterKey(key)) {
    BkeresokClick();
    return true;
  }
  if (target == Eugras) {
    if (IsEnterKey(key)) {
      BugrasClick();
      return true;
    }
    const char32_t typed = TypedCharacter(event);
    return typed != 0 && !FilterFrameKey(typed);
  }
  return false;
}

bool TFelirat::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyRelease: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (watched == szoveg) szovegKeyRelease();
      if (watched == racs && (key == Qt::Key_Up || key == Qt::Key_Down)) RefreshRowFields();
      break;
    }
    case QEvent::MouseMove:
      if (watched == kezdes || watched == befejezes || watched == Emodositas) {
        auto* field = static_cast<QLineEdit*>(watched);
        if (field->hasSelectedText()) field->setCursorPosition(field->cursorPosition());
      }
      break;
    case QEvent::MouseButtonPress:
      if (watched == Efilenev) {
        Btallozas->setFocus();
        return true;
      }
      if (watched == Belemoge && Belemoge->isEnabled()) {
        BelemogeMouseDown();
        return true;
      }
      if (watched == kulonbseg) {
        befejezes->setFocus();
        befejezes->deselect();
        return true;
      }
      break;
    default:
      break;
  }
  return Form::eventFilter(watched, event);
}

void TFelirat::BelsoClick() {
  cds.First();
  RefreshRowFields();
  racs->setFocus();
}

void TFelirat::ButolsoClick() {
  cds.Last();
  RefreshRowFields();
  racs->setFocus();
}

void TFelirat::BugrasClick() {
  if (cds.IsEmpty()) return;
  ctx_.state.BusyFlag = true;
  DetachGrid();
  const bool jumped = JumpToRow(cds, ToStd(Eugras->text()));
  AttachGrid();
  ctx_.state.BusyFlag = false;
  if (!jumped) return;
  RefreshRowFields();
  racs->setFocus();
}

void TFelirat::BvegelsoClick() {
  if (!CarryEndToNextRow(cds)) return;
  Bmentes->setEnabled(true);
  Mentes1->setEnabled(true);
  // The fields follow the row that became current, so a later apply never writes into the wrong row.
  RefreshRowFields();
}

}  // namespace lumora
