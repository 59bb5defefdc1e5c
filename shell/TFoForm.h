#pragma once
// The main menu: the program's first window; closing it ends the program.
#include "shell/form.h"

class QLabel;
class QPushButton;

namespace lumora {

class TFoForm : public Form {
  Q_OBJECT

 public:
  /// Runs the set-up with the first two command-line arguments (either may be empty).
  TFoForm(AppContext& context, const QString& firstArgument, const QString& secondArgument);

  QLabel* Hatter;
  QPushButton* BitBtn3;  // "Megnyitás"
  QPushButton* BitBtn2;  // "Új felirat készítése"
  QPushButton* BitBtn4;  // "Fordítás"
  QPushButton* BitBtn1;  // exit (picture only)

  void BMegnyitasClick();
  void BitBtn2Click();
  void BitBtn1Click();

 signals:
  /// The main window has closed: the program ends.
  void ProgramEnded();

 protected:
  void FormActivate() override;
  void FormClose() override;
  bool FormKeyPreview(QWidget* target, QKeyEvent* event) override;

 private:
  void FormCreate(const QString& firstArgument, const QString& secondArgument);
  void ApplyLayoutMenuItems();
  void CloseIfRouteEnds();
};

}  // namespace lumora
