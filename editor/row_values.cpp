#include "editor/row_values.h"

#include <cstdlib>

#include "subtitle/frame_rate.h"
#include "subtitle/timecode.h"
#include "subtitle/timing_mode.h"
#include "subtitle/value_checks.h"

namespace lumora {

namespace {

DifferenceField Signed(std::int64_t difference, std::string magnitude) {
  if (difference < 0) return {"-" + magnitude, true};
  return {std::move(magnitude), false};
}

}  // namespace

DifferenceField RowDifference(std::string_view mode, const RowValues& stored, const RowValues& fields) {
  if (mode == kTimeMode) {
    const auto start = TimeCodeToMillis(stored.Kezdes);
    const auto end = TimeCodeToMillis(stored.Befejezes);
    if (!start || !end) return {};
    const Millis difference = *end - *start;
    return Signed(difference, MillisToTimeCode(std::llabs(difference)));
  }
  // The stored values decide whether there is a difference at all; the fields give it, so a value
  // typed but not yet applied is already counted.
  if (!ParseFrameNumber(stored.Kezdes) || !ParseFrameNumber(stored.Befejezes)) return {};
  const auto start = ParseFrameNumber(fields.Kezdes);
  const auto end = ParseFrameNumber(fields.Befejezes);
  if (!start || !end) return {};
  const Frames difference = *end - *start;
  return Signed(difference, std::to_string(std::llabs(difference)));
}

CheckResult CheckRowValues(std::string_view mode, const RowValues& fields) {
  if (mode == kTimeMode) {
    CheckResult start = CheckTimeCode(fields.Kezdes);
    return start ? CheckTimeCode(fields.Befejezes) : start;
  }
  return CheckFramePair(fields.Kezdes, fields.Befejezes);
}

}  // namespace lumora
