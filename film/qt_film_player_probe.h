#pragma once
#include "shell/seams.h"

namespace lumora {

/// Asks Qt Multimedia whether a media player can be created (a backend is installed).
class QtFilmPlayerProbe : public FilmPlayerProbe {
 public:
  bool CanCreatePlayer() override;
};

}  // namespace lumora
