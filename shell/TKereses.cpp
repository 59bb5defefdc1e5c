#include "shell/TKereses.h"

#include <QDir>
#include <QKeyEvent>
#include <QListWidget>

#include "editor/TFelirat.h"
#include "shell/app_context.h"
#include "shell/folder_browser.h"
#include "shell/qt_text.h"
#include "shell/widget_factory.h"

namespace lumora {

TKereses::TKereses(AppContext& context) : Form(context, "TKereses", "Felirat megnyitása") {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  DriveComboBox1 = Placed(Named(new QComboBox(this), "DriveComboBox1"), {8, 8, 200, 26});
  DirectoryListBox1 = Placed(Named(new QListWidget(this), "DirectoryListBox1"), {8, 40, 200, 266});
  e1 = Placed(MakeEdit(this, "e1"), {216, 8, 356, 26});
  e1->setReadOnly(true);
  e1->setFocusPolicy(Qt::ClickFocus);  // skipped by Tab
  filelistbox = Placed(Named(new QListWidget(this), "filelistbox"), {216, 40, 356, 198});
  FilterComboBox1 = Placed(Named(new QComboBox(this), "FilterComboBox1"), {216, 244, 356, 26});
  megnyitas = Placed(MakeButton(this, "megnyitas", "Megnyitás"), {452, 276, 120, 30});
  megnyitas->setEnabled(false);
  SetFixedClientSize(580, 314);
  CentreOnScreen();

  browser = new FolderBrowser(DriveComboBox1, DirectoryListBox1, filelistbox, FilterComboBox1, this);
  browser->ListDrives();
  browser->SetFilters({"Feliratok (*.srt,*.sub)|*.srt;*.sub", "Srt (*.srt)|*.srt", "Sub (*.sub)|*.sub"});
  // The folder the program was started in: where a user who types "lumora" keeps the films.
  browser->SetDirectory(QDir::currentPath());
  connect(browser, &FolderBrowser::FolderClicked, this, &TKereses::DirectoryClick);
  connect(browser, &FolderBrowser::FileClicked, this, &TKereses::FileClick);
  connect(browser, &FolderBrowser::FileActivated, this, [this](const QString& name) {
    FileClick(name);
    megnyitasClick();
  });
  connect(megnyitas, &QPushButton::clicked, this, &TKereses::megnyitasClick);
  EnableKeyPreview();
}

void TKereses::FormActivate() {
  e1->clear();
  ctx_.state.OpenOutcome = "ki";
  browser->RereadFiles();
}

void TKereses::DirectoryClick() {
  e1->clear();
  megnyitas->setEnabled(false);
}

void TKereses::FileClick(const QString& name) {
  AppState& state = ctx_.state;
  state.LastDirectory = ToStd(browser->Directory());
  state.SubtitlePath = ToStd(QDir(browser->Directory()).filePath(name));
  state.SubtitleName = ToStd(name);
  e1->setText(name);
  megnyitas->setEnabled(!name.isEmpty());
}

void TKereses::megnyitasClick() {
  AppState& state = ctx_.state;
  if (state.OpenTarget == "Felirat") {
    // The chosen file's own name: the name field is empty when the dialog reopens on the last choice.
    ctx_.forms.felirat->PrepareEditorForLoad(ToQt(state.SubtitleName));
    state.BusyFlag = false;
    state.OpenOutcome = "megnyit";
    Close();
  }
}

void TKereses::FormClose() {
  // The chosen file is read once the dialog is out of the way.
  if (ctx_.state.OpenOutcome == "megnyit") ctx_.forms.felirat->LoadIntoEditor();
}

bool TKereses::FormKeyPreview(QWidget* target, QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return false;
  if (target == DirectoryListBox1 || target == filelistbox || target == FilterComboBox1 || target == megnyitas ||
      target == DriveComboBox1) {
    Close();
    return true;
  }
  return false;
}

}  // namespace lumora
