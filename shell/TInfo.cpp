#include "shell/TInfo.h"

#include <QKeyEvent>

#include "shell/pictures.h"
#include "shell/widget_factory.h"

namespace lumora {

namespace {
constexpr int kWidth = 594;
constexpr int kHeight = 508;
}  // namespace

TInfo::TInfo(AppContext& context) : Form(context, "TInfo", "Info") {
  PInfo = Placed(MakeLabel(this, "PInfo", QString()), {0, 0, kWidth, kHeight});
  PInfo->setPixmap(AboutPicture({kWidth, kHeight}));
  Label2 = MakeLabel(this, "Label2", "Lumora");
  QFont title("DejaVu Sans", 36, QFont::Bold);
  Label2->setFont(title);
  Label2->setGeometry(0, 60, kWidth, 70);
  Label2->setAlignment(Qt::AlignCenter);
  Label3 = Placed(MakeLabel(this, "Label3", "nevű programját használja."), {0, 134, kWidth, 24});
  Label3->setAlignment(Qt::AlignCenter);
  Label4 = MakeLabel(this, "Label4", "Verziószám: 3.20");
  Label4->move(40, 220);
  Label5 = MakeLabel(this, "Label5", "Készült: 2005");
  Label5->move(40, 246);
  for (QLabel* label : {Label2, Label3, Label4, Label5}) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    label->setAttribute(Qt::WA_TranslucentBackground);
  }
  Button1 = Placed(MakeButton(this, "Button1", "OK"), {(kWidth - 100) / 2, kHeight - 56, 100, 30});
  SetFixedClientSize(kWidth, kHeight);
  CentreOnScreen();
  connect(Button1, &QPushButton::clicked, this, &Form::Close);
  EnableKeyPreview();
}

bool TInfo::FormKeyPreview(QWidget* target, QKeyEvent* event) {
  if (target == Button1 && event->key() == Qt::Key_Escape) {
    Close();
    return true;
  }
  return false;
}

bool TInfo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PInfo && event->type() == QEvent::MouseButtonRelease) {
    Close();
    return true;
  }
  return Form::eventFilter(watched, event);
}

}  // namespace lumora
