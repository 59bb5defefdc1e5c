#include "editor/row_display.h"

#include <algorithm>

#include "subtitle/row_text.h"

namespace lumora {

namespace {

constexpr std::size_t kLongLine = 37;
constexpr std::string_view kBetu = " betű";

// Calls onLine(length) for every "|"-separated line, the last one included; returns the number of
// characters without the separators. Counts characters, so an accented letter counts once.
template <typename OnLine>
std::size_t ForEachLineLength(std::string_view rowText, OnLine&& onLine) {
  std::size_t line = 0;
  std::size_t total = 0;
  for (const char c : rowText) {
    if (c == kLineSeparator) {
      onLine(line);
      line = 0;
    } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
      ++line;
      ++total;
    }
  }
  onLine(line);
  return total;
}

}  // namespace

LineLengths MeasureLines(std::string_view rowText) {
  LineLengths lengths{};
  std::size_t index = 0;
  ForEachLineLength(rowText, [&](std::size_t length) {
    if (index < lengths.size()) lengths[index] = length;
    ++index;
  });
  return lengths;
}

std::string RowTextToMemo(std::string_view rowText) {
  std::string memo(rowText);
  std::replace(memo.begin(), memo.end(), kLineSeparator, '\n');
  return memo;
}

std::string CounterLabel(std::string_view rowText) {
  std::string label;
  std::size_t lines = 0;
  const std::size_t total = ForEachLineLength(rowText, [&](std::size_t length) {
    if (lines > 0) label += '+';
    label += std::to_string(length);
    ++lines;
  });
  if (lines > 1) label += '=' + std::to_string(total);
  label += kBetu;
  return label;
}

std::string RefreshedCounterLabel(std::string_view rowText) {
  return rowText.empty() ? std::string("0=0").append(kBetu) : CounterLabel(rowText);
}

RowTextView ShowRowText(std::string_view rowText) {
  return {RowTextToMemo(rowText), RefreshedCounterLabel(rowText), MeasureLines(rowText)};
}

RowColour RowColourFor(std::string_view rowText, bool colourLongLines, bool colourExtraLines) {
  if (rowText.empty() || !(colourLongLines || colourExtraLines)) return RowColour::Normal;
  const LineLengths lengths = MeasureLines(rowText);
  if (colourExtraLines && (lengths[2] != 0 || lengths[3] != 0 || lengths[4] != 0)) return RowColour::Green;
  if (colourLongLines && std::any_of(lengths.begin(), lengths.end(), [](std::size_t n) { return n > kLongLine; })) {
    return RowColour::Red;
  }
  return RowColour::Normal;
}

FormatMarks FormatMarksOf(std::string_view rowText) {
  const auto has = [&](std::string_view tag) { return rowText.find(tag) != std::string_view::npos; };
  return {has("</i>"), has("</b>"), has("</u>")};
}

}  // namespace lumora
