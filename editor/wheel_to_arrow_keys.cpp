#include "editor/wheel_to_arrow_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace lumora {

bool WheelToArrowKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
  const auto* wheel = static_cast<QWheelEvent*>(event);
  // Towards the user (delta 0 or less) is Down.
  const int key = wheel->angleDelta().y() <= 0 ? Qt::Key_Down : Qt::Key_Up;
  if (QWidget* focused = QApplication::focusWidget()) {
    // The release follows the press so that controls reacting to released arrows follow too.
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(focused, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(focused, &release);
  }
  return true;
}

}  // namespace lumora
