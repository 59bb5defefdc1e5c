// The bulk passes over a 100,000-row table against a plain copy of it: each timing pass should
// cost at most twice the copy; a search that finds nothing and a renumbering well under 0.1 s.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "editor/row_operations.h"
#include "editor/text_search.h"
#include "subtitle/subtitle_table.h"
#include "subtitle/timecode.h"
#include "timing/frame_rate_change.h"
#include "timing/mode_switch.h"
#include "timing/time_shift.h"

namespace lumora {
namespace {

constexpr int kRows = 100'000;

// Rows two to four seconds long with a two-line text of ordinary length, in either mode.
SubtitleTable MakeTable(bool timeMode) {
  SubtitleTable table;
  table.Create();
  table.Reserve(kRows);
  for (int i = 0; i < kRows; ++i) {
    const Millis start = static_cast<Millis>(i) * 3000;
    const Millis end = start + 2000 + i % 2000;
    std::string text = "Ez a(z) " + std::to_string(i + 1) + ". felirat első sora|és a második, hosszabb sora";
    if (timeMode) {
      table.AppendRow({i + 1, MillisToTimeCode(start), MillisToTimeCode(end), std::move(text)});
    } else {
      table.AppendRow({i + 1, std::to_string(start / 40), std::to_string(end / 40), std::move(text)});
    }
  }
  return table;
}

const SubtitleTable& FrameTable() {
  static const SubtitleTable table = MakeTable(false);
  return table;
}

const SubtitleTable& TimeTable() {
  static const SubtitleTable table = MakeTable(true);
  return table;
}

// Only the copy is timed, not freeing it again, as only the pass is timed below.
void BM_CopyTable(benchmark::State& state) {
  for (auto _ : state) {
    auto* copy = new SubtitleTable(FrameTable());
    benchmark::DoNotOptimize(copy);
    state.PauseTiming();
    delete copy;
    state.ResumeTiming();
  }
}

// Runs `pass` on a fresh copy of `source` each time; making and freeing the copy is not timed.
// Each copy is also timed on its own, so "vs_copy" compares the pass with a copy made moments
// before it, which a busy machine disturbs far less than two separate benchmarks.
template <typename Pass>
void TimePassOnCopy(benchmark::State& state, const SubtitleTable& source, Pass pass) {
  using Clock = std::chrono::steady_clock;
  Clock::duration copying{};
  Clock::duration passing{};
  for (auto _ : state) {
    state.PauseTiming();
    const auto beforeCopy = Clock::now();
    auto* table = new SubtitleTable(source);
    const auto beforePass = Clock::now();
    state.ResumeTiming();
    pass(*table);
    benchmark::DoNotOptimize(table);
    const auto afterPass = Clock::now();
    state.PauseTiming();
    delete table;
    state.ResumeTiming();
    copying += beforePass - beforeCopy;
    passing += afterPass - beforePass;
  }
  state.counters["vs_copy"] = std::chrono::duration<double>(passing) / std::chrono::duration<double>(copying);
}

void BM_ShiftAllRowsFrame(benchmark::State& state) {
  TimePassOnCopy(state, FrameTable(), [](SubtitleTable& t) { ShiftAllRows(t, "Frame", "25", "+"); });
}

void BM_ShiftAllRowsTime(benchmark::State& state) {
  TimePassOnCopy(state, TimeTable(), [](SubtitleTable& t) { ShiftAllRows(t, "Time", "00:00:01,500", "-"); });
}

void BM_SwitchFrameToTime(benchmark::State& state) {
  TimePassOnCopy(state, FrameTable(), [](SubtitleTable& t) { SwitchTimingMode(t, "Frame", "Time", "23,976"); });
}

void BM_SwitchTimeToFrame(benchmark::State& state) {
  TimePassOnCopy(state, TimeTable(), [](SubtitleTable& t) { SwitchTimingMode(t, "Time", "Frame", "23,976"); });
}

void BM_ConvertFrameRateFrame(benchmark::State& state) {
  TimePassOnCopy(state, FrameTable(), [](SubtitleTable& t) { ConvertFrameRate(t, "Frame", "15", "23,976"); });
}

void BM_ConvertFrameRateTime(benchmark::State& state) {
  TimePassOnCopy(state, TimeTable(), [](SubtitleTable& t) { ConvertFrameRate(t, "Time", "25", "20"); });
}

void BM_QuickSearchNotFound(benchmark::State& state) {
  const SubtitleTable& table = FrameTable();
  for (auto _ : state) benchmark::DoNotOptimize(FindMatchingRow(table, 0, "NINCS ILYEN", {}));
}

void BM_DetailedSearchNotFound(benchmark::State& state) {
  const SubtitleTable& table = FrameTable();
  const SearchOptions wholeWordsBackwards{true, true, false};
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindMatchingRow(table, kRows - 1, "másodikként", wholeWordsBackwards));
  }
}

void BM_RenumberRows(benchmark::State& state) {
  SubtitleTable table = FrameTable();
  for (auto _ : state) {
    RenumberRows(table);
    benchmark::DoNotOptimize(table);
  }
}

double Fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

// Medians, and the fastest run as well: on a shared machine it shows the cost without the noise.
#define LUMORA_PASS(name)                                                                        \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true)  \
      ->ComputeStatistics("min", Fastest)
LUMORA_PASS(BM_CopyTable);
LUMORA_PASS(BM_ShiftAllRowsFrame);
LUMORA_PASS(BM_ShiftAllRowsTime);
LUMORA_PASS(BM_SwitchFrameToTime);
LUMORA_PASS(BM_SwitchTimeToFrame);
LUMORA_PASS(BM_ConvertFrameRateFrame);
LUMORA_PASS(BM_ConvertFrameRateTime);
LUMORA_PASS(BM_QuickSearchNotFound);
LUMORA_PASS(BM_DetailedSearchNotFound);
LUMORA_PASS(BM_RenumberRows);

}  // namespace
}  // namespace lumora

BENCHMARK_MAIN();
