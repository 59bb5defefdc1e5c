#pragma once
// Reading a key event the way the key rules of the windows need it.
#include <QKeyEvent>

namespace lumora {

/// The character a key types, or 0 for a key that types nothing.
inline char32_t TypedCharacter(const QKeyEvent* event) {
  const QList<uint> codes = event->text().toUcs4();
  return codes.isEmpty() ? 0 : static_cast<char32_t>(codes.front());
}

inline bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

/// Shift with an arrow key: keyboard selection, which the value fields refuse.
inline bool IsShiftArrow(const QKeyEvent* event) {
  const int key = event->key();
  const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
  return arrow && (event->modifiers() & Qt::ShiftModifier);
}

}  // namespace lumora
