#pragma once
// The shared message window: every message, warning, error and yes/no question of the program.
#include <functional>

#include "shell/form.h"
#include "subtitle/message.h"

class QLabel;
class QPushButton;

namespace lumora {

class TKiszoveg : public Form {
  Q_OBJECT

 public:
  explicit TKiszoveg(AppContext& context);

  /// Fills the window and shows it modally, unless messages are muted. A question's answer is
  /// left in DialogAnswer.
  void ShowMessageBox(const QString& caption, const QString& kind, const QString& line1, bool showNo, bool showYes,
                      bool showOk, const QString& line2);
  /// A plain message with the OK button only.
  void ShowMessage(const Message& message);
  /// A yes/no question: stores the pending word, asks, and returns DialogAnswer afterwards.
  std::string Ask(const std::string& pendingWord, const QString& caption, const QString& line1, const QString& line2);

  /// What "Igen" does for "felulir": close the file-name window.
  void SetOverwriteAcceptedAction(std::function<void()> action) { overwriteAccepted_ = std::move(action); }
  /// What "Igen" does for "mentes2": save the editor's subtitle, its messages muted.
  void SetSaveOnCloseAction(std::function<void()> action) { saveOnClose_ = std::move(action); }

  QLabel* szoveg;
  QLabel* szoveg2;
  QLabel* InfoI;
  QLabel* KerdesI;
  QLabel* HibaI;
  QPushButton* Bok;
  QPushButton* Bigen;
  QPushButton* Bmegse;

 protected:
  bool FormKeyPreview(QWidget* target, QKeyEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BokClick();
  void BigenClick();
  void BmegseClick();
  void EndAnswer();
  bool HandleKey(QKeyEvent* event);

  std::function<void()> overwriteAccepted_;
  std::function<void()> saveOnClose_;
  // True while the save started by "Igen" to the closing question runs: its messages stay muted
  // even when the overwrite question is answered in between.
  bool mutedSaveRunning_ = false;
};

}  // namespace lumora
