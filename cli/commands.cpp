#include "cli/commands.h"

#include <algorithm>
#include <array>
#include <ostream>

namespace lumora::cli {

namespace {

const std::array kCommands = {
    Command{"dump", "FILE", 1, {}, {}, "a felirat sorai, soronként: Sorszám, Kezdés, Befejezés, Szöveg",
            "Beolvassa a feliratot úgy, ahogy a szerkesztő, és soronként kiírja a táblázatát:\n"
            "Sorszám TAB Kezdés TAB Befejezés TAB Szöveg (UTF-8, a sortörés \"|\").\n"
            "Ha a beolvasás hibás sornál megáll, az addig beolvasott sorok megjelennek, az üzenet\n"
            "pedig a hibakimenetre kerül.\n",
            Dump},
    Command{"check", "FILE", 1, {}, {}, "a felirat formátuma, időalapja, kódolása és sorainak száma",
            "Beolvassa a feliratot, és kiírja a felismert formátumot, az időalapot (Frame vagy Time),\n"
            "a file kódolását és a beolvasott sorok számát; megálláskor a hiba üzenetét is.\n",
            Check},
    Command{"convert", "BE KI [--fps FPS]", 2, {}, {"--fps"}, "a BE felirat mentése a KI file-ba (SRT vagy SUB)",
            "Beolvassa a BE feliratot, és a KI file-ba menti: .srt nevű file-ba idő alapú (Time),\n"
            ".sub nevű file-ba képkocka alapú (Frame) feliratként, a BE file kódolásával. Ha a KI\n"
            "kiterjesztése a másik időalapot kéri, minden értéket átvált az --fps képkockasebességgel\n"
            "(pl. 25 vagy 23,976). A mentés biztonságos: hiba esetén a KI file változatlan marad.\n"
            "Hibás sornál megálló beolvasás után nem ment semmit.\n",
            Convert},
    Command{"shift", "BE KI --by ÉRTÉK", 2, {"--by"}, {}, "minden kezdő és befejező érték eltolása",
            "Beolvassa a BE feliratot, minden sor kezdő és befejező értékét eltolja, és a KI file-ba\n"
            "menti. Az ÉRTÉK képkocka alapú feliratnál képkockaszám (pl. 25), idő alapúnál\n"
            "ÓÓ:PP:MM,EEE alakú idő (pl. 00:00:01,500); egy \"-\" elöl korábbra tol.\n"
            "Az eredmény 0 és 999999, illetve 00:00:00,000 és 24:00:00,000 közé esik.\n",
            Shift},
    Command{"fps", "BE KI --from FPS --to FPS", 2, {"--from", "--to"}, {},
            "átváltás egyik képkockasebességről a másikra",
            "Beolvassa a BE feliratot, minden értékét átszámolja a --from sebességről a --to\n"
            "sebességre (pl. 25 és 23,976), az időalapot megtartva, és a KI file-ba menti.\n",
            Fps},
};

}  // namespace

std::span<const Command> AllCommands() { return kCommands; }

const std::string* Arguments::Option(std::string_view name) const {
  for (const auto& [option, value] : options) {
    if (option == name) return &value;
  }
  return nullptr;
}

std::optional<Arguments> ParseArguments(const Command& command, const std::vector<std::string>& words,
                                        std::ostream& err) {
  const auto known = [&command](std::string_view word) {
    return std::find(command.required.begin(), command.required.end(), word) != command.required.end() ||
           std::find(command.optional.begin(), command.optional.end(), word) != command.optional.end();
  };
  Arguments arguments;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.starts_with("--")) {
      if (!known(word)) {
        err << "Hibás használat: ismeretlen kapcsoló: " << word << '\n';
        return std::nullopt;
      }
      if (i + 1 == words.size()) {
        err << "Hibás használat: a(z) " << word << " kapcsoló után érték kell.\n";
        return std::nullopt;
      }
      // The value is taken as it stands, so "--by -00:00:01,000" moves earlier.
      arguments.options.emplace_back(word, words[++i]);
    } else {
      arguments.files.push_back(word);
    }
  }
  if (arguments.files.size() != command.fileCount) {
    err << "Hibás használat: a(z) " << command.name << " parancs " << command.fileCount << " file nevét várja.\n";
    return std::nullopt;
  }
  for (std::string_view option : command.required) {
    if (!arguments.Option(option)) {
      err << "Hibás használat: hiányzik a(z) " << option << " kapcsoló.\n";
      return std::nullopt;
    }
  }
  return arguments;
}

void PrintMessage(std::ostream& err, const Message& message) {
  // The window's texts may hold a CR LF line break; the terminal wants LF alone.
  for (const std::string* line : {&message.caption, &message.line1, &message.line2}) {
    if (line->empty()) continue;
    for (char c : *line) {
      if (c != '\r') err << c;
    }
    err << '\n';
  }
}

}  // namespace lumora::cli
