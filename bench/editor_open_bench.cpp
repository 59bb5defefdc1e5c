// Opening a 100,000-entry SRT from the open dialog until the editor's grid shows row 1, against
// the core read of the same file alone, in the same run.
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench/subtitle_generator.h"
#include "editor/TFelirat.h"
#include "shell/TKereses.h"
#include "shell/app_context.h"
#include "shell/folder_browser.h"
#include "shell/lumora_app.h"
#include "subtitle/subtitle_reader.h"

namespace lumora::bench {
namespace {

// Modal windows are shown and left to the benchmark, which acts on them directly.
class ShowOnlyModal : public ModalSeam {
 public:
  void RunModal(Form& form) override { form.Show(); }
  void PlainMessage(const QString&, const QString&) override {}
};
class FixedScreen : public ScreenInfo {
 public:
  QSize ScreenSize() const override { return {1280, 1024}; }
};
class NoClock : public ClockSource {
 public:
  QString NowText() const override { return {}; }
};

const std::filesystem::path& BigSrt() {
  static const std::filesystem::path path = [] {
    const auto dir = std::filesystem::temp_directory_path() / "lumora-open-bench";
    std::filesystem::create_directories(dir);
    const auto file = dir / "film.srt";
    std::ofstream(file, std::ios::binary)
        << GenerateSubtitleFile(FormatKind::SrtBlocks, 100'000, TextEncoding::Windows1250);
    return file;
  }();
  return path;
}

void BM_CoreRead(benchmark::State& state) {
  for (auto _ : state) {
    SubtitleTable table;
    table.Create();
    benchmark::DoNotOptimize(ReadSubtitleFile(BigSrt().string(), table));
  }
}
BENCHMARK(BM_CoreRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OpenFromDialog(benchmark::State& state) {
  ShowOnlyModal modal;
  FixedScreen screen;
  NoClock clock;
  AppContext context(modal, screen, clock);
  LumoraApp app(context, {});
  TFelirat& editor = *context.forms.felirat;
  TKereses& dialog = *context.forms.kereses;
  editor.Show();
  const QString folder = QString::fromStdString(BigSrt().parent_path().string());
  for (auto _ : state) {
    context.state.OpenTarget = "Felirat";
    dialog.Show();
    dialog.browser->SetDirectory(folder);
    context.state.SubtitlePath = BigSrt().string();
    dialog.e1->setText("film.srt");
    dialog.megnyitasClick();  // closes the dialog, which reads the file into the editor
    editor.racs->viewport()->repaint();
    if (editor.racs->model()->rowCount() != 100'000 || editor.racs->currentIndex().row() != 0) {
      state.SkipWithError("the grid does not show the file");
    }
  }
}
BENCHMARK(BM_OpenFromDialog)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace lumora::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
