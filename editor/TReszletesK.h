#pragma once
// The detailed search window: whole words, backwards, case-sensitive. Shown beside the editor
// without blocking it.
#include "shell/form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumora {

class TReszletesK : public Form {
  Q_OBJECT

 public:
  explicit TReszletesK(AppContext& context);

  QLabel* Label7;
  QLineEdit* ERkereses;
  QPushButton* Bkeresok;
  QCheckBox* cbteljes;
  QCheckBox* cbvissza;
  QCheckBox* cbkisnagy;
  QPushButton* Button1;

  void BkeresokClick();

 protected:
  void FormActivate() override;
  bool FormKeyPreview(QWidget* target, QKeyEvent* event) override;
};

}  // namespace lumora
