#pragma once
// The modal seam for window tests: a modal window is shown without blocking, the test's script
// for it runs, and everything shown is logged.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "shell/seams.h"

namespace lumora::testing {

/// One window that was shown modally (or one plain message box).
struct ShownWindow {
  QString name;      // objectName, or "PlainMessage"
  QString caption;
  QStringList texts;  // for the message window: kind, line 1, line 2, then the visible buttons
};

class ScriptedModal : public ModalSeam {
 public:
  using Step = std::function<void(Form&)>;

  /// What to do the next time the named window is shown modally. Steps run in order.
  void Then(const QString& windowName, Step step);
  /// Answers the next message window by pressing one of its buttons ("Bok", "Bigen", "Bmegse").
  void Press(const QString& button);

  void RunModal(Form& form) override;
  void PlainMessage(const QString& caption, const QString& text) override;

  const std::vector<ShownWindow>& Shown() const { return shown_; }
  /// The messages shown so far, each as "caption|kind|line1|line2".
  QStringList Messages() const;
  std::size_t PendingSteps() const { return steps_.size(); }

 private:
  std::deque<std::pair<QString, Step>> steps_;
  std::vector<ShownWindow> shown_;
};

}  // namespace lumora::testing
