#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace lumora {

/// One subtitle entry. Sorszam is empty for a row that has no number (a SUB line cut short).
struct SubtitleRow {
  std::optional<std::int32_t> Sorszam;
  std::string Kezdes;     // start: a TimeCode or a frame number, at most 12 characters
  std::string Befejezes;  // end, same form
  std::string Szoveg;     // text, lines joined by "|"

  friend bool operator==(const SubtitleRow&, const SubtitleRow&) = default;
};

}  // namespace lumora
