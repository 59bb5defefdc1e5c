#pragma once
// What every window is given: the shared state, the seams, and the other windows.
#include <QString>

#include "shell/app_state.h"
#include "shell/seams.h"

namespace lumora {

class TFelirat;
class TFileneve;
class TFoForm;
class TFpsValtas;
class TInfo;
class TKereses;
class TKiszoveg;
class TLeiras;
class TReszletes;
class TReszletesK;
class TUjFelirat;

/// The program's windows, created once at start in a fixed order and never destroyed before the end.
struct Forms {
  TFoForm* foForm = nullptr;
  TReszletes* reszletes = nullptr;
  TKereses* kereses = nullptr;
  TFileneve* fileneve = nullptr;
  TKiszoveg* kiszoveg = nullptr;
  TInfo* info = nullptr;
  TUjFelirat* ujFelirat = nullptr;
  TLeiras* leiras = nullptr;
  TFelirat* felirat = nullptr;
  TReszletesK* reszletesK = nullptr;
  TFpsValtas* fpsValtas = nullptr;
};

struct AppContext {
  AppContext(ModalSeam& modalSeam, const ScreenInfo& screenInfo, const ClockSource& clockSource)
      : modal(modalSeam), screen(screenInfo), clock(clockSource) {}

  AppState state;
  ModalSeam& modal;
  const ScreenInfo& screen;
  const ClockSource& clock;
  /// "Lumora v3.20", or "Lumora v3.20 VN" for the program without the film player.
  QString caption;
  /// Only the full program has the film player.
  bool hasFilmPlayer = false;
  FilmPlayerProbe* filmProbe = nullptr;
  Forms forms;
};

}  // namespace lumora
