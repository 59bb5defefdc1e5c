#pragma once
// The start and end values of the current row as the editor's fields handle them: the
// difference field and the check made before the values are stored.
#include <string>
#include <string_view>

#include "subtitle/message.h"

namespace lumora {

/// A row's start (Kezdes) and end (Befejezes) value texts.
struct RowValues {
  std::string Kezdes;
  std::string Befejezes;
  friend bool operator==(const RowValues&, const RowValues&) = default;
};

/// What the difference field shows: its text, and whether its background turns red.
struct DifferenceField {
  std::string text;
  bool negative = false;
  friend bool operator==(const DifferenceField&, const DifferenceField&) = default;
};

/// The difference field of a row. Time mode: end − start of the stored values as a TimeCode,
/// "-" in front when negative. Frame mode (any mode but "Time"): the end field's number minus
/// the start field's, when the stored values and the fields are all whole numbers. An empty text
/// (not red) whenever a value cannot be read.
DifferenceField RowDifference(std::string_view mode, const RowValues& stored, const RowValues& fields);

/// The check of "Értékek beállítása": in Time mode both fields must be TimeCodes within the day
/// (the start is checked first and alone reported); in Frame mode CheckFramePair.
CheckResult CheckRowValues(std::string_view mode, const RowValues& fields);

}  // namespace lumora
