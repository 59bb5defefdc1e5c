#pragma once
// Base of every top-level window: shown once or modally, closed through one path that runs its
// closing hook, keys previewed before the focused control gets them, fixed sizes, translucency.
#include <QWidget>

namespace lumora {

struct AppContext;

class Form : public QWidget {
  Q_OBJECT

 public:
  Form(AppContext& context, const char* name, const QString& caption);

  /// Shows the window (without waiting) and runs its activation.
  void Show();
  /// Shows the window through the modal seam; returns when it has closed.
  void ShowModal();
  /// Shows the window without waiting, in front of `owner` and usable while `owner` is modal
  /// (a modal window blocks every window but its own).
  void ShowBeside(QWidget& owner);
  /// Lets go of the owner given to ShowBeside, so that the owner never destroys this window.
  void ReleaseOwner();
  /// Closes the window: the closing hook runs, then the window hides.
  void Close() { close(); }

 signals:
  void Closed();

 protected:
  /// Runs each time the window is shown.
  virtual void FormActivate() {}
  /// Runs for every way the window closes, before it hides.
  virtual void FormClose() {}
  /// Sees every key pressed in the window before the focused control; true swallows the key.
  virtual bool FormKeyPreview(QWidget* /*target*/, QKeyEvent* /*event*/) { return false; }

  void SetFixedClientSize(int width, int height);
  void CentreOnScreen();
  /// Switches the window's translucency (opacity 210 of 255) on or off.
  void SetTranslucent(bool on);
  /// Routes the keys of every child control through FormKeyPreview; call after building them.
  void EnableKeyPreview();

  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  AppContext& ctx_;
};

}  // namespace lumora
