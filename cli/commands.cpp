#include "cli/commands.h"

#include <array>
#include <ostream>

namespace lumora::cli {

namespace {

const std::array kCommands = {
    Command{"dump", "FILE", 1, "a felirat sorai, soronként: Sorszám, Kezdés, Befejezés, Szöveg",
            "Beolvassa a feliratot úgy, ahogy a szerkesztő, és soronként kiírja a táblázatát:\n"
            "Sorszám TAB Kezdés TAB Befejezés TAB Szöveg (UTF-8, a sortörés \"|\").\n"
            "Ha a beolvasás hibás sornál megáll, az addig beolvasott sorok megjelennek, az üzenet\n"
            "pedig a hibakimenetre kerül.\n",
            Dump},
    Command{"check", "FILE", 1, "a felirat formátuma, időalapja, kódolása és sorainak száma",
            "Beolvassa a feliratot, és kiírja a felismert formátumot, az időalapot (Frame vagy Time),\n"
            "a file kódolását és a beolvasott sorok számát; megálláskor a hiba üzenetét is.\n",
            Check},
    Command{"convert", "BE KI", 2, "a BE felirat mentése a KI file-ba (SRT vagy SUB)",
            "Beolvassa a BE feliratot, és a KI file-ba menti az időalapjának megfelelő formában:\n"
            "idő alapú (Time) feliratot .srt, képkocka alapút (Frame) .sub nevű file-ba, a BE file\n"
            "kódolásával. A mentés biztonságos: hiba esetén a KI file változatlan marad.\n"
            "Hibás sornál megálló beolvasás után nem ment semmit.\n",
            Convert},
};

}  // namespace

std::span<const Command> AllCommands() { return kCommands; }

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
