#pragma once
// Deterministic subtitle files of any size for the benchmarks: the same N always gives the same
// bytes. Texts mix plain and accented words, one to three lines per entry, CR LF line ends.
#include <cstddef>
#include <string>

#include "subtitle/format_detect.h"
#include "subtitle/text_encoding.h"

namespace lumora::bench {

/// A file of `entries` subtitles in the layout (SubFrames, SrtBlocks or TimeRanges), encoded as
/// Windows-1250 or UTF-8.
std::string GenerateSubtitleFile(FormatKind layout, std::size_t entries, TextEncoding encoding);

}  // namespace lumora::bench
