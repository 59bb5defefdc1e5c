#pragma once
// Turns every mouse-wheel turn in the program into an arrow key for the focused control, so grids
// and lists move row by row.
#include <QObject>

namespace lumora {

class WheelToArrowKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace lumora
