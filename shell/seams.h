#pragma once
// The seams between the windows and the platform. Production implementations show real windows;
// tests put in their own to answer questions, set the screen size and read what was shown.
#include <QSize>
#include <QString>

namespace lumora {

class Form;

class ModalSeam {
 public:
  virtual ~ModalSeam() = default;
  /// Shows the window and returns once it has closed.
  virtual void RunModal(Form& form) = 0;
  /// The platform's plain message box, used where the message window itself cannot be trusted.
  virtual void PlainMessage(const QString& caption, const QString& text) = 0;
};

class ScreenInfo {
 public:
  virtual ~ScreenInfo() = default;
  /// The screen size in pixels.
  virtual QSize ScreenSize() const = 0;
};

class ClockSource {
 public:
  virtual ~ClockSource() = default;
  /// The current date and time in the system's short format.
  virtual QString NowText() const = 0;
};

class FilmPlayerProbe {
 public:
  virtual ~FilmPlayerProbe() = default;
  /// Whether the embedded film player can be created on this machine.
  virtual bool CanCreatePlayer() = 0;
};

}  // namespace lumora
