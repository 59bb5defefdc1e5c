#include "subtitle/row_text.h"

namespace lumora {

std::string MemoToRowText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\r') continue;
    out += c == '\n' ? kLineSeparator : c;
  }
  return out;
}

std::string ExtractNameOnly(std::string_view path) {
  const auto sep = path.rfind(kPathSeparator);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string ExtractDirOnly(std::string_view path) {
  const auto sep = path.rfind(kPathSeparator);
  return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep + 1));
}

}  // namespace lumora
