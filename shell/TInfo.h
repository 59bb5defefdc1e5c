#pragma once
// The about window.
#include "shell/form.h"

class QLabel;
class QPushButton;

namespace lumora {

class TInfo : public Form {
  Q_OBJECT

 public:
  explicit TInfo(AppContext& context);

  QLabel* PInfo;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QPushButton* Button1;

 protected:
  bool FormKeyPreview(QWidget* target, QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace lumora
