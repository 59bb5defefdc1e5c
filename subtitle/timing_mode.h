#pragma once
// The two ways a subtitle counts time, as the texts the program stores and compares.
#include <cstddef>
#include <optional>
#include <string_view>

namespace lumora {

inline constexpr std::string_view kFrameMode = "Frame";  // SUB: values are frame numbers
inline constexpr std::string_view kTimeMode = "Time";    // SRT: values are TimeCodes

/// What the editor's shift field and value fields take in one timing mode.
struct EditorModeRule {
  std::string_view shiftZeroText;  // the shift field's text after a reset
  std::size_t maxLength;           // the shift, start and end fields' length limit
};

/// The rule for "Frame" or "Time"; nothing for any other text (the editor then keeps its fields).
std::optional<EditorModeRule> TimingModeRule(std::string_view mode);

/// The zero value of a mode: "0" in Frame mode, "00:00:00,000" in Time mode.
std::string_view ZeroValue(std::string_view mode);

/// The file extension of a mode: ".srt" for "Time", ".sub" for any other mode.
std::string_view ExtensionForMode(std::string_view mode);

/// The mode a file name asks for: "Time" for a ".srt" name, "Frame" for ".sub" (either case), or "".
std::string_view ModeForFileName(std::string_view path);

}  // namespace lumora
