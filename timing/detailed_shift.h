#pragma once
// The detailed shift ("Részletes módosítás"): a run of rows from the current row upwards or
// downwards, over every row in that direction or a given number of rows, changing the start
// values, the end values or both.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "subtitle/message.h"
#include "subtitle/subtitle_table.h"
#include "subtitle/progress_gauge.h"
#include "timing/time_shift.h"

namespace lumora {

enum class RunDirection { Up, Down };  // Up: towards the first row

/// Which rows a run changes and which of their values.
struct RowRun {
  std::size_t startIndex = 0;  // 0-based; always the first row changed
  RunDirection direction = RunDirection::Down;
  std::optional<std::size_t> rowCount;  // nothing: every row up to the table's end in that direction
  bool changeKezdes = true;
  bool changeBefejezes = true;
};

/// Shifts the run's values by `amount` (frames, or milliseconds in Time mode) with the value rules
/// of ShiftAllRows; stops early at the table's end. Empty or malformed values stay as they are.
/// The gauge's base is the number of rows the run covers. Returns that number; the cursor does
/// not move.
std::size_t ShiftFromCurrentRow(SubtitleTable& table, const RowRun& run, std::string_view mode,
                                std::int64_t amount, ShiftSign sign, const ProgressCallback& progress = {});

/// The checks of "Módosítás" with "Aktuális ponttól", all of them run: the value's check, the
/// zero-value notice, and the row-count notice when a count is asked for (countText is set).
struct RunShiftPlan {
  std::vector<Message> messages;  // in the order they are shown; empty when the shift may run
  std::int64_t amount = 0;        // frames or milliseconds
  std::optional<std::size_t> rowCount;

  bool Ok() const { return messages.empty(); }
};

/// Checks the typed value and, when "Ennyi darab sort:" is chosen, the typed count; a count that is
/// empty, zero or not a whole number gives "Kérem nagyobb számot üssön be a darabhoz!".
RunShiftPlan CheckRunShift(std::string_view mode, std::string_view valueText,
                           std::optional<std::string_view> countText);

/// Whether the detailed shift window closes after an "Egészet" shift: not for a zero value, and
/// otherwise only for a 12-character (Time-mode) value, shifted or refused.
bool WholeShiftClosesWindow(const ShiftAllResult& result, std::string_view valueText);

}  // namespace lumora
