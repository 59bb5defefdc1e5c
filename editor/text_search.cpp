#include "editor/text_search.h"

#include <algorithm>

#include "subtitle/utf8.h"

namespace lumora {

namespace {

// Only the ASCII capitals fold; they never occur inside a multi-byte UTF-8 sequence, so folding
// byte by byte is safe and keeps every byte offset.
char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t FindFolded(std::string_view text, std::string_view foldedNeedle) {
  const std::size_t n = foldedNeedle.size();
  if (n > text.size()) return std::string_view::npos;
  const char first = foldedNeedle.front();
  for (std::size_t i = 0, last = text.size() - n; i <= last; ++i) {
    if (FoldAscii(text[i]) != first) continue;
    std::size_t k = 1;
    while (k < n && FoldAscii(text[i + k]) == foldedNeedle[k]) ++k;
    if (k == n) return i;
  }
  return std::string_view::npos;
}

bool WordLetterBefore(std::string_view text, std::size_t pos) {
  if (pos == 0) return false;
  std::size_t start = pos - 1;
  while (start > 0 && IsContinuationByte(text[start])) --start;
  return IsWordLetter(DecodeUtf8At(text, start));
}

bool WordLetterAt(std::string_view text, std::size_t pos) {
  return pos < text.size() && IsWordLetter(DecodeUtf8At(text, pos));
}

}  // namespace

bool IsWordLetter(char32_t c) {
  if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) return true;
  switch (c) {
    case U'á': case U'é': case U'í': case U'ó': case U'ö': case U'ő': case U'ú': case U'ü': case U'ű':
    case U'Á': case U'É': case U'Í': case U'Ó': case U'Ö': case U'Ő': case U'Ú': case U'Ü': case U'Ű':
      return true;
    default:
      return false;
  }
}

TextMatcher::TextMatcher(std::string_view searchText, const SearchOptions& options)
    : needle_(searchText), options_(options) {
  if (!options_.caseSensitive) {
    for (char& c : needle_) c = FoldAscii(c);
  }
}

std::size_t TextMatcher::Find(std::string_view text) const {
  return options_.caseSensitive ? text.find(needle_) : FindFolded(text, needle_);
}

bool TextMatcher::Matches(std::string_view text) const {
  if (needle_.empty()) return false;
  const std::size_t at = Find(text);
  if (at == std::string_view::npos) return false;
  if (!options_.wholeWords) return true;
  return !WordLetterBefore(text, at) && !WordLetterAt(text, at + needle_.size());
}

std::optional<std::size_t> FindMatchingRow(const SubtitleTable& table, std::size_t fromIndex,
                                           std::string_view searchText, const SearchOptions& options) {
  if (searchText.empty()) return std::nullopt;
  const TextMatcher matcher(searchText, options);
  const auto& rows = table.Rows();
  if (options.backwards) {
    for (std::size_t i = std::min(fromIndex, rows.size()); i-- > 0;) {
      if (matcher.Matches(rows[i].Szoveg)) return i;
    }
  } else {
    for (std::size_t i = fromIndex + 1; i < rows.size(); ++i) {
      if (matcher.Matches(rows[i].Szoveg)) return i;
    }
  }
  return std::nullopt;
}

SearchOutcome SearchFromCurrentRow(SubtitleTable& table, std::string_view searchText,
                                   const SearchOptions& options) {
  if (searchText.empty()) return SearchOutcome::NothingToSearch;
  const auto found = FindMatchingRow(table, table.CurrentIndex(), searchText, options);
  if (!found) return SearchOutcome::NotFound;
  table.SetRecNo(*found + 1);
  return SearchOutcome::Found;
}

Message NotFoundMessage(std::string_view searchText) {
  return {"Információ", "info", "Nincs (több) ilyen: ", std::string(searchText)};
}

}  // namespace lumora
