#include "shell/TKiszoveg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "shell/app_context.h"
#include "shell/pictures.h"
#include "shell/qt_text.h"

namespace lumora {

namespace {

constexpr int kHeight = 135;
constexpr int kMinWidth = 330;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

QLabel* IconLabel(QWidget* parent, const char* name, MessageIcon icon) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(0, 0, 65, 65);
  label->setPixmap(MessageIconPixmap(icon));
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, int left, int top) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(left, top, kButtonWidth, kButtonHeight);
  return button;
}

}  // namespace

TKiszoveg::TKiszoveg(AppContext& context) : Form(context, "TKiszoveg", QString()) {
  // Stays on top and has no close box: the user leaves it through its buttons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(31, 106, 152));
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
  setAutoFillBackground(true);

  InfoI = IconLabel(this, "InfoI", MessageIcon::Info);
  KerdesI = IconLabel(this, "KerdesI", MessageIcon::Question);
  HibaI = IconLabel(this, "HibaI", MessageIcon::Error);
  szoveg = new QLabel(this);
  szoveg->setObjectName("szoveg");
  szoveg->move(68, 20);
  szoveg2 = new QLabel(this);
  szoveg2->setObjectName("szoveg2");
  szoveg2->move(68, 36);
  Bok = Button(this, "Bok", "OK", 72, 74);
  Bigen = Button(this, "Bigen", "Igen", 68, 66);
  Bmegse = Button(this, "Bmegse", "Nem", 160, 66);
  connect(Bok, &QPushButton::clicked, this, &TKiszoveg::BokClick);
  connect(Bigen, &QPushButton::clicked, this, &TKiszoveg::BigenClick);
  connect(Bmegse, &QPushButton::clicked, this, &TKiszoveg::BmegseClick);
  setFixedSize(kMinWidth, kHeight);
  EnableKeyPreview();
}

void TKiszoveg::ShowMessageBox(const QString& caption, const QString& kind, const QString& line1, bool showNo,
                               bool showYes, bool showOk, const QString& line2) {
  setWindowTitle(caption);
  szoveg->setText(line1);
  szoveg->adjustSize();
  szoveg2->setText(line2);
  szoveg2->adjustSize();

  // The label is chosen by character count, the width by that label's pixel width.
  const QLabel* widest = line1.size() > line2.size() ? szoveg : szoveg2;
  const int width = std::max(widest->fontMetrics().horizontalAdvance(widest->text()) + 100, kMinWidth);
  setFixedSize(width, kHeight);

  Bok->setVisible(showOk);
  Bigen->setVisible(showYes);
  Bmegse->setVisible(showNo);
  if (showOk && !showYes && !showNo) Bok->move((width - kButtonWidth) / 2, Bok->y());

  if (line2.isEmpty()) {
    szoveg->move(68, 20);
  } else {
    szoveg->move(68, 18);
    szoveg2->move(68, 36);
  }

  // Any other kind leaves the icons as the previous message set them.
  if (kind == "info" || kind == "kerdes" || kind == "hiba") {
    InfoI->setVisible(kind == "info");
    KerdesI->setVisible(kind == "kerdes");
    HibaI->setVisible(kind == "hiba");
  }
  Bigen->move(68, Bigen->y());
  Bmegse->move(160, Bmegse->y());

  AppState& state = ctx_.state;
  // The overwrite question of the file-name window is asked even during the muted save, so an
  // existing file is never replaced without the user's word.
  const bool overwriteQuestion = state.DialogAnswer == "felulir" && showYes;
  const bool muted = state.DialogAnswer == "mentes3" || state.MessagesMuted;
  if (muted && !overwriteQuestion) return;
  CentreOnScreen();
  ShowModal();
}

void TKiszoveg::ShowMessage(const Message& message) {
  ShowMessageBox(ToQt(message.caption), ToQt(message.kind), ToQt(message.line1), false, false, true,
                 ToQt(message.line2));
}

std::string TKiszoveg::Ask(const std::string& pendingWord, const QString& caption, const QString& line1,
                           const QString& line2) {
  ctx_.state.DialogAnswer = pendingWord;
  ShowMessageBox(caption, "kerdes", line1, true, true, false, line2);
  return ctx_.state.DialogAnswer;
}

void TKiszoveg::BokClick() { Close(); }

void TKiszoveg::EndAnswer() {
  if (!mutedSaveRunning_) ctx_.state.MessagesMuted = false;
}

void TKiszoveg::BigenClick() {
  EndAnswer();
  std::string& answer = ctx_.state.DialogAnswer;
  if (answer == "semmit") answer = "igen";
  if (answer == "felulir") {
    answer = "igen";
    if (overwriteAccepted_) overwriteAccepted_();
  }
  if (answer == "mentes2") {
    answer = "mentes3";
    ctx_.state.MessagesMuted = true;
    // The question goes away before the save starts, so the file-name window is not covered.
    Close();
    mutedSaveRunning_ = true;
    if (saveOnClose_) saveOnClose_();
    mutedSaveRunning_ = false;
    // The save is over: later messages and questions are shown again.
    ctx_.state.MessagesMuted = false;
    if (ctx_.state.DialogAnswer == "mentes3") ctx_.state.DialogAnswer.clear();
    return;
  }
  if (answer == "felbontas") answer = "igen";
  Close();
}

void TKiszoveg::BmegseClick() {
  EndAnswer();
  std::string& answer = ctx_.state.DialogAnswer;
  if (answer == "semmit" || answer == "felulir" || answer == "felbontas") answer = "nem";
  Close();
}

bool TKiszoveg::HandleKey(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (!Bigen->isHidden()) {
      Bigen->click();
    } else if (!Bok->isHidden()) {
      Bok->click();
    }
    return true;
  }
  if (event->key() == Qt::Key_Escape) {
    if (!Bmegse->isHidden()) Bmegse->click();
    return true;
  }
  return false;
}

bool TKiszoveg::FormKeyPreview(QWidget*, QKeyEvent* event) { return HandleKey(event); }

void TKiszoveg::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(event)) Form::keyPressEvent(event);
}

}  // namespace lumora
