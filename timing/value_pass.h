#pragma once
// The loop every value-rescaling pass shares: a rule applied to the start and end values of a run
// of rows. A template, so each pass gets its rule compiled into the loop.
#include <cstddef>
#include <string_view>

#include "subtitle/subtitle_table.h"
#include "subtitle/progress_gauge.h"
#include "timing/timing_values.h"

namespace lumora {

/// Which values of which rows a pass changes: `count` rows from `first`, towards the first row
/// when `up` is set; the caller keeps the run inside the table.
struct ValueRun {
  std::size_t first = 0;
  std::size_t count = 0;
  bool up = false;
  bool kezdes = true;
  bool befejezes = true;
};

/// Replaces each chosen value by the text rule(value, text) writes, when it returns true; a value
/// the rule refuses stays as it is. The gauge's base is the run's row count.
template <typename Rule>
void ApplyToValues(SubtitleTable& table, const ValueRun& run, const ProgressCallback& progress, Rule&& rule) {
  ProgressGauge gauge(static_cast<std::int64_t>(run.count), progress);
  for (std::size_t k = 0; k < run.count; ++k) {
    const std::size_t i = run.up ? run.first - k : run.first + k;
    const TableRow& row = table.At(i);
    ValueText text;
    if (run.kezdes && rule(std::string_view(row.Kezdes), text)) table.SetKezdesAt(i, text.View());
    if (run.befejezes && rule(std::string_view(row.Befejezes), text)) table.SetBefejezesAt(i, text.View());
    gauge.Show(static_cast<std::int64_t>(k + 1));
  }
}

}  // namespace lumora
