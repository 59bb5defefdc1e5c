#pragma once
// The new-subtitle window: a new subtitle counts time in seconds (SRT) or in frames (SUB).
#include "shell/form.h"

class QLabel;
class QPushButton;

namespace lumora {

class TUjFelirat : public Form {
  Q_OBJECT

 public:
  explicit TUjFelirat(AppContext& context);

  QLabel* Label1;
  QPushButton* Button1;  // "Másodperc alapú (.srt)"
  QPushButton* Button2;  // "Képkocka alapján (.sub)"
  QPushButton* Button3;  // "Vissza"

  void Button1Click();
  void Button2Click();
  void Button3Click();

 protected:
  void FormClose() override;
  bool FormKeyPreview(QWidget* target, QKeyEvent* event) override;

 private:
  void StartEditor(std::string_view mode);
};

}  // namespace lumora
