#include "subtitle/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
// GCC and Clang on x86-64 compile code for a newer processor into functions of their own and
// tell at run time whether this one has it. Not GCC on Windows: it does not align the stack for
// 64-byte vectors there.
#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__) && !(defined(_WIN32) && !defined(__clang__))
#define LUMORA_BYTE_VECTORS 1
#include <immintrin.h>
#else
#define LUMORA_BYTE_VECTORS 0
#endif

#include "subtitle/row_text.h"
#include "subtitle/utf8.h"

namespace lumora {

namespace {

// Code points of the bytes 0x80-0xFF. The undefined bytes keep their own value (U+0081...),
// which makes the table a bijection: any byte read is written back unchanged.
constexpr std::array<char16_t, 128> kWindows1250High = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The UTF-8 form of every byte, ASCII included, so decoding needs no branch per byte: four bytes
// copied whole (only the first `length` count), the lengths apart so that each form is one
// aligned load.
struct Utf8Forms {
  std::array<std::array<char, 4>, 256> bytes{};
  std::array<std::uint8_t, 256> length{};
};

Utf8Forms BuildForms() {
  Utf8Forms forms;
  for (std::size_t b = 0; b < 256; ++b) {
    std::string s;
    AppendUtf8(s, b < 0x80 ? static_cast<char32_t>(b) : kWindows1250High[b - 0x80]);
    forms.length[b] = static_cast<std::uint8_t>(s.size());
    std::memcpy(forms.bytes[b].data(), s.data(), s.size());
  }
  return forms;
}

const Utf8Forms& Forms() {
  static const Utf8Forms forms = BuildForms();
  return forms;
}

// The byte of each character the code page holds. Its letters and accents all lie below U+0300
// and are found directly; above that it holds only some punctuation, the euro and the trade
// mark sign, looked up in a short sorted list.
class Windows1250Bytes {
 public:
  Windows1250Bytes() {
    direct_.fill('?');
    for (std::size_t c = 0; c < 0x80; ++c) direct_[c] = static_cast<char>(c);
    std::size_t n = 0;
    for (std::size_t i = 0; i < 128; ++i) {
      const char byte = static_cast<char>(0x80 + i);
      if (kWindows1250High[i] < kDirectLimit) {
        direct_[kWindows1250High[i]] = byte;
      } else {
        punctuation_[n++] = {kWindows1250High[i], byte};
      }
    }
    std::sort(punctuation_.begin(), punctuation_.end(),
              [](const Coded& a, const Coded& b) { return a.codePoint < b.codePoint; });
  }

  /// The byte of a character; '?' when the code page has none.
  char Of(char32_t codePoint) const {
    if (codePoint < kDirectLimit) return direct_[codePoint];
    const auto found = std::lower_bound(punctuation_.begin(), punctuation_.end(), codePoint,
                                        [](const Coded& c, char32_t cp) { return c.codePoint < cp; });
    return found != punctuation_.end() && found->codePoint == codePoint ? found->byte : '?';
  }

 private:
  static constexpr char32_t kDirectLimit = 0x0300;
  static constexpr std::size_t kPunctuationCount = static_cast<std::size_t>(
      std::count_if(kWindows1250High.begin(), kWindows1250High.end(), [](char16_t c) { return c >= kDirectLimit; }));
  struct Coded {
    char32_t codePoint;
    char byte;
  };

  std::array<char, kDirectLimit> direct_;
  std::array<Coded, kPunctuationCount> punctuation_;
};

const Windows1250Bytes& ByteTable1250() {
  static const Windows1250Bytes table;
  return table;
}

constexpr char32_t kReplacement = U'\uFFFD';

// What becomes of the table's line separator "|": kept, or written as a CR LF line end.
enum class Bars { Kept, EndLines };

#if defined(__SSE2__)
// The bytes of v that stop a run of plain ASCII: those above 0x7F, and "|" when it ends lines.
template <Bars bars>
unsigned StopMask(__m128i v) {
  unsigned stops = static_cast<unsigned>(_mm_movemask_epi8(v));
  if constexpr (bars == Bars::EndLines) {
    stops |= static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(kLineSeparator))));
  }
  return stops;
}

// Copies the plain ASCII bytes at the start of the next 16 (or 8) bytes to p and advances both;
// true when all of them were.
template <Bars bars>
bool CopyAscii16(const unsigned char* d, std::size_t& i, char*& p) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
  const unsigned stops = StopMask<bars>(v);
  const std::size_t ascii = stops == 0 ? 16 : static_cast<std::size_t>(__builtin_ctz(stops));
  i += ascii;
  p += ascii;
  return stops == 0;
}

template <Bars bars>
bool CopyAscii8(const unsigned char* d, std::size_t& i, char*& p) {
  const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(d + i));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(p), v);
  const unsigned stops = StopMask<bars>(v) & 0xFF;
  const std::size_t ascii = stops == 0 ? 8 : static_cast<std::size_t>(__builtin_ctz(stops));
  i += ascii;
  p += ascii;
  return stops == 0;
}
#endif

// Copies the plain ASCII bytes that start bytes[i] to p and advances both; stops at the first
// byte above 0x7F (or "|" when it ends lines). Sixteen (or eight) bytes are stored only while as
// many input bytes remain, so they fit in the room EncodeText is given: the bytes before i took
// at most kMaxEncodedBytesPerByte each.
template <Bars bars>
void CopyAsciiRun(const unsigned char* d, std::size_t n, std::size_t& i, char*& p) {
#if defined(__SSE2__)
  while (i + 16 <= n) {
    if (!CopyAscii16<bars>(d, i, p)) return;
  }
  // Most pieces end in a few ASCII bytes (a time value is twelve): eight more at once.
  if (i + 8 <= n && !CopyAscii8<bars>(d, i, p)) return;
#endif
  while (i < n && d[i] < 0x80 && (bars == Bars::Kept || d[i] != kLineSeparator)) *p++ = static_cast<char>(d[i++]);
}

// Decodes a sequence already known to be valid and of the given length.
char32_t DecodeValid(const unsigned char* p, int length) {
  switch (length) {
    case 1: return p[0];
    case 2: return (char32_t(p[0] & 0x1F) << 6) | (p[1] & 0x3F);
    case 3: return (char32_t(p[0] & 0x0F) << 12) | (char32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
    default:
      return (char32_t(p[0] & 0x07) << 18) | (char32_t(p[1] & 0x3F) << 12) | (char32_t(p[2] & 0x3F) << 6) |
             (p[3] & 0x3F);
  }
}

// Calls f(codePoint) for each character of a UTF-8 text; malformed bytes give U+FFFD each.
template <typename F>
void ForEachCodePoint(std::string_view utf8, F&& f) {
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  std::size_t i = 0;
  while (i < utf8.size()) {
    if (p[i] < 0x80) {
      f(char32_t(p[i]));
      ++i;
      continue;
    }
    const int length = Utf8SequenceLength(utf8, i);
    if (length <= 0) {
      f(kReplacement);
      ++i;
    } else {
      f(DecodeValid(p + i, length));
      i += static_cast<std::size_t>(length);
    }
  }
}

// The frame of the UTF-8 and Windows-1250 encoders: ASCII goes out in runs, a "|" that ends a
// line as CR LF; writeChar(d, i, p) writes the other character at bytes[i] to p and steps both
// past it.
template <Bars bars, typename WriteChar>
std::size_t EncodeRuns(std::string_view utf8, char* out, WriteChar&& writeChar) {
  const auto* d = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t n = utf8.size();
  char* p = out;
  std::size_t i = 0;
  while (true) {
    CopyAsciiRun<bars>(d, n, i, p);
    if (i == n) break;
    if (bars == Bars::EndLines && d[i] == kLineSeparator) {
      *p++ = '\r';
      *p++ = '\n';
      ++i;
      continue;
    }
    writeChar(d, i, p);
  }
  return static_cast<std::size_t>(p - out);
}

// Writes the character at bytes[i] as it is, or U+FFFD for a malformed byte, and steps both past it.
void SanitizeChar(std::string_view utf8, std::size_t& i, char*& p) {
  const int length = Utf8SequenceLength(utf8, i);
  if (length > 0) {
    std::memcpy(p, utf8.data() + i, static_cast<std::size_t>(length));
    p += length;
    i += static_cast<std::size_t>(length);
  } else {
    std::memcpy(p, "\xEF\xBF\xBD", 3);
    p += 3;
    ++i;
  }
}

// Writes the character at bytes[i] in Windows-1250 and steps both past it: "?" for each byte of
// malformed input.
void EncodeCharWindows1250(const Windows1250Bytes& bytes, std::string_view utf8, std::size_t& i, char*& p) {
  const int length = Utf8SequenceLength(utf8, i);
  if (length > 0) {
    *p++ = bytes.Of(DecodeValid(reinterpret_cast<const unsigned char*>(utf8.data()) + i, length));
    i += static_cast<std::size_t>(length);
  } else {
    *p++ = '?';
    ++i;
  }
}

#if LUMORA_BYTE_VECTORS
// Where the processor has them (AVX-512 with byte compress and permute, checked once at run
// time), the Windows-1250 encoder takes 64 bytes at a time with no branch per character. In
// accented text, a two-byte letter every few bytes, the character loop spends most of its time
// waiting: each run's end is found from a load that waits on the end of the run before.
// Elsewhere the character loop runs.
#define LUMORA_BYTE_VECTORS_TARGET __attribute__((target("avx512f,avx512bw,avx512vbmi,avx512vbmi2,bmi,bmi2,popcnt")))

// LUMORA_NO_AVX512=1 in the environment keeps the character loops on any processor: the tests
// run both ways, and a user has a way round a fault in either.
bool HasByteVectors() {
  static const bool has = std::getenv("LUMORA_NO_AVX512") == nullptr &&
                          __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                          __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512vbmi2") &&
                          __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2") &&
                          __builtin_cpu_supports("popcnt");
  return has;
}

struct alignas(64) Windows1250Vectors {
  // The byte of each character U+0080-U+017F, the two-byte characters whose lead byte is C2-C5,
  // by (lead - 0xC2) * 64 + (continuation & 0x3F): every letter the code page holds.
  unsigned char letters[256];
  // The byte of each character U+2000-U+203F (E2 80 xx), by xx & 0x3F: the dashes, quotation
  // marks and the ellipsis.
  unsigned char punctuation[64];
};

const Windows1250Vectors& VectorTables1250() {
  static const Windows1250Vectors tables = [] {
    Windows1250Vectors t{};
    for (std::size_t c = 0; c < 256; ++c) t.letters[c] = static_cast<unsigned char>(ByteTable1250().Of(0x80 + c));
    for (std::size_t c = 0; c < 64; ++c) t.punctuation[c] = static_cast<unsigned char>(ByteTable1250().Of(0x2000 + c));
    return t;
  }();
  return tables;
}

// The bits of the first `count` lanes of 64.
LUMORA_BYTE_VECTORS_TARGET inline std::uint64_t FirstLanes(std::size_t count) {
  return _bzhi_u64(~std::uint64_t{0}, static_cast<unsigned>(std::min<std::size_t>(count, 64)));
}

// Writes the lanes of `bytes` in `lanes`, in order, to p; returns the end. Stores nothing past it.
LUMORA_BYTE_VECTORS_TARGET inline char* WriteLanes(__m512i bytes, std::uint64_t lanes, char* p) {
  const unsigned count = static_cast<unsigned>(_mm_popcnt_u64(lanes));
  _mm512_mask_storeu_epi8(p, _bzhi_u64(~std::uint64_t{0}, count), _mm512_maskz_compress_epi8(lanes, bytes));
  return p + count;
}

// Up to `lanes` bytes of a text from `at`, of which `left` bytes remain: the masked load reads
// nothing past the text's end.
struct TextBlock {
  std::size_t left;    // bytes of the text from the block's start on
  unsigned size;       // bytes in the block
  std::uint64_t own;   // the lanes that hold them
  __m512i bytes;
  std::uint64_t high;  // the lanes above 0x7F
};

LUMORA_BYTE_VECTORS_TARGET inline TextBlock LoadBlock(const unsigned char* at, std::size_t left, std::size_t lanes) {
  const std::uint64_t own = FirstLanes(std::min(left, lanes));
  const __m512i bytes = _mm512_maskz_loadu_epi8(own, at);
  return {left, static_cast<unsigned>(std::min(left, lanes)), own, bytes,
          static_cast<std::uint64_t>(_mm512_movepi8_mask(bytes))};
}

// The block's text moved on by `by` bytes (the bytes after each lane's), read as carefully.
LUMORA_BYTE_VECTORS_TARGET inline __m512i LoadAfter(const unsigned char* at, std::size_t left, unsigned by) {
  return _mm512_maskz_loadu_epi8(left < by ? 0 : FirstLanes(left - by), at + by);
}

template <Bars bars>
LUMORA_BYTE_VECTORS_TARGET std::size_t EncodeWindows1250Blocks(std::string_view utf8, char* out) {
  const Windows1250Vectors& tables = VectorTables1250();
  const __m512i letters0 = _mm512_load_si512(tables.letters);
  const __m512i letters1 = _mm512_load_si512(tables.letters + 64);
  const __m512i letters2 = _mm512_load_si512(tables.letters + 128);
  const __m512i letters3 = _mm512_load_si512(tables.letters + 192);
  const __m512i punctuation = _mm512_load_si512(tables.punctuation);
  const __m512i continuationEnd = _mm512_set1_epi8(static_cast<char>(0xC0));  // signed: 80-BF are below
  const auto* d = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t n = utf8.size();
  char* p = out;
  std::size_t i = 0;
  // The bits of lanes 0 and 1 when they continue a character that began in the block before.
  std::uint64_t carried = 0;
  while (i < n) {
    const auto [left, size, own, v, high] = LoadBlock(d + i, n - i, 64);
    if (high == 0 && (bars == Bars::Kept || _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(kLineSeparator)) == 0)) {
      // Plain ASCII, as English text mostly is: written as it is.
      _mm512_mask_storeu_epi8(p, own, v);
      p += size;
      i += size;
      carried = 0;
      continue;
    }
    const __m512i next = LoadAfter(d + i, left, 1);
    const __m512i afterNext = LoadAfter(d + i, left, 2);
    const std::uint64_t continuation = _mm512_cmplt_epi8_mask(v, continuationEnd);
    // Two-byte characters: lead C2-DF, then a continuation byte. The code page holds none with
    // lead C6-DF but five with CB: those go the long way.
    const __m512i fromC2 = _mm512_sub_epi8(v, _mm512_set1_epi8(static_cast<char>(0xC2)));
    const std::uint64_t letter = _mm512_cmplt_epu8_mask(fromC2, _mm512_set1_epi8(0x1E)) &
                                 ~_mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(static_cast<char>(0xCB))) &
                                 _mm512_cmplt_epi8_mask(next, continuationEnd) & own;
    // E2 80 xx: U+2000-U+203F.
    const std::uint64_t mark = _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(static_cast<char>(0xE2))) &
                               _mm512_cmpeq_epi8_mask(next, _mm512_set1_epi8(static_cast<char>(0x80))) &
                               _mm512_cmplt_epi8_mask(afterNext, continuationEnd) & own;
    // The block takes ASCII and those characters up to its first other byte.
    const std::uint64_t taken = letter | letter << 1 | mark | mark << 1 | mark << 2 | carried;
    const std::uint64_t stops = high & ~taken;
    const unsigned end = static_cast<unsigned>(_tzcnt_u64(stops));  // 64 when none
    // A letter's byte: from the table when its lead is C2-C5, else "?".
    const __m512i index = _mm512_or_si512(_mm512_slli_epi16(_mm512_and_si512(fromC2, _mm512_set1_epi8(3)), 6),
                                          _mm512_and_si512(next, _mm512_set1_epi8(0x3F)));
    __m512i found = _mm512_mask_blend_epi8(_mm512_movepi8_mask(index), _mm512_permutex2var_epi8(letters0, index, letters1),
                                           _mm512_permutex2var_epi8(letters2, index, letters3));
    found = _mm512_mask_blend_epi8(_mm512_cmplt_epu8_mask(fromC2, _mm512_set1_epi8(4)), _mm512_set1_epi8('?'), found);
    __m512i bytes = _mm512_mask_blend_epi8(letter, v, found);
    bytes = _mm512_mask_permutexvar_epi8(bytes, mark, afterNext, punctuation);
    // Continuation bytes write nothing.
    std::uint64_t keep = ~continuation & own & FirstLanes(end);
    if constexpr (bars == Bars::EndLines) {
      // A "|" is written as CR, and the lanes up to it go out before the LF.
      std::uint64_t lineEnds = _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(kLineSeparator)) & keep;
      if (lineEnds != 0) {
        bytes = _mm512_mask_mov_epi8(bytes, lineEnds, _mm512_set1_epi8('\r'));
        do {
          const std::uint64_t through = _blsmsk_u64(lineEnds);
          p = WriteLanes(bytes, keep & through, p);
          *p++ = '\n';
          keep &= ~through;
          lineEnds &= ~through;
        } while (lineEnds != 0);
      }
    }
    p = WriteLanes(bytes, keep, p);
    if (end >= size) {
      // Always the whole block on, so the next load waits on nothing: a character across its
      // end is written with it, and its continuation bytes left out of the next.
      i += size;
      carried = letter >> 63 | (mark >> 62 & 1) | (mark >> 63) * 3;
      continue;
    }
    i += end;
    carried = 0;
    EncodeCharWindows1250(ByteTable1250(), utf8, i, p);
  }
  return static_cast<std::size_t>(p - out);
}

// Writes lanes from..to of `bytes` to p, as they are; returns the end.
LUMORA_BYTE_VECTORS_TARGET inline char* WriteSpan(__m512i bytes, unsigned from, unsigned to, char* p) {
  // Lane k goes to p - from + k: the lanes before `from` are not stored.
  _mm512_mask_storeu_epi8(p - from, FirstLanes(to) & ~FirstLanes(from), bytes);
  return p + (to - from);
}

// The same blocks for UTF-8 text written as UTF-8: valid characters of up to three bytes are
// written as they are, without a branch each; four-byte and malformed ones the long way.
template <Bars bars>
LUMORA_BYTE_VECTORS_TARGET std::size_t SanitizeUtf8Blocks(std::string_view utf8, char* out) {
  const __m512i continuationEnd = _mm512_set1_epi8(static_cast<char>(0xC0));  // signed: 80-BF are below
  const auto* d = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t n = utf8.size();
  char* p = out;
  std::size_t i = 0;
  std::uint64_t carried = 0;
  while (i < n) {
    const auto [left, size, own, v, high] = LoadBlock(d + i, n - i, 64);
    const std::uint64_t lineEnds =
        bars == Bars::EndLines ? _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(kLineSeparator)) : 0;
    if ((high | lineEnds) == 0) {
      _mm512_mask_storeu_epi8(p, own, v);
      p += size;
      i += size;
      carried = 0;
      continue;
    }
    const __m512i next = LoadAfter(d + i, left, 1);
    const __m512i afterNext = LoadAfter(d + i, left, 2);
    const std::uint64_t nextContinues = _mm512_cmplt_epi8_mask(next, continuationEnd);
    const std::uint64_t two = _mm512_cmplt_epu8_mask(_mm512_sub_epi8(v, _mm512_set1_epi8(static_cast<char>(0xC2))),
                                                     _mm512_set1_epi8(0x1E)) &
                              nextContinues & own;
    // Three bytes, lead E0-EF: after E0 the second is A0-BF (shorter forms are overlong), after
    // ED 80-9F (higher ones are surrogates).
    const std::uint64_t overlong = _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(static_cast<char>(0xE0))) &
                                   _mm512_cmplt_epu8_mask(next, _mm512_set1_epi8(static_cast<char>(0xA0)));
    const std::uint64_t surrogate = _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(static_cast<char>(0xED))) &
                                    _mm512_cmpgt_epu8_mask(next, _mm512_set1_epi8(static_cast<char>(0x9F)));
    const std::uint64_t three = _mm512_cmplt_epu8_mask(_mm512_sub_epi8(v, _mm512_set1_epi8(static_cast<char>(0xE0))),
                                                       _mm512_set1_epi8(0x10)) &
                                nextContinues & _mm512_cmplt_epi8_mask(afterNext, continuationEnd) &
                                ~(overlong | surrogate) & own;
    const std::uint64_t taken = two | two << 1 | three | three << 1 | three << 2 | carried;
    const unsigned end = static_cast<unsigned>(_tzcnt_u64(high & ~taken));  // 64 when none
    const unsigned upTo = std::min(end, size);
    unsigned from = 0;
    if constexpr (bars == Bars::EndLines) {
      // Each "|" within becomes CR LF.
      for (std::uint64_t ends = lineEnds & FirstLanes(upTo); ends != 0; ends &= ends - 1) {
        const unsigned at = static_cast<unsigned>(_tzcnt_u64(ends));
        p = WriteSpan(v, from, at, p);
        std::memcpy(p, "\r\n", 2);
        p += 2;
        from = at + 1;
      }
    }
    p = WriteSpan(v, from, upTo, p);
    if (end >= size) {
      i += size;
      carried = two >> 63 | (three >> 62 & 1) | (three >> 63) * 3;
      continue;
    }
    i += end;
    carried = 0;
    SanitizeChar(utf8, i, p);
  }
  return static_cast<std::size_t>(p - out);
}
#endif

// UTF-8 text with each malformed byte written as U+FFFD.
template <Bars bars>
std::size_t SanitizeUtf8(std::string_view utf8, char* out) {
#if LUMORA_BYTE_VECTORS
  if (HasByteVectors()) return SanitizeUtf8Blocks<bars>(utf8, out);
#endif
  return EncodeRuns<bars>(utf8, out, [&](const unsigned char*, std::size_t& i, char*& p) { SanitizeChar(utf8, i, p); });
}

template <Bars bars>
std::size_t EncodeWindows1250(std::string_view utf8, char* out) {
#if LUMORA_BYTE_VECTORS
  if (HasByteVectors()) return EncodeWindows1250Blocks<bars>(utf8, out);
#endif
  const Windows1250Bytes& bytes = ByteTable1250();
  const std::size_t n = utf8.size();
  return EncodeRuns<bars>(utf8, out, [&](const unsigned char* d, std::size_t& i, char*& p) {
    // Accented letters take two bytes: take them without the general check.
    if (d[i] >= 0xC2 && d[i] <= 0xDF && i + 1 < n && (d[i + 1] & 0xC0) == 0x80) {
      *p++ = bytes.Of((char32_t(d[i] & 0x1F) << 6) | (d[i + 1] & 0x3F));
      i += 2;
      return;
    }
    EncodeCharWindows1250(bytes, utf8, i, p);
  });
}

template <Bars bars>
std::size_t EncodeUtf16(std::string_view utf8, bool bigEndian, char* out) {
  char* p = out;
  const auto unit = [&](char32_t u) {
    const char hi = static_cast<char>((u >> 8) & 0xFF);
    const char lo = static_cast<char>(u & 0xFF);
    *p++ = bigEndian ? hi : lo;
    *p++ = bigEndian ? lo : hi;
  };
  ForEachCodePoint(utf8, [&](char32_t cp) {
    if (bars == Bars::EndLines && cp == kLineSeparator) {
      unit('\r');
      unit('\n');
    } else if (cp >= 0x10000) {
      cp -= 0x10000;
      unit(0xD800 + (cp >> 10));
      unit(0xDC00 + (cp & 0x3FF));
    } else {
      unit(cp);
    }
  });
  return static_cast<std::size_t>(p - out);
}

template <Bars bars>
std::size_t Encode(std::string_view utf8, TextEncoding encoding, char* out) {
  switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom: return SanitizeUtf8<bars>(utf8, out);
    case TextEncoding::Windows1250: return EncodeWindows1250<bars>(utf8, out);
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: return EncodeUtf16<bars>(utf8, encoding == TextEncoding::Utf16BE, out);
  }
  return 0;
}

}  // namespace

std::string_view EncodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Windows1250: return "Windows-1250";
    case TextEncoding::Utf8: return "UTF-8";
    case TextEncoding::Utf8Bom: return "UTF-8 BOM";
    case TextEncoding::Utf16LE: return "UTF-16LE";
    case TextEncoding::Utf16BE: return "UTF-16BE";
  }
  return "";
}

std::string_view ByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8Bom: return "\xEF\xBB\xBF";
    case TextEncoding::Utf16LE: return "\xFF\xFE";
    case TextEncoding::Utf16BE: return "\xFE\xFF";
    default: return "";
  }
}

MarkedEncoding EncodingFromMark(std::string_view lead) {
  if (lead.substr(0, 3) == "\xEF\xBB\xBF") return {TextEncoding::Utf8Bom, 3};
  if (lead.substr(0, 2) == "\xFF\xFE") return {TextEncoding::Utf16LE, 2};
  if (lead.substr(0, 2) == "\xFE\xFF") return {TextEncoding::Utf16BE, 2};
  return {};
}

int Utf8SequenceLength(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[pos + k]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  int length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return -1;
  }
  const std::size_t available = text.size() - pos;
  for (int k = 1; k < length; ++k) {
    if (static_cast<std::size_t>(k) >= available) return 0;
    const unsigned char c = byte(static_cast<std::size_t>(k));
    const unsigned char lo = k == 1 ? low : 0x80;
    const unsigned char hi = k == 1 ? high : 0xBF;
    if (c < lo || c > hi) return -1;
  }
  return length;
}

bool IsAscii(std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t n = bytes.size();
  // Eight bytes at a time: subtitle text is mostly ASCII, and this is on every line's path.
  const auto highIn = [](const char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    return (word & 0x8080808080808080ULL) != 0;
  };
  if (n >= 8) {
    for (; n > 8; p += 8, n -= 8) {
      if (highIn(p)) return false;
    }
    return !highIn(p + n - 8);  // the last eight bytes, some of them seen already
  }
  while (n > 0) {
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
    ++p;
    --n;
  }
  return true;
}

TextEncoding DetectEncoding(std::string_view bytes) {
  const MarkedEncoding marked = EncodingFromMark(bytes);
  if (marked.markLength > 0) return marked.encoding;
  bool multiByte = false;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const int length = Utf8SequenceLength(bytes, i);
    if (length <= 0) return TextEncoding::Windows1250;
    multiByte = true;
    i += static_cast<std::size_t>(length);
  }
  return multiByte ? TextEncoding::Utf8 : TextEncoding::Windows1250;
}

namespace {

// One table copy per byte, no branch (a vector copy of ASCII runs loses to it when every few
// letters carry an accent).
char* DecodeWindows1250Bytes(const Utf8Forms& forms, const unsigned char* d, std::size_t n, char* p) {
  for (std::size_t i = 0; i < n; ++i) {
    std::memcpy(p, forms.bytes[d[i]].data(), 4);
    p += forms.length[d[i]];
  }
  return p;
}

#if LUMORA_BYTE_VECTORS
struct alignas(64) Utf8FormVectors {
  // The two bytes of the UTF-8 form of each byte 0x80-0xFF, by byte & 0x7F. The lead byte of
  // the three-byte forms (the punctuation) is E2.
  unsigned char leads[128];
  unsigned char continuations[128];
  // Lane 2k takes byte k of the first operand, lane 2k + 1 byte k of the second.
  unsigned char pairing[64];
};

const Utf8FormVectors& DecodeTables1250() {
  static const Utf8FormVectors tables = [] {
    Utf8FormVectors t{};
    for (std::size_t b = 0; b < 128; ++b) {
      t.leads[b] = static_cast<unsigned char>(Forms().bytes[0x80 + b][0]);
      t.continuations[b] = static_cast<unsigned char>(Forms().bytes[0x80 + b][1]);
    }
    for (unsigned k = 0; k < 32; ++k) {
      t.pairing[2 * k] = static_cast<unsigned char>(k);
      t.pairing[2 * k + 1] = static_cast<unsigned char>(64 + k);
    }
    return t;
  }();
  return tables;
}

// 32 bytes at a time: each becomes a byte pair (the ASCII byte and a spare, or a letter's lead
// and continuation byte), the pairs are laid side by side and the spares compressed away. A
// block holding a three-byte form (the punctuation) goes the byte-by-byte way.
LUMORA_BYTE_VECTORS_TARGET std::size_t DecodeWindows1250Blocks(std::string_view bytes, char* out) {
  const Utf8FormVectors& tables = DecodeTables1250();
  const __m512i leads0 = _mm512_load_si512(tables.leads);
  const __m512i leads1 = _mm512_load_si512(tables.leads + 64);
  const __m512i continuations0 = _mm512_load_si512(tables.continuations);
  const __m512i continuations1 = _mm512_load_si512(tables.continuations + 64);
  const __m512i pairs = _mm512_load_si512(tables.pairing);
  const auto* d = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  char* p = out;
  std::size_t i = 0;
  for (; i < n; i += 32) {
    const auto [left, count, own, v, high] = LoadBlock(d + i, n - i, 32);
    const __m512i leads = _mm512_permutex2var_epi8(leads0, v, leads1);  // by the low seven bits
    if (high == 0) {
      _mm512_mask_storeu_epi8(p, own, v);
      p += count;
    } else if ((_mm512_cmpge_epu8_mask(leads, _mm512_set1_epi8(static_cast<char>(0xE0))) & high) != 0) {
      p = DecodeWindows1250Bytes(Forms(), d + i, count, p);
    } else {
      const __m512i firsts = _mm512_mask_blend_epi8(high, v, leads);
      const __m512i seconds = _mm512_permutex2var_epi8(continuations0, v, continuations1);
      const __m512i paired = _mm512_permutex2var_epi8(firsts, pairs, seconds);
      p = WriteLanes(paired, _pdep_u64(own, 0x5555555555555555ull) | _pdep_u64(high, 0xAAAAAAAAAAAAAAAAull), p);
    }
  }
  return static_cast<std::size_t>(p - out);
}
#endif

}  // namespace

std::size_t Windows1250ToUtf8(std::string_view bytes, char* out) {
  // Every line of an accented subtitle comes through here.
#if LUMORA_BYTE_VECTORS
  if (HasByteVectors()) return DecodeWindows1250Blocks(bytes, out);
#endif
  const char* end = DecodeWindows1250Bytes(Forms(), reinterpret_cast<const unsigned char*>(bytes.data()),
                                           bytes.size(), out);
  return static_cast<std::size_t>(end - out);
}

void AppendWindows1250AsUtf8(std::string& out, std::string_view bytes) {
  const std::size_t start = out.size();
  out.resize(start + bytes.size() * 3 + 16);
  out.resize(start + Windows1250ToUtf8(bytes, out.data() + start));
}

void AppendSanitizedUtf8(std::string& out, std::string_view bytes) {
  const std::size_t start = out.size();
  out.resize(start + kMaxEncodedBytesPerByte * bytes.size());
  out.resize(start + SanitizeUtf8<Bars::Kept>(bytes, out.data() + start));
}

void AppendUtf16AsUtf8(std::string& out, std::string_view bytes, bool bigEndian) {
  const auto unitAt = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (char32_t(a) << 8 | b) : (char32_t(b) << 8 | a);
  };
  std::size_t i = 0;
  while (i + 1 < bytes.size()) {
    const char32_t unit = unitAt(i);
    i += 2;
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < bytes.size()) {
      const char32_t next = unitAt(i);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
  }
  if (i < bytes.size()) AppendUtf8(out, kReplacement);
}

std::size_t EncodeText(std::string_view utf8, TextEncoding encoding, char* out) {
  return Encode<Bars::Kept>(utf8, encoding, out);
}

std::size_t EncodeTextLines(std::string_view utf8, TextEncoding encoding, char* out) {
  return Encode<Bars::EndLines>(utf8, encoding, out);
}

void AppendEncoded(std::string& out, std::string_view utf8, TextEncoding encoding) {
  const std::size_t start = out.size();
  out.resize(start + kMaxEncodedBytesPerByte * utf8.size());
  out.resize(start + EncodeText(utf8, encoding, out.data() + start));
}

}  // namespace lumora
