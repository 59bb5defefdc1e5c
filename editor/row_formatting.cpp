#include "editor/row_formatting.h"

#include "subtitle/utf8.h"

namespace lumora {

namespace {

bool StoreIfChanged(SubtitleTable& table, std::string text) {
  if (text == table.Current().Szoveg) return false;
  table.SetSzoveg(text);
  table.Post();
  return true;
}

}  // namespace

std::string TextWithoutTagPair(std::string_view text, TagPair tags) {
  std::string result(text);
  const auto open = result.find(tags.open);
  if (open == std::string::npos) return result;
  result.erase(open, tags.open.size());
  const auto close = result.find(tags.close);
  if (close != std::string::npos) result.erase(close, tags.close.size());
  return result;
}

bool RemoveTagPair(SubtitleTable& table, TagPair tags) {
  if (table.IsEmpty()) return false;
  return StoreIfChanged(table, TextWithoutTagPair(table.Current().Szoveg, tags));
}

ToggleResult ToggleTagPair(SubtitleTable& table, TagPair tags) {
  if (table.IsEmpty()) return {};
  const std::string_view text = table.Current().Szoveg;
  if (text.find(tags.close) != std::string_view::npos) return {RemoveTagPair(table, tags), std::nullopt};
  std::string wrapped = std::string(tags.open).append(text).append(tags.close);
  const std::size_t width = table.Shape().textWidth;
  if (CountChars(wrapped) > width) {
    return {false, Message{"Formázás", "info",
                           "A formázott szöveg hosszabb lenne " + std::to_string(width) +
                               " betűnél, ezért a sor nem változott!",
                           ""}};
  }
  table.SetSzoveg(wrapped);
  table.Post();
  return {true, std::nullopt};
}

bool StripAllTags(SubtitleTable& table) {
  bool changed = false;
  for (const TagPair& tags : {kItalicTags, kBoldTags, kUnderlineTags}) changed |= RemoveTagPair(table, tags);
  return changed;
}

}  // namespace lumora
