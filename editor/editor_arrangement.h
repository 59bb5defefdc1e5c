#pragma once
// The numbers of the editor's two arrangements that follow from the screen and the table.
#include <cstddef>
#include <optional>
#include <string_view>

namespace lumora {

/// Extra height of the 1024x768 arrangement, in pixels: 26 on a screen of exactly 1024 x 768
/// (the window fills it), 28 on a screen larger in both directions, 0 otherwise.
int ExtraHeight1024(int screenWidth, int screenHeight);

/// Whether the grid may show its vertical scroll bar: when the table has more rows than the
/// arrangement shows (15 in "1024x768", 10 in "800x600"). Nothing for any other layout text.
std::optional<bool> ScrollBarOffered(std::string_view layoutMode, std::size_t rows);

}  // namespace lumora
