#include "shell/production_seams.h"

#include <QDateTime>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>

#include "shell/form.h"

namespace lumora {

void QtModalSeam::RunModal(Form& form) {
  form.setWindowModality(Qt::ApplicationModal);
  form.Show();
  if (form.isVisible()) {
    QEventLoop loop;
    QObject::connect(&form, &Form::Closed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
  }
  form.setWindowModality(Qt::NonModal);
}

void QtModalSeam::PlainMessage(const QString& caption, const QString& text) {
  QMessageBox::critical(nullptr, caption, text);
}

QSize QtScreenInfo::ScreenSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1024, 768);
}

QString QtClockSource::NowText() const {
  return QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
}

}  // namespace lumora
