#pragma once
// The editor window: one subtitle in the table cds, shown in the grid racs, its current row in
// the fields below. The handlers read controls, call the core and update controls.
#include <QTimer>
#include <memory>

#include "editor/row_display.h"
#include "editor/row_formatting.h"
#include "editor/text_search.h"
#include "shell/form.h"
#include "subtitle/subtitle_table.h"
#include "subtitle/text_encoding.h"
#include "timing/detailed_shift.h"
#include "timing/frame_rate_change.h"
#include "timing/time_shift.h"

class QAbstractItemModel;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;
class QTextEdit;

namespace lumora {

class SubtitleTableModel;
class WheelToArrowKeys;

class TFelirat : public Form {
  Q_OBJECT

 public:
  explicit TFelirat(AppContext& context);
  ~TFelirat() override;

  // The subtitle and its encoding (kept so that a save writes the file back as it came).
  SubtitleTable cds;
  TextEncoding encoding = TextEncoding::Windows1250;
  bool LoadedFlag = false;

  // Routines the other windows call.
  void ClearEditorWindow();
  /// The main menu's reset before the editor is shown for opening a file.
  void ResetForOpening();
  void PrepareEditorForLoad(const QString& chosenName);
  void LoadIntoEditor();
  void UpdateEditorScrollBar();
  void RefreshRowFields();
  void UpdateDifference();
  void UpdateFormatMarks();
  void EnableRowEditing();
  void MarkSubtitleChanged();
  /// The save decision: askName asks for a file name first; showSaved shows "A file-t elmentettem!".
  void SaveSubtitle(bool askName, bool showSaved);
  /// The save that "Igen" to the closing question starts.
  void SaveOnClose();
  void ApplyTimingModeToEditor(const QString& mode);
  QString TimingMode() const;
  void ArrangeEditor1024(bool switching);
  void ArrangeEditor800(bool switching);
  void SetLayoutMenuItems(bool layout800InForce);

  // Top.
  QMenuBar* menu;
  QLabel* ido;
  QProgressBar* Fszazalek;
  QLabel* Lfeliratnev;
  QLineEdit* Efilenev;
  QPushButton* Btallozas;
  // Settings group.
  QGroupBox* GbBeallitas;
  QLabel* Lbeosztas;
  QComboBox* beosztas;
  QLabel* Lfps;
  QComboBox* cbFps;
  QPushButton* BFPS;
  QPushButton* Batvaltas;
  // Actions group.
  QGroupBox* GbTevekenyseg;
  QLabel* Lmodositas;
  QComboBox* CbPM;
  QLineEdit* Emodositas;
  QPushButton* Bmodok;
  QPushButton* Breszletes;
  QLabel* Lkereses;
  QLineEdit* Ekereses;
  QPushButton* Bkeresok;
  QPushButton* BKreszletes;
  // Left column.
  QLabel* Lugras;
  QLineEdit* Eugras;
  QPushButton* Bugras;
  QCheckBox* atlatszo;
  QPushButton* Bvissza;
  QPushButton* Bki;
  // Beside the grid.
  QPushButton* Belso;
  QPushButton* Butolso;
  QPushButton* Bvegelso;
  QTableView* racs;
  // Lower panel.
  QRadioButton* RB1;
  QRadioButton* RB12;
  QGroupBox* GB1;
  QGroupBox* GB12;
  QLabel* Lkezdes;
  QLineEdit* kezdes;
  QLabel* Lbefejezes;
  QLineEdit* befejezes;
  QLabel* Lkulonbseg;
  QLineEdit* kulonbseg;
  QTextEdit* szoveg;
  QLabel* Label3;
  QLabel* sordarab;
  QPushButton* Bertek;
  QPushButton* Bmentes;
  QPushButton* BMMN;
  QPushButton* Bbeszuras;
  QPushButton* Belemoge;
  QPushButton* Btorles;
  QCheckBox* cburessor;
  QPushButton* Bujra;
  QCheckBox* Cbtobb;
  QCheckBox* CB3sor;
  // Menus.
  QAction* Megnyit1;
  QAction* Mentes1;
  QAction* MentM1;
  QAction* VisszaaFmenbe1;
  QAction* Kilepes1;
  QAction* Felbonts1;
  QAction* Felbonts2;
  QAction* Info1;
  QAction* Info2;
  QMenu* RacsPM;
  QAction* dolt;
  QAction* Vastagitott;
  QAction* Alahuzott;
  QAction* osszesel;
  QAction* soreleRacs;
  QAction* sormogeRacs;
  QAction* Kivagas;
  QAction* Masolas;
  QAction* Beillesztes;
  QMenu* PopupMenuEM;
  QAction* pmsorele;
  QAction* pmsormoge;
  QTimer Timer1;

  // Handlers.
  void BertekClick();
  void BelsoClick();
  void ButolsoClick();
  void BvegelsoClick();
  void BugrasClick();
  void RB1Click();
  void BvisszaClick();
  void BkiClick();
  void Info1Click();
  void Info2Click();
  void atlatszoClick();
  void Mentes1Click();
  void BmentesClick();
  void BtallozasClick();
  void Felbonts1Click();
  void Felbonts2Click();
  void RacsCellClick();
  void BbeszurasClick();
  void BelemogeMouseDown();
  void pmsoreleClick();
  void pmsormogeClick();
  void BtorlesClick();
  void BujraClick();
  void osszeselClick();
  void KivagasClick();
  void MasolasClick();
  void BeillesztesClick();
  void BkeresokClick();
  /// The shift of every row by the shift field's value and sign ("Módosítás").
  ShiftAllResult ShiftAllRowsInEditor();
  /// The detailed shift of a run of rows starting at the current row, which stays current.
  void ShiftRunInEditor(const RowRun& run, const std::string& mode, std::int64_t amount, ShiftSign sign,
                        const ProgressCallback& progress);
  void BreszletesClick();
  /// The user chose the other timing mode: every value is converted at the chosen frame rate.
  void beosztasChange(const QString& newMode);
  /// Rescales every value from one frame rate to another; the outcome's message says how it went.
  FrameRateChangeResult ConvertFrameRateInEditor(const QString& fromRate, const QString& toRate,
                                                 const ProgressCallback& progress);
  /// Moves to the next row whose text matches, or says that none does.
  void SearchRows(const QString& text, const SearchOptions& options);

 protected:
  void FormActivate() override;
  void FormClose() override;
  bool FormKeyPreview(QWidget* target, QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class CurrentRowObserver;

  void BuildControls();
  void BuildMenus();
  void ConnectHandlers();
  void ConnectRowOperations();
  void ConnectTimingTools();
  bool ShiftFieldKeyPress(QKeyEvent* event);
  void ToggleTags(TagPair tags);
  void FormCreate();
  void StartNewSubtitle();
  void LoadStartupFile();
  void DetachGrid();
  void AttachGrid();
  void SelectCurrentRowInGrid();
  void ShowModelInGrid(QAbstractItemModel* model);
  void GridCurrentRowChanged(const QModelIndex& current);
  void SetClientSize(int width, int height);
  void DBkezdesChange();
  void ShowRowText(const std::string& text);
  void SetCounter(const std::string& label);
  void SetGaugeValue(int value);
  bool ValueFieldKeyPress(QLineEdit* field, QKeyEvent* event);
  void szovegKeyRelease();
  bool RunWriter(bool frameMode);
  void ShowMessage(const QString& caption, const QString& kind, const QString& line1, const QString& line2 = {});

  std::unique_ptr<CurrentRowObserver> rowObserver_;
  SubtitleTableModel* model_;
  QAbstractItemModel* emptyModel_;
  std::unique_ptr<WheelToArrowKeys> wheelHook_;
  bool selectingFromTable_ = false;
};

}  // namespace lumora
