// Reading and writing 100,000-entry subtitle files, each against a plain read of the same file
// into memory in the same run, and a 1,000,000-entry read to show the passes stay linear.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <benchmark/benchmark.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "bench/subtitle_generator.h"
#include "subtitle/subtitle_reader.h"
#include "subtitle/subtitle_writer.h"

namespace lumora::bench {
namespace {

// Files go to memory-backed storage when there is some, so a write measures the writer and
// not the disk's flush.
std::filesystem::path WorkDir() {
  static const std::filesystem::path dir = [] {
    const char* chosen = std::getenv("LUMORA_BENCH_DIR");
    std::filesystem::path base = chosen ? chosen : (std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp");
    std::filesystem::path d = base / ("lumora-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(d);
    return d;
  }();
  return dir;
}

struct FileShape {
  FormatKind layout;
  std::size_t entries;
  TextEncoding encoding;
};

enum FileId { kSrt1250, kSrtUtf8, kSub1250, kRanges1250, kSrt1250Million, kSub1250Million };
const std::map<int, FileShape> kFiles = {
    {kSrt1250, {FormatKind::SrtBlocks, 100'000, TextEncoding::Windows1250}},
    {kSrtUtf8, {FormatKind::SrtBlocks, 100'000, TextEncoding::Utf8}},
    {kSub1250, {FormatKind::SubFrames, 100'000, TextEncoding::Windows1250}},
    {kRanges1250, {FormatKind::TimeRanges, 100'000, TextEncoding::Windows1250}},
    {kSrt1250Million, {FormatKind::SrtBlocks, 1'000'000, TextEncoding::Windows1250}},
    {kSub1250Million, {FormatKind::SubFrames, 1'000'000, TextEncoding::Windows1250}},
};

const std::string& FileFor(int id) {
  static std::map<int, std::string> paths;
  auto found = paths.find(id);
  if (found != paths.end()) return found->second;
  const FileShape& shape = kFiles.at(id);
  const std::string path = (WorkDir() / ("in-" + std::to_string(id))).string();
  std::ofstream(path, std::ios::binary) << GenerateSubtitleFile(shape.layout, shape.entries, shape.encoding);
  return paths[id] = path;
}

std::string PlainRead(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  struct stat st {};
  ::fstat(fd, &st);
  std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return bytes;
}

void SetBytes(benchmark::State& state, const std::string& path) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

void BM_PlainRead(benchmark::State& state) {
  const std::string& path = FileFor(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(PlainRead(path));
  SetBytes(state, path);
}

void BM_ReadIntoTable(benchmark::State& state) {
  const std::string& path = FileFor(static_cast<int>(state.range(0)));
  std::size_t rows = 0;
  for (auto _ : state) {
    auto table = std::make_unique<SubtitleTable>();
    const ReadOutcome outcome = ReadSubtitleFile(path, *table);
    if (outcome.status != ReadStatus::Complete) state.SkipWithError("the read stopped");
    rows = table->RecordCount();
    state.PauseTiming();  // freeing the table is not part of reading it
    table.reset();
    state.ResumeTiming();
  }
  state.counters["rows"] = static_cast<double>(rows);
  SetBytes(state, path);
}

void BM_Write(benchmark::State& state) {
  const int id = static_cast<int>(state.range(0));
  const std::string& path = FileFor(id);
  SubtitleTable table;
  const ReadOutcome read = ReadSubtitleFile(path, table);
  const std::string out = (WorkDir() / "out").string();
  const bool frames = read.loadedKind == "Frame";
  for (auto _ : state) {
    const WriteOutcome written =
        frames ? WriteSubFile(out, table, read.encoding) : WriteSrtFile(out, table, read.encoding);
    if (!written.ok) state.SkipWithError("the write failed");
  }
  SetBytes(state, path);
}

#define FILE_ARGS ->Arg(kSrt1250)->Arg(kSrtUtf8)->Arg(kSub1250)->Arg(kRanges1250)
BENCHMARK(BM_PlainRead) FILE_ARGS->Arg(kSrt1250Million)->Arg(kSub1250Million)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadIntoTable) FILE_ARGS->Arg(kSrt1250Million)->Arg(kSub1250Million)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write)->Arg(kSrt1250)->Arg(kSrtUtf8)->Arg(kSub1250)->Arg(kSrt1250Million)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench

int main(int argc, char** argv) {
#if defined(__GLIBC__)
  // Keep freed memory in the process, so every size runs on memory it has touched before, as
  // the 100,000-entry runs do anyway: otherwise the large runs also time the kernel clearing
  // fresh pages, which says nothing about the passes. LUMORA_BENCH_COLD_MEMORY=1 keeps glibc's
  // defaults.
  if (std::getenv("LUMORA_BENCH_COLD_MEMORY") == nullptr) {
    ::mallopt(M_MMAP_THRESHOLD, 1 << 30);
    ::mallopt(M_TRIM_THRESHOLD, 1 << 30);
  }
#endif
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(lumora::bench::WorkDir());
  return 0;
}
