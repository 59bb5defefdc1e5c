// libFuzzer target for the subtitle reader and writers (built by scripts/fuzz with clang).
#include "tests/fuzz/reader_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lumora::fuzz::ReadOneInput(data, size);
  return 0;
}
