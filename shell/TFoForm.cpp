#include "shell/TFoForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "editor/TFelirat.h"
#include "shell/TKiszoveg.h"
#include "shell/TUjFelirat.h"
#include "shell/app_context.h"
#include "shell/pictures.h"
#include "shell/qt_text.h"
#include "shell/startup_rules.h"

namespace lumora {

namespace {

constexpr int kWidth = 273;
constexpr int kHeight = 355;

QPushButton* PictureButton(QWidget* parent, const char* name, const QString& caption, ButtonGlyph glyph,
                           const QRect& geometry) {
  auto* button = new QPushButton(ButtonGlyphIcon(glyph), caption, parent);
  button->setObjectName(name);
  button->setIconSize({28, 28});
  button->setGeometry(geometry);
  return button;
}

}  // namespace

TFoForm::TFoForm(AppContext& context, const QString& firstArgument, const QString& secondArgument)
    : Form(context, "TFoForm", context.caption) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  Hatter = new QLabel(this);
  Hatter->setObjectName("Hatter");
  Hatter->setGeometry(0, 0, kWidth, kHeight);
  Hatter->setPixmap(MainMenuBackground({kWidth, kHeight}));

  BitBtn3 = PictureButton(this, "BitBtn3", "Megnyitás", ButtonGlyph::Open, {36, 130, 201, 44});
  BitBtn2 = PictureButton(this, "BitBtn2", "Új felirat készítése", ButtonGlyph::NewSubtitle, {36, 184, 201, 44});
  BitBtn4 = PictureButton(this, "BitBtn4", "Fordítás", ButtonGlyph::Translate, {36, 238, 201, 44});
  BitBtn1 = PictureButton(this, "BitBtn1", QString(), ButtonGlyph::Exit, {114, 296, 44, 44});
  BitBtn1->setToolTip("Kilépés");
  // The translation workspace is not part of this program yet.
  BitBtn4->setEnabled(false);

  connect(BitBtn3, &QPushButton::clicked, this, &TFoForm::BMegnyitasClick);
  connect(BitBtn2, &QPushButton::clicked, this, &TFoForm::BitBtn2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TFoForm::BitBtn1Click);
  EnableKeyPreview();
  FormCreate(firstArgument, secondArgument);
}

void TFoForm::FormCreate(const QString& firstArgument, const QString& secondArgument) {
  SetFixedClientSize(kWidth, kHeight);
  CentreOnScreen();
  AppState& state = ctx_.state;
  // Without a working film player the full program cannot run: say so and end at activation.
  if (ctx_.hasFilmPlayer && ctx_.filmProbe && !ctx_.filmProbe->CanCreatePlayer()) {
    ctx_.modal.PlainMessage(ctx_.caption, "A program hibával leáll!\r\nValószínűleg nincs fent a Windows Media "
                                          "Player 9-es verziója!\r\nFo");
    return;
  }
  const QSize screen = ctx_.screen.ScreenSize();
  state.LayoutMode = ChooseLayoutMode(screen.width(), screen.height());
  state.StartupFile = JoinStartupArguments(ToStd(firstArgument), ToStd(secondArgument));
  state.RouteState = "be";
  state.StartupOk = true;
}

void TFoForm::FormActivate() {
  AppState& state = ctx_.state;
  if (!state.StartupOk) {
    Close();
    return;
  }
  if (state.LayoutMode == kLayoutTooSmall) {
    ctx_.forms.kiszoveg->ShowMessageBox("Probléma!", "hiba", "A képernyő felbontása túl kicsi!", false, false, true,
                                        "Minimum felbontás:800x600");
    Close();
    return;
  }
  ApplyLayoutMenuItems();
  if (!state.StartupFile.empty() && IsStartupSubtitle(state.StartupFile)) ctx_.forms.felirat->ShowModal();
  CloseIfRouteEnds();
}

void TFoForm::ApplyLayoutMenuItems() {
  // The item of the arrangement in force is the disabled one.
  ctx_.forms.felirat->SetLayoutMenuItems(ctx_.state.LayoutMode == kLayout800);
}

void TFoForm::CloseIfRouteEnds() {
  if (ctx_.state.RouteState == "ki") Close();
}

void TFoForm::BMegnyitasClick() {
  AppState& state = ctx_.state;
  hide();
  state.EditorEntry = "megnyitas";
  if (state.RouteState == "vissza" || state.RouteState == "be2") state.RouteState = "be";
  ctx_.forms.felirat->ResetForOpening();
  ctx_.forms.felirat->ShowModal();
  CloseIfRouteEnds();
}

void TFoForm::BitBtn2Click() {
  AppState& state = ctx_.state;
  hide();
  state.EditorEntry = "uj";
  if (state.RouteState == "be2") state.RouteState = "be";
  ctx_.forms.ujFelirat->ShowModal();
  if (state.RouteState == "ki") {
    Close();
  } else if (state.RouteState == "be2") {
    state.RouteState = "be";
  }
}

void TFoForm::BitBtn1Click() { Close(); }

void TFoForm::FormClose() { emit ProgramEnded(); }

bool TFoForm::FormKeyPreview(QWidget* target, QKeyEvent* event) {
  const bool onButton = target == BitBtn1 || target == BitBtn2 || target == BitBtn3 || target == BitBtn4;
  if (onButton && event->key() == Qt::Key_Escape) {
    Close();
    return true;
  }
  return false;
}

}  // namespace lumora
