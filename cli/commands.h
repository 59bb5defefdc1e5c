#pragma once
// The subcommands of lumora-cli. A new one is a function and one line in commands.cpp.
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "subtitle/message.h"

namespace lumora::cli {

enum ExitStatus : int {
  kDone = 0,
  kCannotReadOrWrite = 1,
  kWrongUsage = 2,
  kStoppedAtBadLine = 3,
  kNothingRecognised = 4,
};

struct Streams {
  std::ostream& out;
  std::ostream& err;
};

/// A command's arguments: its files in order, and its options ("--by" with its value).
struct Arguments {
  std::vector<std::string> files;
  std::vector<std::pair<std::string, std::string>> options;

  /// The value of an option, or nothing when it was not given.
  const std::string* Option(std::string_view name) const;
};

struct Command {
  std::string_view name;
  std::string_view arguments;  // as shown in the usage line, e.g. "BE KI --by ÉRTÉK"
  std::size_t fileCount;
  std::vector<std::string_view> required;  // options that must be given
  std::vector<std::string_view> optional;  // options that may be given
  std::string_view summary;                // one line for the overall help
  std::string_view help;                   // the command's own --help text, after its usage line
  int (*run)(const Arguments& arguments, Streams streams);
};

std::span<const Command> AllCommands();

/// A message of the core on the error stream: caption, first and second line, one per line.
void PrintMessage(std::ostream& err, const Message& message);

/// Parses a command's arguments: files, then "--name value" options known to the command.
/// Nothing, with the reason on the error stream, when they do not fit.
std::optional<Arguments> ParseArguments(const Command& command, const std::vector<std::string>& words,
                                        std::ostream& err);

// The commands, one function each.
int Dump(const Arguments& arguments, Streams streams);
int Check(const Arguments& arguments, Streams streams);
int Convert(const Arguments& arguments, Streams streams);
int Shift(const Arguments& arguments, Streams streams);
int Fps(const Arguments& arguments, Streams streams);

}  // namespace lumora::cli
