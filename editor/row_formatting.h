#pragma once
// Formatting tags in a row text: "<i>…</i>", "<b>…</b>", "<u>…</u>" wrap the whole text;
// nesting comes from applying several.
#include <optional>
#include <string>
#include <string_view>

#include "subtitle/message.h"
#include "subtitle/subtitle_table.h"

namespace lumora {

struct TagPair {
  std::string_view open;
  std::string_view close;
};

inline constexpr TagPair kItalicTags{"<i>", "</i>"};
inline constexpr TagPair kBoldTags{"<b>", "</b>"};
inline constexpr TagPair kUnderlineTags{"<u>", "</u>"};

/// The text without its first opening tag and, after that, without the first closing tag left;
/// unchanged when there is no opening tag (a lone closing tag stays).
std::string TextWithoutTagPair(std::string_view text, TagPair tags);

/// RemoveTagPair on the current row's text; true when the text changed (false in an empty table).
bool RemoveTagPair(SubtitleTable& table, TagPair tags);

/// Outcome of a tag toggle: whether the row changed, and the message when it was refused.
struct ToggleResult {
  bool changed = false;
  std::optional<Message> refusal;
};

/// A formatting item's click: when the current row's text holds the closing tag, RemoveTagPair;
/// otherwise the text is wrapped in the pair. A wrapped text longer than the table's text width
/// would lose its closing tag to the cut, so the row is left as it was and an "info" message says
/// why. Nothing happens in an empty table.
ToggleResult ToggleTagPair(SubtitleTable& table, TagPair tags);

/// "Minden formázás eltávolítása": RemoveTagPair for italic, bold and underline in turn (only the
/// first pair of each kind goes); true when the text changed.
bool StripAllTags(SubtitleTable& table);

}  // namespace lumora
