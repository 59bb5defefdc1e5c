#pragma once
// A whole program for window tests: fakes for the platform, the scripted modal seam, and every window.
#include <gtest/gtest.h>

#include <memory>

#include "shell/app_context.h"
#include "shell/lumora_app.h"
#include "tests/support/fakes.h"
#include "tests/support/scripted_modal.h"

namespace lumora::testing {

class AppFixture : public ::testing::Test {
 protected:
  /// Builds the program with the given screen size and command-line arguments (not started).
  void Build(QSize screen = {1024, 768}, QStringList arguments = {}, bool filmPlayerWorks = true);
  /// Builds and shows the main menu.
  void Start(QSize screen = {1024, 768}, QStringList arguments = {});

  AppState& State() { return context_->state; }
  Forms& Windows() { return context_->forms; }

  ScriptedModal modal_;
  FixedScreen screen_;
  FixedClock clock_;
  std::unique_ptr<FakeFilmProbe> filmProbe_;
  std::unique_ptr<AppContext> context_;
  std::unique_ptr<LumoraApp> app_;
  bool programEnded_ = false;
};

}  // namespace lumora::testing
