#include "shell/form.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "shell/app_context.h"

namespace lumora {

Form::Form(AppContext& context, const char* name, const QString& caption) : QWidget(nullptr), ctx_(context) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(caption);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void Form::Show() {
  if (!isVisible()) show();
  activateWindow();
  FormActivate();
}

void Form::ShowModal() { ctx_.modal.RunModal(*this); }

void Form::ShowBeside(QWidget& owner) {
  if (parentWidget() != &owner) setParent(&owner, windowFlags());
  Show();
}

void Form::ReleaseOwner() {
  if (parentWidget()) setParent(nullptr, windowFlags());
}

void Form::SetFixedClientSize(int width, int height) { setFixedSize(width, height); }

void Form::CentreOnScreen() {
  const QSize screen = ctx_.screen.ScreenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void Form::SetTranslucent(bool on) { setWindowOpacity(on ? 210.0 / 255.0 : 1.0); }

void Form::EnableKeyPreview() {
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    if (FormKeyPreview(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event))) return true;
  }
  return QWidget::eventFilter(watched, event);
}

void Form::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
  emit Closed();
}

}  // namespace lumora
