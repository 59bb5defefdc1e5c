#pragma once
// The description window: the program's story by version, read-only.
#include "shell/form.h"

class QPlainTextEdit;
class QPushButton;

namespace lumora {

class TLeiras : public Form {
  Q_OBJECT

 public:
  explicit TLeiras(AppContext& context);

  QPlainTextEdit* Memo1;
  QPushButton* Bleiras;

 protected:
  bool FormKeyPreview(QWidget* target, QKeyEvent* event) override;
};

}  // namespace lumora
