// Entry point of both programs: lumora (with the film player) and lumora-vn (without it).
#include <QApplication>

#include "shell/TFoForm.h"
#include "shell/lumora_app.h"
#include "shell/production_seams.h"
#ifdef LUMORA_WITH_FILM
#include "film/qt_film_player_probe.h"
#endif

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Work windows are shown while the main menu is hidden; only closing the main menu ends the program.
  application.setQuitOnLastWindowClosed(false);

  lumora::QtModalSeam modal;
  lumora::QtScreenInfo screen;
  lumora::QtClockSource clock;
  lumora::AppContext context(modal, screen, clock);
#ifdef LUMORA_WITH_FILM
  lumora::QtFilmPlayerProbe filmProbe;
  context.caption = "Lumora v3.20";
  context.hasFilmPlayer = true;
  context.filmProbe = &filmProbe;
#else
  context.caption = "Lumora v3.20 VN";
#endif

  lumora::LumoraApp lumora(context, application.arguments().mid(1));
  QObject::connect(&lumora.MainWindow(), &lumora::TFoForm::ProgramEnded, &application, &QApplication::quit,
                   Qt::QueuedConnection);
  lumora.Start();
  return application.exec();
}
