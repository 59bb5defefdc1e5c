#pragma once
// Searching the row texts of a table from the current row: the quick search (forward, letters
// A-Z folded) and the detailed search (whole words, backwards, case-sensitive). Neither wraps
// around the table's end nor changes any text.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "subtitle/message.h"
#include "subtitle/subtitle_table.h"

namespace lumora {

struct SearchOptions {
  bool wholeWords = false;     // "Csak teljes szó": only the first occurrence in a row counts
  bool backwards = false;      // "Keresés visszafelé": towards the first row
  bool caseSensitive = false;  // "Kis- és nagybetű megkülönböztetése"
};

/// Whether a character is a word letter for the whole-word search: a-z, A-Z and the Hungarian
/// á é í ó ö ő ú ü ű with their capitals. Digits and punctuation separate words.
bool IsWordLetter(char32_t c);

/// Tests row texts against one search text; built once per search so the rows are matched
/// without allocating.
class TextMatcher {
 public:
  TextMatcher(std::string_view searchText, const SearchOptions& options);
  /// Whether the text matches: the search text occurs in it, with A-Z folded unless
  /// case-sensitive; with whole words, its first occurrence must stand between non-letters.
  bool Matches(std::string_view text) const;

 private:
  std::size_t Find(std::string_view text) const;

  std::string needle_;  // folded to lower case unless case-sensitive
  SearchOptions options_;
};

/// Index of the first row after `fromIndex` (before it when searching backwards) whose text
/// matches; `fromIndex` itself is not examined. Nothing for an empty search text or no match.
std::optional<std::size_t> FindMatchingRow(const SubtitleTable& table, std::size_t fromIndex,
                                           std::string_view searchText, const SearchOptions& options);

enum class SearchOutcome { NothingToSearch, Found, NotFound };

/// One search from the table's current row: on a match the matching row becomes current;
/// otherwise the cursor stays. An empty search text does nothing.
SearchOutcome SearchFromCurrentRow(SubtitleTable& table, std::string_view searchText,
                                   const SearchOptions& options = {});

/// The "Információ" message of a search that found nothing, the search text as its second line.
Message NotFoundMessage(std::string_view searchText);

}  // namespace lumora
