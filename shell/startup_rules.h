#pragma once
// Start-up decisions that depend only on numbers and texts.
#include <string>
#include <string_view>

namespace lumora {

inline constexpr std::string_view kLayout1024 = "1024x768";
inline constexpr std::string_view kLayout800 = "800x600";
inline constexpr std::string_view kLayoutTooSmall = "kicsi";

/// The window arrangement for a screen of width x height pixels. A screen exactly 800 wide
/// whose height is not 600 matches no rule and gives "".
std::string ChooseLayoutMode(int width, int height);

/// The first two command-line arguments joined with nothing between them (either may be empty).
std::string JoinStartupArguments(std::string_view first, std::string_view second);

/// Whether a command-line file opens the editor at start: its name ends in ".srt" or ".sub",
/// in lower case exactly.
bool IsStartupSubtitle(std::string_view path);

}  // namespace lumora
