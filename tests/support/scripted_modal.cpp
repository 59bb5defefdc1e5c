#include "tests/support/scripted_modal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "shell/TKiszoveg.h"
#include "shell/form.h"

namespace lumora::testing {

void ScriptedModal::Then(const QString& windowName, Step step) { steps_.emplace_back(windowName, std::move(step)); }

void ScriptedModal::Press(const QString& button) {
  Then("TKiszoveg", [button](Form& form) { form.findChild<QPushButton*>(button)->click(); });
}

void ScriptedModal::RunModal(Form& form) {
  form.Show();
  // The offscreen platform activates windows only when asked; a modal window is the active one.
  if (form.isVisible()) QApplication::setActiveWindow(&form);
  ShownWindow entry{form.objectName(), form.windowTitle(), {}};
  if (auto* message = dynamic_cast<TKiszoveg*>(&form)) {
    QString kind = !message->InfoI->isHidden() ? "info" : !message->KerdesI->isHidden() ? "kerdes" : "hiba";
    entry.texts << kind << message->szoveg->text() << message->szoveg2->text();
    for (QPushButton* b : {message->Bok, message->Bigen, message->Bmegse}) {
      if (!b->isHidden()) entry.texts << b->objectName();
    }
  }
  shown_.push_back(entry);
  if (!form.isVisible()) return;

  if (!steps_.empty() && steps_.front().first == form.objectName()) {
    Step step = std::move(steps_.front().second);
    steps_.pop_front();
    step(form);
    return;
  }
  // An unscripted message is acknowledged with its OK button; an unscripted question is an error.
  if (auto* message = dynamic_cast<TKiszoveg*>(&form)) {
    if (!message->Bok->isHidden()) {
      message->Bok->click();
      return;
    }
    ADD_FAILURE() << "unanswered question: " << message->szoveg->text().toStdString();
    message->Bmegse->click();
    return;
  }
  ADD_FAILURE() << "no script for the window " << form.objectName().toStdString();
  form.Close();
}

void ScriptedModal::PlainMessage(const QString& caption, const QString& text) {
  shown_.push_back({"PlainMessage", caption, {text}});
}

QStringList ScriptedModal::Messages() const {
  QStringList out;
  for (const ShownWindow& w : shown_) {
    if (w.name == "TKiszoveg") out << (QStringList{w.caption} + w.texts.mid(0, 3)).join('|');
  }
  return out;
}

}  // namespace lumora::testing
