#include "cli/rewrite.h"

#include <ostream>

#include "subtitle/subtitle_writer.h"
#include "subtitle/timing_mode.h"

namespace lumora::cli {

int ExitStatusOf(ReadStatus status) {
  switch (status) {
    case ReadStatus::Complete: return kDone;
    case ReadStatus::StoppedAtBadLine: return kStoppedAtBadLine;
    case ReadStatus::NothingRecognised: return kNothingRecognised;
    case ReadStatus::Unreadable: return kCannotReadOrWrite;
  }
  return kCannotReadOrWrite;
}

int Rewrite::Read(const std::string& path, Streams streams) {
  const ReadOutcome outcome = ReadSubtitleFile(path, table);
  if (outcome.status != ReadStatus::Complete) {
    if (outcome.message) PrintMessage(streams.err, *outcome.message);
    if (outcome.status == ReadStatus::StoppedAtBadLine) streams.err << "Nem mentettem semmit.\n";
    return ExitStatusOf(outcome.status);
  }
  mode = outcome.loadedKind;
  encoding = outcome.encoding;
  return kDone;
}

int Rewrite::Write(const std::string& path, Streams streams) {
  const bool frames = mode == kFrameMode;
  if (ModeForFileName(path) != mode) {
    PrintMessage(streams.err, {"Eltérés!", "info", "A file neve nem egyezik meg a típussal!",
                               std::string(frames ? "Képkocka alapú (Frame) felirat csak .sub nevű file-ba menthető."
                                                  : "Idő alapú (Time) felirat csak .srt nevű file-ba menthető.")});
    return kWrongUsage;
  }
  const WriteOutcome written = frames ? WriteSubFile(path, table, encoding) : WriteSrtFile(path, table, encoding);
  if (!written.ok) {
    if (written.message) PrintMessage(streams.err, *written.message);
    streams.err << written.reason << '\n';
    return kCannotReadOrWrite;
  }
  streams.out << "A file-t elmentettem!\n";
  return kDone;
}

}  // namespace lumora::cli
