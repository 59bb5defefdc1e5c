#pragma once
#include "shell/seams.h"

namespace lumora {

/// Runs a window in a nested event loop until it closes, as a modal dialog does.
class QtModalSeam : public ModalSeam {
 public:
  void RunModal(Form& form) override;
  void PlainMessage(const QString& caption, const QString& text) override;
};

class QtScreenInfo : public ScreenInfo {
 public:
  QSize ScreenSize() const override;
};

class QtClockSource : public ClockSource {
 public:
  QString NowText() const override;
};

}  // namespace lumora
