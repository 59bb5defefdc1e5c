#include "shell/startup_rules.h"

namespace lumora {

std::string ChooseLayoutMode(int width, int height) {
  if (width == 800 && height == 600) return std::string(kLayout800);
  if (width > 800 && width < 1024) return std::string(kLayout800);
  if (width >= 1024) return std::string(kLayout1024);
  if (width < 800) return std::string(kLayoutTooSmall);
  return {};
}

std::string JoinStartupArguments(std::string_view first, std::string_view second) {
  std::string joined(first);
  joined += second;
  return joined;
}

bool IsStartupSubtitle(std::string_view path) { return path.ends_with(".srt") || path.ends_with(".sub"); }

}  // namespace lumora
