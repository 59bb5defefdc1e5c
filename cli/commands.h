#pragma once
// The subcommands of lumora-cli. A new one is a function and one line in commands.cpp.
#include <iosfwd>
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

struct Command {
  std::string_view name;
  std::string_view arguments;  // as shown in the usage line, e.g. "FILE"
  std::size_t argumentCount;
  std::string_view summary;    // one line for the overall help
  std::string_view help;       // the command's own --help text, after its usage line
  int (*run)(const std::vector<std::string>& arguments, Streams streams);
};

std::span<const Command> AllCommands();

/// A message of the core on the error stream: caption, first and second line, one per line.
void PrintMessage(std::ostream& err, const Message& message);

// The commands, one function each.
int Dump(const std::vector<std::string>& arguments, Streams streams);
int Check(const std::vector<std::string>& arguments, Streams streams);
int Convert(const std::vector<std::string>& arguments, Streams streams);

}  // namespace lumora::cli
