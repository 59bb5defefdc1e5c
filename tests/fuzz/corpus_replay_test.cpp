// Every input the fuzzer kept, and every fixture, replayed through the reader and the writers:
// under the sanitizer build of scripts/test this repeats the fuzz run's checks on each change.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/fuzz/reader_fuzz_body.h"

namespace {

TEST(FuzzCorpus, every_kept_input_reads_and_writes_without_a_fault) {
  std::size_t inputs = 0;
  for (const char* folder : {LUMORA_FUZZ_CORPUS, LUMORA_TEST_DATA}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      lumora::fuzz::ReadOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++inputs;
    }
  }
  EXPECT_GT(inputs, 10u);
}

}  // namespace
