#include "editor/editor_arrangement.h"

#include "shell/startup_rules.h"

namespace lumora {

int ExtraHeight1024(int screenWidth, int screenHeight) {
  if (screenWidth == 1024 && screenHeight == 768) return 26;
  if (screenWidth > 1024 && screenHeight > 768) return 28;
  return 0;
}

std::optional<bool> ScrollBarOffered(std::string_view layoutMode, std::size_t rows) {
  if (layoutMode == kLayout1024) return rows > 15;
  if (layoutMode == kLayout800) return rows > 10;
  return std::nullopt;
}

}  // namespace lumora
