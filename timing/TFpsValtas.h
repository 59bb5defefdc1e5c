#pragma once
// The frame-rate conversion window: rescales every value from one frame rate to another.
#include "shell/form.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace lumora {

class TFpsValtas : public Form {
  Q_OBJECT

 public:
  explicit TFpsValtas(AppContext& context);

  QLabel* Label1;
  QComboBox* cb1;
  QComboBox* cb2;
  QProgressBar* FPSszazalek;
  QPushButton* Button1;  // "Végrehajt"
  QPushButton* Button2;  // "<<< Vissza"

  void cb1Change();
  void Button1Click();

 protected:
  void FormActivate() override;
};

}  // namespace lumora
