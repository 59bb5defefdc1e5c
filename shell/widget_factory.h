#pragma once
// Small constructors for named controls: every control's objectName is its name in the program.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace lumora {

/// The widget at a fixed place in its parent.
template <typename W>
W* Placed(W* widget, const QRect& geometry) {
  widget->setGeometry(geometry);
  return widget;
}

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

inline QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
  return Named(new QPushButton(caption, parent), name);
}
inline QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
  return Named(new QLabel(caption, parent), name);
}
inline QLineEdit* MakeEdit(QWidget* parent, const char* name, int maxLength = 32767) {
  auto* edit = Named(new QLineEdit(parent), name);
  edit->setMaxLength(maxLength);
  return edit;
}
inline QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption) {
  return Named(new QCheckBox(caption, parent), name);
}
inline QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& caption) {
  return Named(new QRadioButton(caption, parent), name);
}
inline QComboBox* MakeCombo(QWidget* parent, const char* name, const QStringList& items) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->addItems(items);
  return combo;
}
inline QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption) {
  return Named(new QGroupBox(caption, parent), name);
}
inline QAction* MakeAction(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace lumora
