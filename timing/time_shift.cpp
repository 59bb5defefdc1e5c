#include "timing/time_shift.h"

#include <algorithm>
#include <limits>

#include "subtitle/timing_mode.h"
#include "subtitle/value_checks.h"
#include "timing/detailed_shift.h"
#include "timing/timing_values.h"

namespace lumora {

ShiftSign ShiftSignOf(std::string_view text) { return text == "+" ? ShiftSign::Add : ShiftSign::Subtract; }

std::optional<std::string> ShiftFrameValue(std::string_view frameText, Frames amount, ShiftSign sign) {
  const auto value = ParseFrameNumber(frameText);
  if (!value) return std::nullopt;
  const Frames shifted = sign == ShiftSign::Add ? *value + amount : *value - amount;
  return FrameValueText(std::clamp<Frames>(shifted, 0, kLargestShiftedFrame));
}

std::optional<std::string> ShiftTimeValue(std::string_view timeCode, Millis amount, ShiftSign sign) {
  const auto value = ReadTimeValue(timeCode);
  if (!value) return std::nullopt;
  const Millis shifted = sign == ShiftSign::Add ? *value + amount : *value - amount;
  if (shifted >= kMillisPerDay) return std::string(kDayEndTimeCode);
  return TimeValueText(shifted);
}

std::optional<std::string> ShiftValue(std::string_view mode, std::string_view value, std::int64_t amount,
                                      ShiftSign sign) {
  return mode == kTimeMode ? ShiftTimeValue(value, amount, sign) : ShiftFrameValue(value, amount, sign);
}

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
