#include "shell/lumora_app.h"

#include "editor/TFelirat.h"
#include "editor/TReszletesK.h"
#include "shell/TFileneve.h"
#include "shell/TFoForm.h"
#include "shell/TInfo.h"
#include "shell/TKereses.h"
#include "shell/TKiszoveg.h"
#include "shell/TLeiras.h"
#include "shell/TUjFelirat.h"
#include "timing/TFpsValtas.h"
#include "timing/TReszletes.h"

namespace lumora {

template <typename T, typename... Args>
T* LumoraApp::Create(Args&&... args) {
  auto window = std::make_unique<T>(context_, std::forward<Args>(args)...);
  T* raw = window.get();
  windows_.push_back(std::move(window));
  return raw;
}

LumoraApp::LumoraApp(AppContext& context, const QStringList& arguments) : context_(context) {
  Forms& forms = context_.forms;
  const QString first = arguments.value(0);
  const QString second = arguments.value(1);
  // The order matters: each window's set-up may read what the ones before it decided.
  forms.foForm = Create<TFoForm>(first, second);
  forms.reszletes = Create<TReszletes>();
  forms.kereses = Create<TKereses>();
  forms.fileneve = Create<TFileneve>();
  forms.kiszoveg = Create<TKiszoveg>();
  forms.info = Create<TInfo>();
  forms.ujFelirat = Create<TUjFelirat>();
  forms.leiras = Create<TLeiras>();
  forms.felirat = Create<TFelirat>();
  forms.reszletesK = Create<TReszletesK>();
  forms.fpsValtas = Create<TFpsValtas>();

  forms.kiszoveg->SetOverwriteAcceptedAction([&forms] { forms.fileneve->Close(); });
  forms.kiszoveg->SetSaveOnCloseAction([&forms] { forms.felirat->SaveOnClose(); });
}

LumoraApp::~LumoraApp() {
  // Windows are destroyed in reverse order of creation, none by a window it was shown beside.
  for (const auto& window : windows_) window->ReleaseOwner();
  while (!windows_.empty()) windows_.pop_back();
}

void LumoraApp::Start() { context_.forms.foForm->Show(); }

}  // namespace lumora
