#include "timing/time_shift.h"

#include <limits>

#include "subtitle/timing_mode.h"
#include "subtitle/value_checks.h"
#include "timing/detailed_shift.h"
#include "timing/timing_values.h"

namespace lumora {

ShiftSign ShiftSignOf(std::string_view text) { return text == "+" ? ShiftSign::Add : ShiftSign::Subtract; }

ShiftAmount CheckShiftValue(std::string_view mode, std::string_view valueText) {
  if (mode == kTimeMode) {
    CheckResult check = CheckTimeCode(valueText);
    const Millis amount = check ? TimeCodeToMillis(valueText).value_or(0) : 0;
    return {std::move(check), amount};
  }
  CheckResult check = CheckFrameValue(valueText);
  if (!check) return {std::move(check), 0};
  // The key filter lets only digits in, but a pasted or untyped field can hold anything; such a
  // value must be refused before any row changes.
  const auto frames = ParseFrameNumber(valueText);
  if (!frames || *frames > std::numeric_limits<std::int32_t>::max()) {
    return {CheckResult::Fail({"Hiba!", "hiba", "Hiba az értékben!", "Üss be egy egész számot!"}), 0};
  }
  return {CheckResult::Pass(), *frames};
}

Message ZeroShiftMessage() { return {"Felhívás", "info", "0-val nem lenne értelme módosítani!", ""}; }

ShiftAllResult ShiftAllRows(SubtitleTable& table, std::string_view mode, std::string_view valueText,
                            std::string_view signText, const ProgressCallback& progress) {
  const ShiftAmount value = CheckShiftValue(mode, valueText);
  if (!value.check) return {ShiftOutcome::Refused, value.check.message};
  if (value.amount == 0) return {ShiftOutcome::ZeroValue, ZeroShiftMessage()};
  const RowRun everyRow{0, RunDirection::Down, std::nullopt, true, true};
  ShiftFromCurrentRow(table, everyRow, mode, value.amount, ShiftSignOf(signText), progress);
  return {ShiftOutcome::Shifted, {}};
}

}  // namespace lumora
