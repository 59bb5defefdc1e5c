#include "subtitle/timing_mode.h"

#include <string>

#include "subtitle/timecode.h"

namespace lumora {

std::optional<EditorModeRule> TimingModeRule(std::string_view mode) {
  if (mode == kTimeMode) return EditorModeRule{kZeroTimeCode, 12};
  if (mode == kFrameMode) return EditorModeRule{"0", 6};
  return std::nullopt;
}

std::string_view ExtensionForMode(std::string_view mode) { return mode == kTimeMode ? ".srt" : ".sub"; }

std::string_view ModeForFileName(std::string_view path) {
  if (path.size() < 4) return {};
  std::string extension(path.substr(path.size() - 4));
  for (char& c : extension) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  if (extension == ".srt") return kTimeMode;
  if (extension == ".sub") return kFrameMode;
  return {};
}

std::string_view ZeroValue(std::string_view mode) { return mode == kTimeMode ? kZeroTimeCode : "0"; }

}  // namespace lumora
