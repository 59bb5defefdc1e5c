#pragma once
// How the editor shows one row: the text field's lines, the character counter, the line
// lengths behind the grid's colouring, and the formatting check marks. Pure rules; the window
// only copies the results into its controls.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace lumora {

/// Character counts of the first five "|"-separated lines of a row text; missing lines are 0.
using LineLengths = std::array<std::size_t, 5>;

/// Lengths, in characters, of the first five lines of a row text; a sixth or later line is not
/// measured.
LineLengths MeasureLines(std::string_view rowText);

/// The text field's content for a row text: each "|" becomes a line feed, with no line feed after
/// the last line ("abc|" shows "abc" and an empty second line).
std::string RowTextToMemo(std::string_view rowText);

/// Counter label after a key release in the text field: "3+2=5 betű" for abc|de, "3+0=3 betű"
/// for abc|, "3 betű" for abc, "0 betű" for an empty text. Counts characters, not separators.
std::string CounterLabel(std::string_view rowText);

/// Counter label when the row fields are refilled: as CounterLabel, but "0=0 betű" for an empty
/// row text.
std::string RefreshedCounterLabel(std::string_view rowText);

/// Everything ShowRowText puts on screen for one row text.
struct RowTextView {
  std::string memo;
  std::string counter;
  LineLengths lineLengths{};
};

/// The text field, counter and line lengths the editor shows for a row text on refresh.
RowTextView ShowRowText(std::string_view rowText);

/// Background of a grid row.
enum class RowColour { Normal, Red, Green };

/// Colour of a grid row: red when colourLongLines ("Színezés 37 betű felett") is ticked and one of
/// the first five lines is longer than 37 characters; green, which wins, when colourExtraLines
/// ("Színezés 3 sor felett") is ticked and the third, fourth or fifth line is not empty.
/// An empty text is never coloured.
RowColour RowColourFor(std::string_view rowText, bool colourLongLines, bool colourExtraLines);

/// Which formatting items carry a check mark: a closing tag ("</i>", "</b>", "</u>") is in the text.
struct FormatMarks {
  bool italic = false;
  bool bold = false;
  bool underline = false;
  friend bool operator==(const FormatMarks&, const FormatMarks&) = default;
};

/// The check marks of "Dőlt", "Vastagított" and "Aláhúzott" for a row text; only closing tags count.
FormatMarks FormatMarksOf(std::string_view rowText);

}  // namespace lumora
