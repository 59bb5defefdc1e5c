#include "tests/support/app_fixture.h"

#include "shell/TFoForm.h"

namespace lumora::testing {

void AppFixture::Build(QSize screen, QStringList arguments, bool filmPlayerWorks) {
  screen_.Set(screen);
  filmProbe_ = std::make_unique<FakeFilmProbe>(filmPlayerWorks);
  context_ = std::make_unique<AppContext>(modal_, screen_, clock_);
  context_->caption = "Lumora v3.20";
  context_->hasFilmPlayer = true;
  context_->filmProbe = filmProbe_.get();
  app_ = std::make_unique<LumoraApp>(*context_, arguments);
  QObject::connect(&app_->MainWindow(), &TFoForm::ProgramEnded, [this] { programEnded_ = true; });
}

void AppFixture::Start(QSize screen, QStringList arguments) {
  Build(screen, arguments);
  app_->Start();
}

}  // namespace lumora::testing
