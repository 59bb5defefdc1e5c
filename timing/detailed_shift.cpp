#include "timing/detailed_shift.h"

#include <algorithm>

#include "subtitle/frame_rate.h"
#include "subtitle/timecode.h"
#include "subtitle/timing_mode.h"
#include "subtitle/utf8.h"
#include "timing/value_pass.h"

namespace lumora {

namespace {

bool IsZeroText(std::string_view valueText) { return valueText == "0" || valueText == kZeroTimeCode; }

}  // namespace

std::size_t ShiftFromCurrentRow(SubtitleTable& table, const RowRun& run, std::string_view mode,
                                std::int64_t amount, ShiftSign sign, const ProgressCallback& progress) {
  const std::size_t rows = table.RecordCount();
  if (run.startIndex >= rows) return 0;
  const bool up = run.direction == RunDirection::Up;
  const std::size_t available = up ? run.startIndex + 1 : rows - run.startIndex;
  const std::size_t covered = std::min(run.rowCount.value_or(available), available);
  const ValueRun values{run.startIndex, covered, up, run.changeKezdes, run.changeBefejezes};
  if (mode == kTimeMode) {
    ApplyToValues(table, values, progress, [&](std::string_view v, ValueText& out) { return ShiftTimeValue(v, amount, sign, out); });
  } else {
    ApplyToValues(table, values, progress, [&](std::string_view v, ValueText& out) { return ShiftFrameValue(v, amount, sign, out); });
  }
  return covered;
}

RunShiftPlan CheckRunShift(std::string_view mode, std::string_view valueText,
                           std::optional<std::string_view> countText) {
  RunShiftPlan plan;
  const ShiftAmount value = CheckShiftValue(mode, valueText);
  if (!value.check) plan.messages.push_back(value.check.message);
  plan.amount = value.amount;
  if (IsZeroText(valueText)) plan.messages.push_back(ZeroShiftMessage());
  if (countText) {
    const auto count = ParseFrameNumber(*countText);
    if (!count || *count == 0) {
      plan.messages.push_back({"Felhívás", "info", "Kérem nagyobb számot üssön be a darabhoz!", ""});
    } else {
      plan.rowCount = static_cast<std::size_t>(*count);
    }
  }
  return plan;
}

bool WholeShiftClosesWindow(const ShiftAllResult& result, std::string_view valueText) {
  if (result.NotShifted() || IsZeroText(valueText)) return false;
  return CountChars(valueText) == kTimeCodeLength;
}

}  // namespace lumora
