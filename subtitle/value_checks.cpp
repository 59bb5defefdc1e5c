#include "subtitle/value_checks.h"

#include "subtitle/timecode.h"

namespace lumora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Position i (0-based) of a TimeCode holds ":" at 2 and 5, "," at 8 and a digit elsewhere.
bool FitsTimeCodeAt(std::string_view text, std::size_t i) {
  if (i == 2 || i == 5) return text[i] == ':';
  if (i == 8) return text[i] == ',';
  return IsDigit(text[i]);
}

bool HasTimeCodeForm(std::string_view text) {
  if (text.size() != kTimeCodeLength) return false;
  for (std::size_t i = 0; i < kTimeCodeLength; ++i) {
    if (!FitsTimeCodeAt(text, i)) return false;
  }
  return true;
}

int TwoDigits(std::string_view text, std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); }

CheckResult Error(std::string line1, std::string line2) {
  return CheckResult::Fail({"Hiba!", "hiba", std::move(line1), std::move(line2)});
}

bool HasLeadingZero(std::string_view text) { return text.size() > 1 && text[0] == '0'; }

}  // namespace

CheckResult CheckTimeCode(std::string_view text) {
  if (!HasTimeCodeForm(text)) {
    return Error("Hiba az /egyik/ intervallumban!", "Helyes megadás pl: 01:10:34,567");
  }
  if (TwoDigits(text, 0) > 23) return Error("Túl nagy időt ütött be!", "Az óra kisebb legyen mint 24!");
  if (TwoDigits(text, 3) > 59) return Error("Túl nagy időt ütött be!", "A perc időintervalluma: 0-59!");
  if (TwoDigits(text, 6) > 59) return Error("Túl nagy időt ütött be!", "A másodperc időintervalluma: 0-59!");
  return CheckResult::Pass();
}

CheckResult CheckTimeCodePair(std::string_view first, std::string_view second) {
  if (HasTimeCodeForm(first) && HasTimeCodeForm(second)) return CheckResult::Pass();
  return Error("Hiba az egyik intervallumban!", "Helyes megadás pl: 01:10:34,567");
}

CheckResult CheckFrameValue(std::string_view text) {
  if (text.empty()) return Error("Hiba az értékben! Nem ütött be semmit!", "Üss be egy számot!");
  if (HasLeadingZero(text)) return Error("Hiba az értékben!", "0-val nem kezdődhet az érték!");
  return CheckResult::Pass();
}

CheckResult CheckFramePair(std::string_view first, std::string_view second) {
  const char* kTypeNumber = "Üss be egy számot!";
  const char* kNoLeadingZero = "0-val nem kezdődhet az érték!";
  if (first.empty() && second.empty()) return Error("Hiba mindkét intervallumban! Nem ütött be semmit!", kTypeNumber);
  if (first.empty()) return Error("Hiba az első értékben! Nem ütött be semmit!", kTypeNumber);
  if (second.empty()) return Error("Hiba a második értékben! Nem ütött be semmit!", kTypeNumber);
  const bool firstZero = HasLeadingZero(first);
  const bool secondZero = HasLeadingZero(second);
  if (firstZero && secondZero) return Error("Hiba mindkét értékben!", kNoLeadingZero);
  if (firstZero) return Error("Hiba az első értékben!", kNoLeadingZero);
  if (secondZero) return Error("Hiba a második értékben!", kNoLeadingZero);
  return CheckResult::Pass();
}

}  // namespace lumora
