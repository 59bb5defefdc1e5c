#pragma once
// Acting on windows as a user would: clicking list items and grid rows, typing, writing files.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTableView>
#include <QTest>

namespace lumora::testing {

inline void ClickListItem(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_FALSE(found.isEmpty()) << "no item " << text.toStdString();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
}

inline void DoubleClickListItem(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_FALSE(found.isEmpty()) << "no item " << text.toStdString();
  const QPoint at = list->visualItemRect(found.front()).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

inline void ClickGridRow(QTableView* grid, int row) {
  const QModelIndex index = grid->model()->index(row, 1);
  grid->scrollTo(index);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

/// Types a text of any characters, each as one key press and release.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace lumora::testing
