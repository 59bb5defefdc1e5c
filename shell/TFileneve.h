#pragma once
// The file-name window: asks for the name a subtitle is saved under and guards against overwriting.
#include "shell/form.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumora {

class FolderBrowser;

class TFileneve : public Form {
  Q_OBJECT

 public:
  explicit TFileneve(AppContext& context);

  QComboBox* DriveComboBox1;
  QListWidget* dlb;
  QListWidget* flb;
  QComboBox* fcb;
  QLineEdit* e1;
  QPushButton* Bok;
  QLineEdit* Edit1;  // hidden: the timing mode the name is asked for
  FolderBrowser* browser;

  void BokClick();

 protected:
  void FormActivate() override;
  bool FormKeyPreview(QWidget* target, QKeyEvent* event) override;

 private:
  void FileClick(const QString& name);
};

}  // namespace lumora
