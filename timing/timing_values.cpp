#include "timing/timing_values.h"

#include <algorithm>
#include <charconv>

namespace lumora {

std::optional<Millis> ReadTimeValue(std::string_view text) {
  if (text.size() != kTimeCodeLength || text[2] != ':' || text[5] != ':' || text[8] != ',') return std::nullopt;
  return TimeCodeToMillis(text);
}

std::string TimeValueText(Millis millis) {
  millis = std::clamp<Millis>(millis, 0, kLargestTimeValue);
  char text[kTimeCodeLength] = {'0', '0', ':', '0', '0', ':', '0', '0', ',', '0', '0', '0'};
  const auto put = [&](int at, int width, Millis value) {
    for (int i = at + width - 1; i >= at; --i, value /= 10) text[i] = static_cast<char>('0' + value % 10);
  };
  put(0, 2, millis / 3'600'000);
  put(3, 2, millis / 60'000 % 60);
  put(6, 2, millis / 1000 % 60);
  put(9, 3, millis % 1000);
  return std::string(text, kTimeCodeLength);
}

std::string FrameValueText(Frames frames) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, std::clamp<Frames>(frames, 0, kLargestFrameValue)).ptr;
  return std::string(text, end);
}

}  // namespace lumora
