// dump, check and convert: a subtitle read exactly as the editor reads it.
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "subtitle/subtitle_reader.h"
#include "subtitle/subtitle_writer.h"
#include "subtitle/timing_mode.h"

namespace lumora::cli {

namespace {

int StatusOf(const ReadOutcome& outcome) {
  switch (outcome.status) {
    case ReadStatus::Complete: return kDone;
    case ReadStatus::StoppedAtBadLine: return kStoppedAtBadLine;
    case ReadStatus::NothingRecognised: return kNothingRecognised;
    case ReadStatus::Unreadable: return kCannotReadOrWrite;
  }
  return kCannotReadOrWrite;
}

std::string_view LayoutName(FormatKind kind) {
  switch (kind) {
    case FormatKind::SubFrames: return "SUB, képkocka alapú sorok";
    case FormatKind::SrtBlocks: return "SRT, számozott blokkok";
    case FormatKind::TimeRanges: return "időtartományos blokkok (SubViewer 2.0)";
    case FormatKind::NoneRecognised: return "nem felismerhető";
  }
  return "";
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  text = text.substr(text.size() - ending.size());
  for (std::size_t i = 0; i < ending.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != ending[i]) return false;
  }
  return true;
}

}  // namespace

int Dump(const std::vector<std::string>& arguments, Streams streams) {
  SubtitleTable table;
  const ReadOutcome outcome = ReadSubtitleFile(arguments[0], table);
  std::string line;
  for (const SubtitleRow& row : table.Rows()) {
    line.clear();
    if (row.Sorszam) line += std::to_string(*row.Sorszam);
    line.append("\t").append(row.Kezdes).append("\t").append(row.Befejezes).append("\t").append(row.Szoveg);
    line += '\n';
    streams.out << line;
  }
  streams.out.flush();
  if (outcome.message) PrintMessage(streams.err, *outcome.message);
  return StatusOf(outcome);
}

int Check(const std::vector<std::string>& arguments, Streams streams) {
  SubtitleTable table;
  const ReadOutcome outcome = ReadSubtitleFile(arguments[0], table);
  if (outcome.status != ReadStatus::Unreadable) {
    streams.out << "Formátum: " << ToText(outcome.kind) << " (" << LayoutName(outcome.kind) << ")\n"
                << "Időalap: " << (outcome.loadedKind.empty() ? "-" : outcome.loadedKind) << '\n'
                << "Kódolás: " << EncodingName(outcome.encoding) << '\n'
                << "Sorok száma: " << table.RecordCount() << '\n';
    if (outcome.status == ReadStatus::StoppedAtBadLine) streams.out << "A beolvasás hibás sornál megállt.\n";
    streams.out.flush();
  }
  if (outcome.message) PrintMessage(streams.err, *outcome.message);
  return StatusOf(outcome);
}

int Convert(const std::vector<std::string>& arguments, Streams streams) {
  const std::string& in = arguments[0];
  const std::string& out = arguments[1];
  SubtitleTable table;
  const ReadOutcome outcome = ReadSubtitleFile(in, table);
  if (outcome.status != ReadStatus::Complete) {
    if (outcome.message) PrintMessage(streams.err, *outcome.message);
    if (outcome.status == ReadStatus::StoppedAtBadLine) streams.err << "Nem mentettem semmit.\n";
    return StatusOf(outcome);
  }
  const bool frames = outcome.loadedKind == kFrameMode;
  const std::string_view extension = frames ? ".sub" : ".srt";
  if (!EndsWithIgnoringCase(out, extension)) {
    PrintMessage(streams.err, {"Eltérés!", "info", "A file neve nem egyezik meg a típussal!",
                               std::string(frames ? "Képkocka alapú (Frame) felirat csak .sub nevű file-ba menthető."
                                                  : "Idő alapú (Time) felirat csak .srt nevű file-ba menthető.")});
    return kWrongUsage;
  }
  const WriteOutcome written =
      frames ? WriteSubFile(out, table, outcome.encoding) : WriteSrtFile(out, table, outcome.encoding);
  if (!written.ok) {
    if (written.message) PrintMessage(streams.err, *written.message);
    streams.err << written.reason << '\n';
    return kCannotReadOrWrite;
  }
  streams.out << "A file-t elmentettem!\n";
  return kDone;
}

}  // namespace lumora::cli
