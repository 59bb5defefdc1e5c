// Row operations of the editor: append, insert before and after, delete, renumber, formatting
// tags, the row clipboard and the two searches.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>

#include "editor/TFelirat.h"
#include "editor/TReszletesK.h"
#include "editor/row_formatting.h"
#include "editor/row_operations.h"
#include "editor/text_search.h"
#include "shell/TKiszoveg.h"
#include "shell/app_context.h"
#include "shell/qt_text.h"

namespace lumora {

void TFelirat::ConnectRowOperations() {
  connect(Bbeszuras, &QPushButton::clicked, this, &TFelirat::BbeszurasClick);
  connect(pmsorele, &QAction::triggered, this, &TFelirat::pmsoreleClick);
  connect(soreleRacs, &QAction::triggered, this, &TFelirat::pmsoreleClick);
  connect(pmsormoge, &QAction::triggered, this, &TFelirat::pmsormogeClick);
  connect(sormogeRacs, &QAction::triggered, this, &TFelirat::pmsormogeClick);
  connect(Btorles, &QPushButton::clicked, this, &TFelirat::BtorlesClick);
  connect(Bujra, &QPushButton::clicked, this, &TFelirat::BujraClick);
  connect(dolt, &QAction::triggered, this, [this] { ToggleTags(kItalicTags); });
  connect(Vastagitott, &QAction::triggered, this, [this] { ToggleTags(kBoldTags); });
  connect(Alahuzott, &QAction::triggered, this, [this] { ToggleTags(kUnderlineTags); });
  connect(osszesel, &QAction::triggered, this, &TFelirat::osszeselClick);
  connect(Kivagas, &QAction::triggered, this, &TFelirat::KivagasClick);
  connect(Masolas, &QAction::triggered, this, &TFelirat::MasolasClick);
  connect(Beillesztes, &QAction::triggered, this, &TFelirat::BeillesztesClick);
  connect(Bkeresok, &QPushButton::clicked, this, &TFelirat::BkeresokClick);
  connect(BKreszletes, &QPushButton::clicked, this, [this] { ctx_.forms.reszletesK->ShowBeside(*this); });
}

void TFelirat::BbeszurasClick() {
  AppendNewRow(cds, ToStd(TimingMode()), cburessor->isChecked());
  Belemoge->setEnabled(true);
  Btorles->setEnabled(true);
  if (cds.RecordCount() == 1) EnableRowEditing();
  // After EnableRowEditing, which would otherwise leave the new row unsaved without a way to save.
  Bmentes->setEnabled(true);
  RefreshRowFields();
  UpdateEditorScrollBar();
}

void TFelirat::BelemogeMouseDown() { PopupMenuEM->popup(QCursor::pos()); }

void TFelirat::pmsoreleClick() {
  if (!InsertRowBefore(cds, ToStd(TimingMode()), cburessor->isChecked())) return;
  Bmentes->setEnabled(true);
  RefreshRowFields();
}

void TFelirat::pmsormogeClick() {
  ctx_.state.BusyFlag = true;
  const bool inserted = InsertRowAfter(cds, ToStd(TimingMode()), cburessor->isChecked());
  ctx_.state.BusyFlag = false;
  if (!inserted) return;
  Bmentes->setEnabled(true);
  RefreshRowFields();
}

void TFelirat::BtorlesClick() {
  ctx_.state.BusyFlag = true;
  const std::optional<Message> refusal = DeleteCurrentRow(cds);
  if (refusal) ctx_.forms.kiszoveg->ShowMessage(*refusal);
  Bmentes->setEnabled(true);
  if (cds.IsEmpty()) {
    Btorles->setEnabled(false);
    Belemoge->setEnabled(false);
  }
  ctx_.state.BusyFlag = false;
  RefreshRowFields();
}

void TFelirat::BujraClick() {
  szoveg->clear();
  ctx_.state.BusyFlag = true;
  DetachGrid();
  RenumberRows(cds);
  AttachGrid();
  ctx_.state.BusyFlag = false;
  Bertek->setEnabled(false);
  RefreshRowFields();
  racs->setFocus();
}

void TFelirat::ToggleTags(TagPair tags) {
  const ToggleResult result = ToggleTagPair(cds, tags);
  if (result.refusal) ctx_.forms.kiszoveg->ShowMessage(*result.refusal);
  RefreshRowFields();
  UpdateFormatMarks();
  if (result.changed) Bmentes->setEnabled(true);
}

void TFelirat::osszeselClick() {
  StripAllTags(cds);
  RefreshRowFields();
  UpdateFormatMarks();
  Bmentes->setEnabled(true);
}

void TFelirat::KivagasClick() {
  if (!CutRowText(cds, ctx_.state.RowClipboard)) return;
  Beillesztes->setEnabled(true);
  Bmentes->setEnabled(true);
  RefreshRowFields();
}

void TFelirat::MasolasClick() {
  if (CopyRowText(cds, ctx_.state.RowClipboard)) Beillesztes->setEnabled(true);
}

void TFelirat::BeillesztesClick() {
  if (!PasteRowText(cds, ctx_.state.RowClipboard)) return;
  Bmentes->setEnabled(true);
  RefreshRowFields();
}

void TFelirat::BkeresokClick() { SearchRows(Ekereses->text(), SearchOptions{}); }

void TFelirat::SearchRows(const QString& text, const SearchOptions& options) {
  if (text.isEmpty()) return;
  ctx_.state.BusyFlag = true;
  DetachGrid();
  const SearchOutcome outcome = SearchFromCurrentRow(cds, ToStd(text), options);
  AttachGrid();
  if (outcome == SearchOutcome::NotFound) ctx_.forms.kiszoveg->ShowMessage(NotFoundMessage(ToStd(text)));
  ctx_.state.BusyFlag = false;
  RefreshRowFields();
}

}  // namespace lumora
