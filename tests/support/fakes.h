#pragma once
// Settable stand-ins for the screen, the clock and the film player check.
#include "shell/seams.h"

namespace lumora::testing {

class FixedScreen : public ScreenInfo {
 public:
  explicit FixedScreen(QSize size = {1024, 768}) : size_(size) {}
  void Set(QSize size) { size_ = size; }
  QSize ScreenSize() const override { return size_; }

 private:
  QSize size_;
};

class FixedClock : public ClockSource {
 public:
  QString NowText() const override { return "2026. 12. 11. 10:00"; }
};

class FakeFilmProbe : public FilmPlayerProbe {
 public:
  explicit FakeFilmProbe(bool available) : available_(available) {}
  bool CanCreatePlayer() override { return available_; }

 private:
  bool available_;
};

}  // namespace lumora::testing
