#pragma once
// The application object: owns the shared state's windows, creates them once in a fixed order
// and starts with the main menu.
#include <QStringList>
#include <memory>
#include <vector>

#include "shell/app_context.h"

namespace lumora {

class Form;

class LumoraApp {
 public:
  /// Creates every window; arguments are the program's command-line arguments without its name.
  LumoraApp(AppContext& context, const QStringList& arguments);
  ~LumoraApp();

  /// Shows the main menu (its activation may open the editor for a command-line file).
  void Start();

  TFoForm& MainWindow() { return *context_.forms.foForm; }

 private:
  template <typename T, typename... Args>
  T* Create(Args&&... args);

  AppContext& context_;
  std::vector<std::unique_ptr<Form>> windows_;
};

}  // namespace lumora
