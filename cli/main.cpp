// lumora-cli: reads, checks and converts subtitle files with the editor's own core.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

using lumora::cli::Command;

constexpr std::string_view kExitStatuses =
    "Kilépési kódok: 0 rendben, 1 a file nem olvasható vagy nem írható, 2 hibás használat,\n"
    "3 a beolvasás hibás sornál megállt, 4 a file-ban nincs felismerhető felirat.\n";

void PrintOverview(std::ostream& out) {
  out << "lumora-cli: a Lumora feliratszerkesztő parancssori eszköze.\n\n"
         "Használat: lumora-cli PARANCS ARGUMENTUMOK\n\nParancsok:\n";
  for (const Command& c : lumora::cli::AllCommands()) {
    std::string head = std::string(c.name) + " " + std::string(c.arguments);
    head.resize(std::max<std::size_t>(head.size() + 2, 16), ' ');
    out << "  " << head << c.summary << '\n';
  }
  out << "\nEgy parancs leírása: lumora-cli PARANCS --help\n" << kExitStatuses;
}

void PrintUsage(std::ostream& out, const Command& c) {
  out << "Használat: lumora-cli " << c.name << ' ' << c.arguments << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintOverview(std::cerr);
    return lumora::cli::kWrongUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintOverview(std::cout);
    return lumora::cli::kDone;
  }
  for (const Command& c : lumora::cli::AllCommands()) {
    if (args[0] != c.name) continue;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const std::string& a : rest) {
      if (a == "--help" || a == "-h") {
        PrintUsage(std::cout, c);
        std::cout << '\n' << c.help << '\n' << kExitStatuses;
        return lumora::cli::kDone;
      }
    }
    const auto arguments = lumora::cli::ParseArguments(c, rest, std::cerr);
    if (!arguments) {
      PrintUsage(std::cerr, c);
      return lumora::cli::kWrongUsage;
    }
    return c.run(*arguments, {std::cout, std::cerr});
  }
  std::cerr << "Ismeretlen parancs: " << args[0] << "\n\n";
  PrintOverview(std::cerr);
  return lumora::cli::kWrongUsage;
}
