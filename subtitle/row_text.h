#pragma once
// The row-text form: the lines of one subtitle joined by "|", and file paths split in two.
#include <string>
#include <string_view>

namespace lumora {

inline constexpr char kLineSeparator = '|';

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

/// A multi-line text in row form: carriage returns dropped, each line feed becomes "|".
std::string MemoToRowText(std::string_view text);

/// The part of a path after its last separator (the whole text when it has none).
std::string ExtractNameOnly(std::string_view path);

/// The part of a path up to and including its last separator ("" when it has none).
std::string ExtractDirOnly(std::string_view path);

}  // namespace lumora
