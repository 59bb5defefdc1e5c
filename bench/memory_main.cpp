// lumora-bench-memory FILE: reads FILE into a table as the editor does and reports the peak
// memory of the whole process against the file's size.
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdio>

#include "subtitle/subtitle_reader.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Használat: lumora-bench-memory FILE\n");
    return 2;
  }
  struct stat st {};
  if (::stat(argv[1], &st) != 0) return 1;
  lumora::SubtitleTable table;
  const lumora::ReadOutcome outcome = lumora::ReadSubtitleFile(argv[1], table);
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  const double fileMiB = static_cast<double>(st.st_size) / (1 << 20);
  const double peakMiB = static_cast<double>(usage.ru_maxrss) / 1024;
  std::printf("rows %zu  status %d  file %.1f MiB  peak RSS %.1f MiB  ratio %.2f\n", table.RecordCount(),
              static_cast<int>(outcome.status), fileMiB, peakMiB, peakMiB / fileMiB);
  return outcome.status == lumora::ReadStatus::Complete ? 0 : 1;
}
