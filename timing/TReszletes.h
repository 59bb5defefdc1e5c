#pragma once
// The detailed shift window: the whole subtitle, or a run of rows from the editor's current row
// upwards or downwards, start values, end values or both.
#include "shell/form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace lumora {

class TReszletes : public Form {
  Q_OBJECT

 public:
  explicit TReszletes(AppContext& context);

  QLabel* Label2;
  QLineEdit* Edit4;
  QLineEdit* Edit5;
  QLineEdit* Edit6;
  QComboBox* CbPMR;
  QLineEdit* Emodositas2;
  QPushButton* Bmodok;
  QProgressBar* szazalek;
  QLabel* Label1;
  QRadioButton* RBEgesz;
  QRadioButton* RBApont;
  QGroupBox* GBFL;
  QRadioButton* Felfele;
  QRadioButton* Lefele;
  QGroupBox* GBF;
  QRadioButton* RB1;
  QRadioButton* RB2;
  QLineEdit* Edit1;
  QGroupBox* GBL;
  QRadioButton* RB3;
  QRadioButton* RB4;
  QLineEdit* Edit2;
  QGroupBox* GBM;
  QCheckBox* cbKezdo;
  QCheckBox* cbBefejezo;
  QPushButton* Button1;
  QLineEdit* Edit3;  // hidden: the editor's timing mode
  QLineEdit* Edit7;  // hidden: the row count in force

  void RBEgeszClick();
  void RBApontClick();
  void FelfeleClick();
  void LefeleClick();
  void cbKezdoClick();
  void BmodokClick();
  void Button1Click();
  /// Mirrors the editor's gauge while a whole-subtitle shift runs.
  void MirrorProgress(int gauge);

 protected:
  void FormActivate() override;
  bool FormKeyPreview(QWidget* target, QKeyEvent* event) override;

 private:
  void BuildControls();
  void ShiftWhole();
  void ShiftRun();
  void BackToEditor();
};

}  // namespace lumora
