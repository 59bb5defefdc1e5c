#pragma once
// The open dialog: picks an existing subtitle file for the editor.
#include "shell/form.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumora {

class FolderBrowser;

class TKereses : public Form {
  Q_OBJECT

 public:
  explicit TKereses(AppContext& context);

  QComboBox* DriveComboBox1;
  QListWidget* DirectoryListBox1;
  QListWidget* filelistbox;
  QComboBox* FilterComboBox1;
  QLineEdit* e1;
  QPushButton* megnyitas;
  FolderBrowser* browser;

  void megnyitasClick();

 protected:
  void FormActivate() override;
  void FormClose() override;
  bool FormKeyPreview(QWidget* target, QKeyEvent* event) override;

 private:
  void DirectoryClick();
  void FileClick(const QString& name);
};

}  // namespace lumora
