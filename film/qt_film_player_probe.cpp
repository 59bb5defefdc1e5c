#include "film/qt_film_player_probe.h"

#include <QMediaPlayer>

namespace lumora {

bool QtFilmPlayerProbe::CanCreatePlayer() {
  QMediaPlayer player;
  return player.isAvailable();
}

}  // namespace lumora
