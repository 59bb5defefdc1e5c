#include "subtitle/timing_mode.h"

#include "subtitle/timecode.h"

namespace lumora {

std::optional<EditorModeRule> TimingModeRule(std::string_view mode) {
  if (mode == kTimeMode) return EditorModeRule{kZeroTimeCode, 12};
  if (mode == kFrameMode) return EditorModeRule{"0", 6};
  return std::nullopt;
}

std::string_view ZeroValue(std::string_view mode) { return mode == kTimeMode ? kZeroTimeCode : "0"; }

}  // namespace lumora
