#pragma once
// Start and end values as the timing passes read and write them: whole milliseconds and whole
// frames, exact. Texts are built in a small buffer and these helpers are inline, so a pass over
// many rows stores each value without a temporary string or a call per step.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "subtitle/frame_rate.h"
#include "subtitle/timecode.h"

namespace lumora {

static_assert(std::endian::native == std::endian::little, "value texts are read and written as little-endian words");

/// The largest value a 12-character field holds: 99:59:59,999 and twelve nines.
inline constexpr Millis kLargestTimeValue = 99 * 3'600'000LL + 59 * 60'000 + 59'999;
inline constexpr Frames kLargestFrameValue = 999'999'999'999LL;

/// Milliseconds counted as a rate: 1000 per second.
inline constexpr FrameRate kMillisecondRate{1000, 1};

namespace timing_detail {
// "00" … "99" as little-endian two-character words.
inline constexpr std::array<std::uint16_t, 100> kDigitPairs = [] {
  std::array<std::uint16_t, 100> pairs{};
  for (unsigned v = 0; v < 100; ++v) pairs[v] = static_cast<std::uint16_t>(('0' + v / 10) | ('0' + v % 10) << 8);
  return pairs;
}();

// True when all eight bytes of a little-endian word are the ASCII digits 0-9.
constexpr bool EightDigits(std::uint64_t word) {
  constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0;
  return ((word & kHighNibbles) | (((word + 0x0606060606060606) & kHighNibbles) >> 4)) == 0x3333333333333333;
}

constexpr std::int64_t DigitAt(std::uint64_t digits, int byte) { return static_cast<std::int64_t>(digits >> (8 * byte) & 0xFF); }
}  // namespace timing_detail

/// A value text of at most 12 characters, held in place.
class ValueText {
 public:
  std::string_view View() const { return {text_, size_}; }
  std::string Str() const { return std::string(View()); }

  /// The TimeCode of a number of milliseconds, clamped to 00:00:00,000 … 99:59:59,999.
  void SetTime(Millis millis) {
    // Every step fits 32 bits, and the two-digit groups come from a table: a pass writes
    // 200,000 of these, and 64-bit divisions by constants would be most of its cost.
    const auto total = static_cast<std::uint32_t>(std::clamp<Millis>(millis, 0, kLargestTimeValue));
    const std::uint32_t seconds = total / 1000;
    const std::uint32_t ms = total % 1000;
    const std::uint32_t minutes = seconds / 60;
    const std::uint64_t head = std::uint64_t{kDigitPairs[minutes / 60]} | std::uint64_t{':'} << 16 |
                               std::uint64_t{kDigitPairs[minutes % 60]} << 24 | std::uint64_t{':'} << 40 |
                               std::uint64_t{kDigitPairs[seconds % 60]} << 48;
    const std::uint32_t tail = ',' | ('0' + ms / 100) << 8 | std::uint32_t{kDigitPairs[ms % 100]} << 16;
    std::memcpy(text_, &head, sizeof head);
    std::memcpy(text_ + sizeof head, &tail, sizeof tail);
    size_ = static_cast<std::uint8_t>(kTimeCodeLength);
  }

  /// The decimal text of a frame count, clamped to 0 … kLargestFrameValue.
  void SetFrames(Frames frames) {
    auto value = static_cast<std::uint64_t>(std::clamp<Frames>(frames, 0, kLargestFrameValue));
    // floor(log10) from the bit width (1233 / 4096 ≈ log10 2), corrected by one comparison.
    const std::uint64_t nonZero = value | 1;
    const int guess = std::bit_width(nonZero) * 1233 >> 12;
    const auto digits = static_cast<std::uint8_t>(guess + (nonZero >= kPowersOfTen[guess] ? 1 : 0));
    size_ = digits;
    // Written from the last digit backwards, two at a time from the same table as SetTime.
    char* at = text_ + digits;
    for (; value >= 100; value /= 100) {
      at -= 2;
      std::memcpy(at, &kDigitPairs[value % 100], 2);
    }
    if (value >= 10) {
      std::memcpy(at - 2, &kDigitPairs[value], 2);
    } else {
      at[-1] = static_cast<char>('0' + value);
    }
  }

 private:
  static constexpr const auto& kDigitPairs = timing_detail::kDigitPairs;
  static constexpr std::array<std::uint64_t, 13> kPowersOfTen = {
      1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000, 1'000'000'000,
      10'000'000'000, 100'000'000'000, 1'000'000'000'000};

  char text_[15];
  std::uint8_t size_ = 0;
};

/// Runs a value rule (rule(ValueText&) → whether it wrote) on a fresh text: the text written, or
/// nothing when the rule leaves the value as it is.
template <typename Rule>
std::optional<std::string> TextOf(Rule&& rule) {
  ValueText text;
  if (!rule(text)) return std::nullopt;
  return text.Str();
}

/// ValueText::SetTime as a value.
inline ValueText TimeValueText(Millis millis) {
  ValueText value;
  value.SetTime(millis);
  return value;
}

/// ValueText::SetFrames as a value.
inline ValueText FrameValueText(Frames frames) {
  ValueText value;
  value.SetFrames(frames);
  return value;
}

/// Milliseconds of a stored time value: a TimeCode of exactly 12 characters with its separators
/// in place (hours 00-99); nothing for an empty or malformed text.
inline std::optional<Millis> ReadTimeValue(std::string_view text) {
  using namespace timing_detail;
  if (text.size() != kTimeCodeLength) return std::nullopt;
  // Read as the words "HH:MM:SS" and ",mmm" padded with "0000", separators turned into "0":
  // a pass reads 200,000 of these, so it looks at whole words rather than at each character.
  std::uint64_t head = 0;
  std::uint32_t tail = 0;
  std::memcpy(&head, text.data(), sizeof head);
  std::memcpy(&tail, text.data() + sizeof head, sizeof tail);
  constexpr std::uint64_t kColonBytes = 0x0000'FF00'00FF'0000;
  if ((head & kColonBytes) != 0x0000'3A00'003A'0000 || (tail & 0xFF) != ',') return std::nullopt;
  head = (head & ~kColonBytes) | 0x0000'3000'0030'0000;
  const std::uint64_t tailWord = (tail & 0xFFFF'FF00) | 0x3030'3030'0000'0030;
  if (!EightDigits(head) || !EightDigits(tailWord)) return std::nullopt;
  const std::uint64_t h = head - 0x3030'3030'3030'3030;
  const std::uint64_t t = tailWord - 0x3030'3030'3030'3030;
  const Millis hours = DigitAt(h, 0) * 10 + DigitAt(h, 1);
  const Millis minutes = DigitAt(h, 3) * 10 + DigitAt(h, 4);
  const Millis seconds = DigitAt(h, 6) * 10 + DigitAt(h, 7);
  return ((hours * 60 + minutes) * 60 + seconds) * 1000 + DigitAt(t, 1) * 100 + DigitAt(t, 2) * 10 + DigitAt(t, 3);
}

/// trunc(value × to ÷ from) on exact decimal rates, for many values at one pair of rates. With
/// from = kMillisecondRate it turns milliseconds into frames at `to`, and the other way round.
class RateScale {
 public:
  RateScale(FrameRate from, FrameRate to)
      : multiplier_(to.numerator * from.denominator),
        divisor_(to.denominator * from.numerator),
        reciprocal_(divisor_ > 1 ? static_cast<std::uint64_t>((Wide{1} << 64) / divisor_) + 1 : 0) {}

  /// The scaled value of a value ≥ 0, exact.
  std::int64_t operator()(std::int64_t value) const {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(value, multiplier_, &product) || product >= kProductLimit) return Slow(value);
    if (reciprocal_ == 0) return product / divisor_;
    // Multiplying by a rounded-up reciprocal gives the quotient or one more; one check makes it
    // exact. A 64-bit division per value would cost a pass as much as all its other work.
    auto quotient = static_cast<std::int64_t>(static_cast<Wide>(product) * reciprocal_ >> 64);
    if (quotient * divisor_ > product) --quotient;
    return quotient;
  }

 private:
  __extension__ typedef unsigned __int128 Wide;
  // Below this the reciprocal's error stays under one.
  static constexpr std::int64_t kProductLimit = std::int64_t{1} << 53;

  std::int64_t Slow(std::int64_t value) const {
    const Wide result = static_cast<Wide>(value) * static_cast<Wide>(multiplier_) / static_cast<Wide>(divisor_);
    // Beyond 64 bits is far past any field's largest value, to which the callers clamp.
    return result > static_cast<Wide>(INT64_MAX) ? INT64_MAX : static_cast<std::int64_t>(result);
  }

  std::int64_t multiplier_;
  std::int64_t divisor_;
  std::uint64_t reciprocal_;  // 2^64 ÷ divisor, rounded up; 0 for a divisor of 1
};

/// Frames of a stored frame value: decimal digits only, at most 12 of them (a field's width);
/// nothing for anything else. Inline, unlike ParseFrameNumber, because every pass reads
/// 200,000 values of a long subtitle.
inline std::optional<Frames> ReadFrameValue(std::string_view text) {
  if (text.empty() || text.size() > 12) return std::nullopt;
  Frames value = 0;
  for (const char c : text) {
    const auto digit = static_cast<unsigned>(static_cast<unsigned char>(c) - '0');
    if (digit > 9) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace lumora
