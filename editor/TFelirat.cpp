#include "editor/TFelirat.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextEdit>

#include "editor/TReszletesK.h"
#include "editor/subtitle_table_model.h"
#include "editor/wheel_to_arrow_keys.h"
#include "shell/TFoForm.h"
#include "shell/TInfo.h"
#include "shell/TKereses.h"
#include "shell/TKiszoveg.h"
#include "shell/TLeiras.h"
#include "shell/app_context.h"
#include "shell/pictures.h"
#include "shell/qt_text.h"
#include "shell/startup_rules.h"
#include "shell/widget_factory.h"
#include "subtitle/frame_rate.h"
#include "subtitle/row_text.h"
#include "subtitle/timing_mode.h"

namespace lumora {

// The hidden data-aware start field of the original design: it learns of every move of the
// current row and of every change of its start value.
class TFelirat::CurrentRowObserver : public TableObserver {
 public:
  explicit CurrentRowObserver(TFelirat& editor) : editor_(editor) {}
  void CurrentRowMoved() override { Changed(); }
  void CurrentRowValuesChanged() override {
    const SubtitleTable& table = editor_.cds;
    if (!table.IsEmpty() && table.Current().Kezdes != lastKezdes_) Changed();
  }

 private:
  void Changed() {
    const SubtitleTable& table = editor_.cds;
    lastKezdes_ = table.IsEmpty() ? std::string() : table.Current().Kezdes.str();
    editor_.DBkezdesChange();
  }
  TFelirat& editor_;
  std::string lastKezdes_;
};

TFelirat::TFelirat(AppContext& context)
    : Form(context, "TFelirat", "Felirat megnyitása"), rowObserver_(std::make_unique<CurrentRowObserver>(*this)) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  BuildControls();
  BuildMenus();
  ConnectHandlers();
  ConnectRowOperations();
  ConnectTimingTools();
  // Every control's keys and mouse events pass through eventFilter first.
  EnableKeyPreview();
  cds.AddObserver(rowObserver_.get());
  wheelHook_ = std::make_unique<WheelToArrowKeys>();
  qApp->installEventFilter(wheelHook_.get());
  FormCreate();
}

TFelirat::~TFelirat() {
  qApp->removeEventFilter(wheelHook_.get());
  cds.RemoveObserver(rowObserver_.get());
}

void TFelirat::BuildControls() {
  menu = Named(new QMenuBar(this), "menu");
  ido = MakeLabel(this, "ido", QString());
  Fszazalek = Named(new QProgressBar(this), "Fszazalek");
  Fszazalek->setRange(0, 100);
  Fszazalek->hide();
  Lfeliratnev = MakeLabel(this, "Lfeliratnev", "Felirat neve:");
  Efilenev = MakeEdit(this, "Efilenev");
  Efilenev->setReadOnly(true);
  Btallozas = MakeButton(this, "Btallozas", "Tallózás");

  GbBeallitas = MakeGroup(this, "GbBeallitas", "Beállítások");
  Lbeosztas = MakeLabel(GbBeallitas, "Lbeosztas", "Beosztás:");
  beosztas = MakeCombo(GbBeallitas, "beosztas", {"Frame", "Time"});
  beosztas->setEnabled(false);
  Lfps = MakeLabel(GbBeallitas, "Lfps", "FPS:");
  QStringList rates;
  for (std::string_view rate : kFpsChoices) rates << ToQt(rate);
  cbFps = MakeCombo(GbBeallitas, "cbFps", rates);
  BFPS = MakeButton(GbBeallitas, "BFPS", "FPS érték AVI-ból");
  BFPS->setEnabled(false);
  Batvaltas = MakeButton(GbBeallitas, "Batvaltas", "Átváltás");
  Batvaltas->setEnabled(false);

  GbTevekenyseg = MakeGroup(this, "GbTevekenyseg", "Tevékenységek");
  Lmodositas = MakeLabel(GbTevekenyseg, "Lmodositas", "Módosítás:");
  CbPM = MakeCombo(GbTevekenyseg, "CbPM", {"+", "-"});
  Emodositas = MakeEdit(GbTevekenyseg, "Emodositas", 12);
  Emodositas->setText("0");
  Emodositas->setEnabled(false);
  Bmodok = MakeButton(GbTevekenyseg, "Bmodok", QString());
  Bmodok->setIcon(ButtonGlyphIcon(ButtonGlyph::Apply));
  Bmodok->setEnabled(false);
  Breszletes = MakeButton(GbTevekenyseg, "Breszletes", "Részletes>>>");
  Breszletes->setEnabled(false);
  Lkereses = MakeLabel(GbTevekenyseg, "Lkereses", "Keresés:");
  Ekereses = MakeEdit(GbTevekenyseg, "Ekereses");
  Ekereses->setEnabled(false);
  Bkeresok = MakeButton(GbTevekenyseg, "Bkeresok", QString());
  Bkeresok->setIcon(ButtonGlyphIcon(ButtonGlyph::Search));
  Bkeresok->setToolTip("Keresés indítása");
  Bkeresok->setEnabled(false);
  BKreszletes = MakeButton(GbTevekenyseg, "BKreszletes", "Részletes>>>");

  Lugras = MakeLabel(this, "Lugras", "Ugrás erre a sorra:");
  Eugras = MakeEdit(this, "Eugras", 8);
  Bugras = MakeButton(this, "Bugras", "Ok");
  atlatszo = MakeCheck(this, "atlatszo", "Átlátszódás");
  Bvissza = MakeButton(this, "Bvissza", "Vissza a főmenübe");
  Bki = MakeButton(this, "Bki", "Kilépés");

  Belso = MakeButton(this, "Belso", "Első sor");
  Belso->hide();
  Butolso = MakeButton(this, "Butolso", "Utolsó sor");
  Butolso->hide();
  Bvegelso = MakeButton(this, "Bvegelso", "G");

  racs = Named(new QTableView(this), "racs");
  model_ = new SubtitleTableModel(cds, this);
  emptyModel_ = new QStandardItemModel(0, 4, this);
  model_->SetRowColouring([this](const TableRow& row) {
    if (ctx_.state.BusyFlag) return RowColour::Normal;
    return RowColourFor(row.Szoveg, Cbtobb->isChecked(), CB3sor->isChecked());
  });
  ShowModelInGrid(model_);
  racs->setSelectionBehavior(QAbstractItemView::SelectRows);
  racs->setSelectionMode(QAbstractItemView::SingleSelection);
  racs->setEditTriggers(QAbstractItemView::NoEditTriggers);
  racs->setContextMenuPolicy(Qt::CustomContextMenu);
  // Fixed row heights keep the grid instant for 100,000 rows.
  racs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  racs->verticalHeader()->setDefaultSectionSize(20);
  racs->verticalHeader()->setFixedWidth(18);
  racs->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  racs->horizontalHeader()->setStretchLastSection(true);
  racs->setColumnWidth(0, 64);
  racs->setColumnWidth(1, 96);
  racs->setColumnWidth(2, 96);
  racs->setWordWrap(false);

  RB1 = MakeRadio(this, "RB1", "Sor módosítása és felvitele");
  RB1->setChecked(true);
  RB1->setEnabled(false);
  RB12 = MakeRadio(this, "RB12", "X CD -> X CD");
  // The disc tools are not part of this program yet: their mode cannot be chosen.
  RB12->setEnabled(false);

  GB1 = MakeGroup(this, "GB1", QString());
  Lkezdes = MakeLabel(GB1, "Lkezdes", "Kezdés:");
  kezdes = MakeEdit(GB1, "kezdes", 12);
  kezdes->setEnabled(false);
  Lbefejezes = MakeLabel(GB1, "Lbefejezes", "Befejezés:");
  befejezes = MakeEdit(GB1, "befejezes", 12);
  befejezes->setEnabled(false);
  Lkulonbseg = MakeLabel(GB1, "Lkulonbseg", "Különbség:");
  kulonbseg = MakeEdit(GB1, "kulonbseg", 13);
  kulonbseg->setReadOnly(true);
  kulonbseg->setFocusPolicy(Qt::ClickFocus);
  szoveg = Named(new QTextEdit(GB1), "szoveg");
  szoveg->setAcceptRichText(false);
  szoveg->setLineWrapMode(QTextEdit::NoWrap);
  szoveg->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
  szoveg->setEnabled(false);
  Label3 = MakeLabel(GB1, "Label3", "Karakterszám:");
  sordarab = MakeLabel(GB1, "sordarab", "0=0 betű");
  Bertek = MakeButton(GB1, "Bertek", "Értékek beállítása");
  Bertek->setEnabled(false);
  Bmentes = MakeButton(GB1, "Bmentes", "Mentés");
  Bmentes->setToolTip("A feliratot itt elmenthetjük");
  Bmentes->setEnabled(false);
  BMMN = MakeButton(GB1, "BMMN", "Mentés Más Néven");
  BMMN->setToolTip("A feliratot egy másik néven itt elmenthetjük");
  BMMN->setEnabled(false);
  Bbeszuras = MakeButton(GB1, "Bbeszuras", "+");
  Bbeszuras->setToolTip("Egy sor beszúrása a file végéhez");
  Bbeszuras->setEnabled(false);
  Belemoge = MakeButton(GB1, "Belemoge", "↕");
  Belemoge->setToolTip("Egy sor beszúrása az aktuális sor elé/mögé");
  Belemoge->setEnabled(false);
  Btorles = MakeButton(GB1, "Btorles", "−");
  Btorles->setToolTip("Egy sor törlése");
  Btorles->setEnabled(false);
  cburessor = MakeCheck(GB1, "cburessor", "Beszúráskor: üres sor");
  cburessor->setEnabled(false);
  Bujra = MakeButton(GB1, "Bujra", "Sorszám újraszámolása");
  Bujra->setEnabled(false);
  Cbtobb = MakeCheck(GB1, "Cbtobb", "Színezés 37 betű felett");
  CB3sor = MakeCheck(GB1, "CB3sor", "Színezés 3 sor felett");

  GB12 = MakeGroup(this, "GB12", QString());
  GB12->setEnabled(false);
  GB12->hide();

  // Value fields and lists keep a small font in both arrangements; the row text is large.
  for (QWidget* w : findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || w == Belso || w == Butolso) {
      QFont small = w->font();
      small.setPointSize(8);
      w->setFont(small);
    }
  }
  QFont large = szoveg->font();
  large.setPointSize(14);
  szoveg->setFont(large);
}

void TFelirat::BuildMenus() {
  QMenu* file = menu->addMenu("File");
  Megnyit1 = MakeAction(file, "Megnyit1", "Felirat megnyitása");
  Mentes1 = MakeAction(file, "Mentes1", "Felirat mentése");
  Mentes1->setEnabled(false);
  MentM1 = MakeAction(file, "MentM1", "Felirat mentése más néven");
  MentM1->setEnabled(false);
  VisszaaFmenbe1 = MakeAction(file, "VisszaaFmenbe1", "Vissza a Főmenübe");
  Kilepes1 = MakeAction(file, "Kilepes1", "Kilépés");
  QMenu* layout = menu->addMenu("Felbontás");
  Felbonts1 = MakeAction(layout, "Felbonts1", "800X600");
  Felbonts2 = MakeAction(layout, "Felbonts2", "1024X768");
  QMenu* info = menu->addMenu("Info");
  Info1 = MakeAction(info, "Info1", "Leírás");
  Info2 = MakeAction(info, "Info2", "Info");

  RacsPM = Named(new QMenu(this), "RacsPM");
  dolt = MakeAction(RacsPM, "dolt", "Dőlt");
  Vastagitott = MakeAction(RacsPM, "Vastagitott", "Vastagított");
  Alahuzott = MakeAction(RacsPM, "Alahuzott", "Aláhúzott");
  for (QAction* mark : {dolt, Vastagitott, Alahuzott}) mark->setCheckable(true);
  osszesel = MakeAction(RacsPM, "osszesel", "Minden formázás eltávolítása");
  RacsPM->addSeparator();
  soreleRacs = MakeAction(RacsPM, "soreleRacs", "Egy sor beszúrása az aktuális sor elé");
  sormogeRacs = MakeAction(RacsPM, "sormogeRacs", "Egy sor beszúrása az aktuális sor mögé");
  RacsPM->addSeparator();
  Kivagas = MakeAction(RacsPM, "Kivagas", "Kivágás");
  Masolas = MakeAction(RacsPM, "Masolas", "Másolás");
  Beillesztes = MakeAction(RacsPM, "Beillesztes", "Beillesztés");
  for (QAction* item : RacsPM->actions()) item->setEnabled(false);

  PopupMenuEM = Named(new QMenu(this), "PopupMenuEM");
  pmsorele = MakeAction(PopupMenuEM, "pmsorele", "Egy sor beszúrása az aktuális sor elé");
  pmsormoge = MakeAction(PopupMenuEM, "pmsormoge", "Egy sor beszúrása az aktuális sor mögé");
}

void TFelirat::ConnectHandlers() {
  connect(Bertek, &QPushButton::clicked, this, &TFelirat::BertekClick);
  connect(Belso, &QPushButton::clicked, this, &TFelirat::BelsoClick);
  connect(Butolso, &QPushButton::clicked, this, &TFelirat::ButolsoClick);
  connect(Bvegelso, &QPushButton::clicked, this, &TFelirat::BvegelsoClick);
  connect(Bugras, &QPushButton::clicked, this, &TFelirat::BugrasClick);
  connect(RB1, &QRadioButton::clicked, this, &TFelirat::RB1Click);
  connect(Bvissza, &QPushButton::clicked, this, &TFelirat::BvisszaClick);
  connect(VisszaaFmenbe1, &QAction::triggered, this, &TFelirat::BvisszaClick);
  connect(Bki, &QPushButton::clicked, this, &TFelirat::BkiClick);
  connect(Kilepes1, &QAction::triggered, this, &TFelirat::BkiClick);
  connect(Info1, &QAction::triggered, this, &TFelirat::Info1Click);
  connect(Info2, &QAction::triggered, this, &TFelirat::Info2Click);
  connect(atlatszo, &QCheckBox::clicked, this, &TFelirat::atlatszoClick);
  connect(Bmentes, &QPushButton::clicked, this, &TFelirat::Mentes1Click);
  connect(Mentes1, &QAction::triggered, this, &TFelirat::Mentes1Click);
  connect(BMMN, &QPushButton::clicked, this, &TFelirat::BmentesClick);
  connect(MentM1, &QAction::triggered, this, &TFelirat::BmentesClick);
  connect(Btallozas, &QPushButton::clicked, this, &TFelirat::BtallozasClick);
  connect(Megnyit1, &QAction::triggered, this, &TFelirat::BtallozasClick);
  connect(Felbonts1, &QAction::triggered, this, &TFelirat::Felbonts1Click);
  connect(Felbonts2, &QAction::triggered, this, &TFelirat::Felbonts2Click);
  connect(racs, &QTableView::clicked, this, &TFelirat::RacsCellClick);
  connect(racs, &QTableView::customContextMenuRequested, this,
          [this](const QPoint& at) { RacsPM->popup(racs->viewport()->mapToGlobal(at)); });
  connect(model_, &SubtitleTableModel::CursorMoved, this, [this](int) { SelectCurrentRowInGrid(); });
  connect(Cbtobb, &QCheckBox::toggled, racs->viewport(), qOverload<>(&QWidget::update));
  connect(CB3sor, &QCheckBox::toggled, racs->viewport(), qOverload<>(&QWidget::update));
  connect(&Timer1, &QTimer::timeout, this, [this] { ido->setText(ctx_.clock.NowText()); });
  Timer1.setInterval(100);
}

void TFelirat::FormCreate() {
  if (ctx_.state.LayoutMode == kLayout1024) {
    ArrangeEditor1024(false);
  } else {
    ArrangeEditor800(false);
  }
  LoadedFlag = false;
  ctx_.state.LoadedKind.clear();
  ApplyTimingModeToEditor(beosztas->currentText());
  ido->setText(ctx_.clock.NowText());
}

void TFelirat::ClearEditorWindow() {
  if (!cds.IsOpen()) {
    cds.Create();
    return;
  }
  cds.Empty();
  for (QWidget* w : std::initializer_list<QWidget*>{beosztas, BFPS, Batvaltas, Bujra, Emodositas, Bbeszuras, Belemoge,
                                                    Bmodok, Ekereses, Bkeresok, Breszletes, BKreszletes, RB1,
                                                    cburessor, Bmentes, Bertek, Btorles, kezdes, befejezes, kulonbseg}) {
    w->setEnabled(false);
  }
  kezdes->clear();
  befejezes->clear();
  kulonbseg->clear();
  Belso->hide();
  Butolso->hide();
  for (QAction* item : {dolt, Vastagitott, Alahuzott, osszesel, soreleRacs, sormogeRacs, Kivagas, Masolas, Beillesztes}) {
    item->setEnabled(false);
  }
  ctx_.state.RowClipboard.clear();
}

void TFelirat::ResetForOpening() {
  ClearEditorWindow();
  Efilenev->clear();
  BMMN->setEnabled(false);
  szoveg->clear();
  SetCounter("0=0 betű");
  kulonbseg->clear();
  RB12->setChecked(false);
}

void TFelirat::FormActivate() {
  AppState& state = ctx_.state;
  Fszazalek->hide();
  Timer1.start();
  if (ctx_.forms.reszletesK->isVisible()) ctx_.forms.reszletesK->Close();
  if (state.EditorEntry != "uj") {
    state.BusyFlag = true;
    GB1->show();
    GB12->hide();
    RB12->setChecked(false);
    RB1->setChecked(true);
  }
  if (state.EditorEntry == "uj") StartNewSubtitle();
  if (Efilenev->text().isEmpty() && state.EditorEntry == "megnyitas") beosztas->setEnabled(false);
  if (!state.StartupFile.empty() && IsStartupSubtitle(state.StartupFile)) LoadStartupFile();
  if (state.RouteState == "be" && state.EditorEntry == "megnyitas") {
    state.OpenTarget = "Felirat";
    state.EditorEntry = "mas";
    ctx_.forms.kereses->ShowModal();
  }
  state.BusyFlag = false;
}

void TFelirat::StartNewSubtitle() {
  AppState& state = ctx_.state;
  Bbeszuras->setEnabled(true);
  cburessor->setEnabled(true);
  for (QLineEdit* field : {Efilenev, Ekereses, kezdes, befejezes, kulonbseg}) field->clear();
  szoveg->clear();
  state.EditorEntry = "mas";
  if (!cds.IsOpen()) cds.Create();
  DetachGrid();
  cds.Empty();
  const bool timeMode = TimingMode() == QLatin1String(kTimeMode.data());
  cds.Append();
  cds.SetSorszam(1);
  cds.SetKezdes(timeMode ? kZeroTimeCode : "0");
  cds.SetBefejezes(timeMode ? "00:00:01,000" : "10");
  cds.Post();
  AttachGrid();
  Emodositas->setText(ToQt(ZeroValue(ToStd(TimingMode()))));
  EnableRowEditing();
  for (QWidget* w : std::initializer_list<QWidget*>{Bkeresok, Bertek, Belemoge, Btorles, BMMN, Bmentes}) {
    w->setEnabled(true);
  }
  MentM1->setEnabled(true);
  Mentes1->setEnabled(true);
  RefreshRowFields();
  GB12->hide();
  szoveg->setFocus();
}

void TFelirat::LoadStartupFile() {
  AppState& state = ctx_.state;
  state.SubtitlePath = state.StartupFile;
  state.LastDirectory = ExtractDirOnly(state.StartupFile);
  state.SubtitleName = ExtractNameOnly(state.StartupFile);
  Efilenev->setText(ToQt(state.SubtitleName));
  ctx_.forms.kereses->e1->setText(ToQt(state.SubtitleName));
  PrepareEditorForLoad(ToQt(state.SubtitleName));
  LoadIntoEditor();
  state.StartupFile.clear();
}

void TFelirat::BvisszaClick() {
  ctx_.forms.foForm->Show();
  ctx_.state.BusyFlag = true;
  ctx_.state.RouteState = "be2";
  Close();
}

void TFelirat::BkiClick() { Close(); }

void TFelirat::Info1Click() { ctx_.forms.leiras->ShowModal(); }

void TFelirat::Info2Click() { ctx_.forms.info->ShowModal(); }

void TFelirat::atlatszoClick() { SetTranslucent(atlatszo->isChecked()); }

void TFelirat::ShowMessage(const QString& caption, const QString& kind, const QString& line1, const QString& line2) {
  ctx_.forms.kiszoveg->ShowMessageBox(caption, kind, line1, false, false, true, line2);
}

QString TFelirat::TimingMode() const { return beosztas->currentText(); }

void TFelirat::ApplyTimingModeToEditor(const QString& mode) {
  const auto rule = TimingModeRule(ToStd(mode));
  if (!rule) return;
  // The length first: a shorter old limit would cut the new zero text.
  for (QLineEdit* field : {Emodositas, kezdes, befejezes}) field->setMaxLength(static_cast<int>(rule->maxLength));
  Emodositas->setText(ToQt(rule->shiftZeroText));
}

void TFelirat::ShowModelInGrid(QAbstractItemModel* model) {
  if (racs->model() == model) return;
  // The view makes a new selection model for every model it is given; the old one is ours to free.
  QItemSelectionModel* previous = racs->selectionModel();
  racs->setModel(model);
  delete previous;
  connect(racs->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TFelirat::GridCurrentRowChanged);
}

void TFelirat::DetachGrid() {
  model_->Detach();
  ShowModelInGrid(emptyModel_);
}

void TFelirat::AttachGrid() {
  model_->Attach();
  ShowModelInGrid(model_);
  SelectCurrentRowInGrid();
}

void TFelirat::GridCurrentRowChanged(const QModelIndex& current) {
  if (selectingFromTable_ || !current.isValid() || racs->model() != model_) return;
  cds.SetRecNo(static_cast<std::size_t>(current.row()) + 1);
}

void TFelirat::SelectCurrentRowInGrid() {
  if (!model_->IsAttached() || racs->model() != model_ || cds.IsEmpty()) return;
  selectingFromTable_ = true;
  const QModelIndex index = model_->index(static_cast<int>(cds.CurrentIndex()), 0);
  racs->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  racs->scrollTo(index);
  selectingFromTable_ = false;
}

}  // namespace lumora
