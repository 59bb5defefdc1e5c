#include "shell/TFileneve.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QRegularExpressionValidator>

#include "editor/TFelirat.h"
#include "shell/TKiszoveg.h"
#include "shell/app_context.h"
#include "shell/folder_browser.h"
#include "shell/qt_text.h"
#include "shell/widget_factory.h"
#include "subtitle/timing_mode.h"

namespace lumora {

TFileneve::TFileneve(AppContext& context) : Form(context, "TFileneve", "File nevének megadása") {
  DriveComboBox1 = Placed(Named(new QComboBox(this), "DriveComboBox1"), {8, 8, 220, 26});
  dlb = Placed(Named(new QListWidget(this), "dlb"), {8, 40, 220, 306});
  auto* nameLabel = MakeLabel(this, "Lnev", "A file neve (kiterjesztés nélkül):");
  nameLabel->move(236, 8);
  e1 = Placed(MakeEdit(this, "e1"), {236, 28, 250, 26});
  // The window adds the extension itself, so a name never holds a full stop.
  e1->setValidator(new QRegularExpressionValidator(QRegularExpression("[^.]*"), e1));
  flb = Placed(Named(new QListWidget(this), "flb"), {236, 60, 250, 214});
  fcb = Placed(Named(new QComboBox(this), "fcb"), {236, 280, 250, 26});
  Bok = Placed(MakeButton(this, "Bok", "Ok"), {386, 314, 100, 30});
  Bok->setEnabled(false);
  Edit1 = MakeEdit(this, "Edit1");
  Edit1->hide();
  SetFixedClientSize(494, 354);
  CentreOnScreen();

  browser = new FolderBrowser(DriveComboBox1, dlb, flb, fcb, this);
  browser->ListDrives();
  browser->SetFilters({"All files (*.srt;*.sub)|*.srt;*.sub"});
  connect(browser, &FolderBrowser::FileClicked, this, &TFileneve::FileClick);
  connect(e1, &QLineEdit::textChanged, this, [this](const QString& text) { Bok->setEnabled(!text.isEmpty()); });
  connect(Bok, &QPushButton::clicked, this, &TFileneve::BokClick);
  EnableKeyPreview();
}

void TFileneve::FormActivate() {
  AppState& state = ctx_.state;
  browser->SetDirectory(ToQt(state.LastDirectory));
  // Only files of the mode being saved are listed, so only they count as existing.
  QString mode;
  if (state.SaveTarget == "Felirat") mode = ctx_.forms.felirat->TimingMode();
  if (mode == QLatin1String(kTimeMode.data())) browser->SetFilters({"Feliratok (*.srt)|*.srt"});
  if (mode == QLatin1String(kFrameMode.data())) browser->SetFilters({"Feliratok (*.sub)|*.sub"});
  state.SaveCancelled = true;
  e1->clear();
  e1->setFocus();
}

void TFileneve::FileClick(const QString& name) { e1->setText(name.left(name.size() - 4)); }

void TFileneve::BokClick() {
  AppState& state = ctx_.state;
  state.DialogAnswer = "felulir";
  const QString wanted = e1->text() + ToQt(ExtensionForMode(ToStd(Edit1->text())));
  browser->RereadFiles();
  if (browser->FileNames().contains(wanted, Qt::CaseSensitive)) {
    ctx_.forms.kiszoveg->ShowMessageBox("Létező file", "kerdes", "Már létezik a file!", true, true, false,
                                        "Felülírjam?");
  }
  if (state.DialogAnswer != "igen" && state.DialogAnswer != "felulir") return;
  if (state.SaveTarget == "Felirat") {
    const QString name = e1->text() + ToQt(ExtensionForMode(ToStd(ctx_.forms.felirat->TimingMode())));
    state.SubtitlePath = ToStd(QDir(browser->Directory()).filePath(name));
    state.SubtitleName = ToStd(name);
  }
  Close();
  ctx_.forms.felirat->MentM1->setEnabled(true);
  state.SaveCancelled = false;
}

bool TFileneve::FormKeyPreview(QWidget* target, QKeyEvent* event) {
  const int key = event->key();
  if (target == e1 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
    Bok->setFocus();
    return true;
  }
  if (key == Qt::Key_Escape) {
    Close();
    return true;
  }
  return false;
}

}  // namespace lumora
