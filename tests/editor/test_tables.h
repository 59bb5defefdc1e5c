#pragma once
// Small tables and rates for the tests of the core rules.
#include <utility>
#include <vector>

#include "subtitle/frame_rate.h"
#include "subtitle/subtitle_table.h"

namespace lumora {

/// An open editor table holding these rows, the first one current.
inline SubtitleTable TableWith(std::vector<SubtitleRow> rows) {
  SubtitleTable table;
  table.Create();
  table.ReplaceRows(std::move(rows));
  return table;
}

/// The exact rate of one of the offered rate texts.
inline FrameRate Rate(const char* text) { return *ParseFrameRate(text); }

}  // namespace lumora
