// dump, check and convert: a subtitle read exactly as the editor reads it.
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "subtitle/subtitle_reader.h"
#include "subtitle/subtitle_writer.h"
#include "cli/rewrite.h"
#include "subtitle/timing_mode.h"
#include "timing/mode_switch.h"

namespace lumora::cli {

namespace {

std::string_view LayoutName(FormatKind kind) {
  switch (kind) {
    case FormatKind::SubFrames: return "SUB, képkocka alapú sorok";
    case FormatKind::SrtBlocks: return "SRT, számozott blokkok";
    case FormatKind::TimeRanges: return "időtartományos blokkok (SubViewer 2.0)";
    case FormatKind::NoneRecognised: return "nem felismerhető";
  }
  return "";
}

}  // namespace

int Dump(const Arguments& arguments, Streams streams) {
  SubtitleTable table;
  const ReadOutcome outcome = ReadSubtitleFile(arguments.files[0], table);
  std::string line;
  for (const TableRow& row : table.Rows()) {
    line.clear();
    if (row.Sorszam) line += std::to_string(*row.Sorszam);
    line.append("\t").append(row.Kezdes).append("\t").append(row.Befejezes).append("\t").append(row.Szoveg);
    line += '\n';
    streams.out << line;
  }
  streams.out.flush();
  if (outcome.message) PrintMessage(streams.err, *outcome.message);
  return ExitStatusOf(outcome.status);
}

int Check(const Arguments& arguments, Streams streams) {
  SubtitleTable table;
  const ReadOutcome outcome = ReadSubtitleFile(arguments.files[0], table);
  if (outcome.status != ReadStatus::Unreadable) {
    streams.out << "Formátum: " << ToText(outcome.kind) << " (" << LayoutName(outcome.kind) << ")\n"
                << "Időalap: " << (outcome.loadedKind.empty() ? "-" : outcome.loadedKind) << '\n'
                << "Kódolás: " << EncodingName(outcome.encoding) << '\n'
                << "Sorok száma: " << table.RecordCount() << '\n';
    if (outcome.status == ReadStatus::StoppedAtBadLine) streams.out << "A beolvasás hibás sornál megállt.\n";
    streams.out.flush();
  }
  if (outcome.message) PrintMessage(streams.err, *outcome.message);
  return ExitStatusOf(outcome.status);
}

int Convert(const Arguments& arguments, Streams streams) {
  Rewrite rewrite;
  if (const int status = rewrite.Read(arguments.files[0], streams); status != kDone) return status;
  const std::string_view wanted = ModeForFileName(arguments.files[1]);
  if (!wanted.empty() && wanted != rewrite.mode) {
    // The other timing mode: every value is converted at the given frame rate.
    const std::string* rate = arguments.Option("--fps");
    if (!rate) {
      PrintMessage(streams.err, {"Eltérés!", "info", "A file neve nem egyezik meg a típussal!",
                                 "Az időalap váltásához meg kell adni a képkockasebességet: --fps FPS"});
      return kWrongUsage;
    }
    if (!SwitchTimingMode(rewrite.table, rewrite.mode, wanted, *rate)) {
      PrintMessage(streams.err, {"Hiba!", "hiba", "Hibás FPS érték: " + *rate, "Helyes megadás pl: 25 vagy 23,976"});
      return kWrongUsage;
    }
    rewrite.mode = wanted;
  }
  return rewrite.Write(arguments.files[1], streams);
}

}  // namespace lumora::cli
