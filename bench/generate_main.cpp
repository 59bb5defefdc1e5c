// lumora-bench-generate LAYOUT ENTRIES ENCODING OUT: writes one generated file, for the
// whole-process measurements (hyperfine, peak memory).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/subtitle_generator.h"

int main(int argc, char** argv) {
  using lumora::FormatKind;
  using lumora::TextEncoding;
  if (argc != 5) {
    std::cerr << "Használat: lumora-bench-generate srt|sub|ranges DARAB 1250|utf8 KIMENET\n";
    return 2;
  }
  const std::string layoutName = argv[1];
  const FormatKind layout = layoutName == "srt"   ? FormatKind::SrtBlocks
                            : layoutName == "sub" ? FormatKind::SubFrames
                                                  : FormatKind::TimeRanges;
  const TextEncoding encoding = std::string(argv[3]) == "utf8" ? TextEncoding::Utf8 : TextEncoding::Windows1250;
  const std::string bytes = lumora::bench::GenerateSubtitleFile(layout, std::strtoul(argv[2], nullptr, 10), encoding);
  std::ofstream(argv[4], std::ios::binary) << bytes;
  return 0;
}
