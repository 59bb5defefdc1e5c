#include "subtitle/text_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace lumora {

namespace {

constexpr std::size_t kChunk = 1 << 18;

#if defined(__SSE2__)
std::int64_t SumBytes(__m128i counters) {
  const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
  return _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums));
}
#endif

struct LineCounts {
  std::int64_t lf = 0;
  std::int64_t cr = 0;
  std::int64_t blankLf = 0;  // an LF followed by a line end: an empty line in LF files
  std::int64_t blankCr = 0;  // a CR followed by a CR: an empty line in CR files
  std::int64_t crLf = 0;     // a CR followed by an LF
  unsigned char last = '\n';
  std::int64_t bytes = 0;

  void Count(const char* text, std::size_t n) {
    const auto* d = reinterpret_cast<const unsigned char*>(text);
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: the first pass must cost little next to reading the file. Each
    // byte pair (previous, current) is compared, the previous bytes loaded one byte earlier.
    if (n > 0) CountOne(d[i++]);
    const __m128i kLf = _mm_set1_epi8('\n');
    const __m128i kCr = _mm_set1_epi8('\r');
    while (i + 16 <= n) {
      __m128i lfs = _mm_setzero_si128(), crs = lfs, blankLfs = lfs, blankCrs = lfs, crLfs = lfs;
      // Byte counters overflow after 255 rounds: sum them up before.
      for (int round = 0; round < 255 && i + 16 <= n; ++round, i += 16) {
        const __m128i cur = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i prev = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i - 1));
        const __m128i curLf = _mm_cmpeq_epi8(cur, kLf);
        const __m128i curCr = _mm_cmpeq_epi8(cur, kCr);
        lfs = _mm_sub_epi8(lfs, curLf);
        crs = _mm_sub_epi8(crs, curCr);
        blankLfs = _mm_sub_epi8(blankLfs, _mm_and_si128(_mm_cmpeq_epi8(prev, kLf), _mm_or_si128(curLf, curCr)));
        const __m128i prevCr = _mm_cmpeq_epi8(prev, kCr);
        blankCrs = _mm_sub_epi8(blankCrs, _mm_and_si128(prevCr, curCr));
        crLfs = _mm_sub_epi8(crLfs, _mm_and_si128(prevCr, curLf));
      }
      lf += SumBytes(lfs);
      cr += SumBytes(crs);
      blankLf += SumBytes(blankLfs);
      blankCr += SumBytes(blankCrs);
      crLf += SumBytes(crLfs);
    }
    if (i > 0) last = d[i - 1];
#endif
    for (; i < n; ++i) CountOne(d[i]);
    bytes += static_cast<std::int64_t>(n);
  }

  void CountOne(unsigned char c) {
    lf += c == '\n';
    cr += c == '\r';
    blankLf += (last == '\n') & ((c == '\n') | (c == '\r'));
    blankCr += (last == '\r') & (c == '\r');
    crLf += (last == '\r') & (c == '\n');
    last = c;
  }

  void FillScan(TextScan& scan) const {
    // CRs that no LF follows outnumber the LFs: an old Mac file, maybe with a stray LF or CR LF.
    const std::int64_t loneCr = cr - crLf;
    scan.crEnds = loneCr > lf;
    const std::int64_t ends = scan.crEnds ? cr + lf - crLf : lf;
    const bool lastEnds = scan.crEnds ? (last == '\r' || last == '\n') : last == '\n';
    scan.lineCount = ends + (bytes > 0 && !lastEnds ? 1 : 0);
    scan.blankLines = scan.crEnds ? blankCr : blankLf;
    scan.byteCount = bytes;
  }
};

// Index of the first byte not yet known to be valid UTF-8: the end when all is valid, the start
// of an unfinished sequence at the end, or npos for a malformed sequence. Sets multiByte.
std::size_t ValidateUtf8(std::string_view text, bool& multiByte) {
  const auto* d = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  const auto cont = [&](std::size_t k) { return (d[k] & 0xC0) == 0x80; };
  std::size_t i = 0;
  while (i < n) {
#if defined(__SSE2__)
    // ASCII is stepped over sixteen bytes at a time, straight to the next byte above 0x7F.
    if (i + 16 <= n) {
      const auto high = static_cast<unsigned>(_mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i))));
      if (high == 0) {
        i += 16;
        continue;
      }
      i += static_cast<std::size_t>(__builtin_ctz(high));
    }
#endif
    const unsigned char lead = d[i];
    if (lead < 0x80) {
      ++i;
      continue;
    }
    // The two-byte form (accented Latin letters) is the common one: test it inline.
    if (lead >= 0xC2 && lead <= 0xDF && i + 1 < n) {
      if (!cont(i + 1)) return std::string_view::npos;
      multiByte = true;
      i += 2;
      continue;
    }
    const int length = Utf8SequenceLength(text, i);
    if (length < 0) return std::string_view::npos;
    if (length == 0) return i;
    multiByte = true;
    i += static_cast<std::size_t>(length);
  }
  return i;
}

constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

// The first byte equal to a or b in [p, end), or nullptr; sets high when a byte before it is
// above 0x7F, so the same scan that finds a line's end tells whether it needs decoding.
const char* FindEither(const char* p, const char* end, char a, char b, bool& high) {
#if defined(__SSE2__)
  const __m128i va = _mm_set1_epi8(a);
  const __m128i vb = _mm_set1_epi8(b);
  const auto marks = [&](const char* at, unsigned& highs) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    highs = static_cast<unsigned>(_mm_movemask_epi8(v));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, va), _mm_cmpeq_epi8(v, vb))));
  };
  // 32 bytes per test: most lines end within them, so the branch is rarely mispredicted.
  for (; p + 32 <= end; p += 32) {
    unsigned highs0, highs1;
    const std::uint32_t hits = marks(p, highs0) | (marks(p + 16, highs1) << 16);
    const std::uint32_t highs = highs0 | (highs1 << 16);
    if (hits != 0) {
      const int at = __builtin_ctz(hits);
      high = high || (highs & ((std::uint32_t{1} << at) - 1)) != 0;
      return p + at;
    }
    high = high || highs != 0;
  }
  for (; p + 16 <= end; p += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const unsigned hits =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, va), _mm_cmpeq_epi8(v, vb))));
    const unsigned highs = static_cast<unsigned>(_mm_movemask_epi8(v));
    if (hits != 0) {
      const int at = __builtin_ctz(hits);
      high = high || (highs & ((1u << at) - 1)) != 0;
      return p + at;
    }
    high = high || highs != 0;
  }
#endif
  for (; p < end; ++p) {
    if (*p == a || *p == b) return p;
    high = high || static_cast<unsigned char>(*p) >= 0x80;
  }
  return nullptr;
}

const char* FindCrOrLf(const char* p, const char* end, bool& high) { return FindEither(p, end, '\r', '\n', high); }

bool IsValidUtf8(std::string_view text) {
  bool multiByte = false;
  return ValidateUtf8(text, multiByte) == text.size();
}

}  // namespace

TextLineReader::TextLineReader(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);  // a pipe must not block the open
  if (fd_ < 0) {
    error_ = errno;
    return;
  }
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    error_ = errno;
  } else if (S_ISDIR(st.st_mode)) {
    error_ = EISDIR;
  } else if (!S_ISREG(st.st_mode)) {
    // A device or a pipe may never end (/dev/zero) or wait for a writer: not a subtitle.
    error_ = kNotRegularFile;
  }
}

TextLineReader::TextLineReader(std::string_view bytes) : inMemory_(true), text_(bytes) {}

TextLineReader::TextLineReader(SharedFile file) : fd_(file.fd) {
  if (fd_ < 0) error_ = errno;
}

TextLineReader::~TextLineReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool TextLineReader::Rewind(std::int64_t offset) {
  begin_ = end_ = 0;
  atEnd_ = false;
  if (inMemory_) {
    data_ = text_.data();
    begin_ = static_cast<std::size_t>(offset);
    end_ = text_.size();
    atEnd_ = true;
    return true;
  }
  consumed_ = offset;  // reads say where they start: two readers may share the file
  if (!buffer_) {
    buffer_ = std::make_unique_for_overwrite<char[]>(kChunk);
    capacity_ = kChunk;
  }
  data_ = buffer_.get();
  return true;
}

bool TextLineReader::Fill() {
  if (atEnd_) return false;
  const std::size_t unread = end_ - begin_;
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, unread);
    begin_ = 0;
    end_ = unread;
  }
  if (end_ == capacity_) {
    // One line longer than the buffer: make room for it whole.
    auto bigger = std::make_unique_for_overwrite<char[]>(capacity_ * 2);
    std::memcpy(bigger.get(), buffer_.get(), end_);
    buffer_ = std::move(bigger);
    capacity_ *= 2;
  }
  data_ = buffer_.get();
  std::size_t wanted = capacity_ - end_;
  if (limit_ >= 0) wanted = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(wanted), limit_ - consumed_));
  if (wanted == 0) {
    atEnd_ = true;
    return false;
  }
  ssize_t n;
  do {
    n = ::pread(fd_, buffer_.get() + end_, wanted, consumed_);
  } while (n < 0 && errno == EINTR);
  if (n < 0) {
    error_ = errno;
    atEnd_ = true;
    return false;
  }
  if (n == 0) {
    atEnd_ = true;
    return false;
  }
  end_ += static_cast<std::size_t>(n);
  consumed_ += n;
  return true;
}

std::int64_t TextLineReader::Offset() const {
  if (inMemory_) return static_cast<std::int64_t>(begin_);
  return consumed_ - static_cast<std::int64_t>(end_ - begin_);
}

bool TextLineReader::CanSplit() const {
  return scanned_ && secondPass_ && error_ == 0 && !scan_.crEnds && utf16Text_.empty();
}

void TextLineReader::StopAt(std::int64_t offset) {
  if (inMemory_) {
    end_ = std::min(end_, static_cast<std::size_t>(offset));
    return;
  }
  limit_ = offset;
  if (consumed_ > offset) {  // bytes past it are read already
    end_ -= static_cast<std::size_t>(consumed_ - offset);
    consumed_ = offset;
    atEnd_ = true;
  }
}

std::unique_ptr<TextLineReader> TextLineReader::ReaderFrom(std::int64_t offset) const {
  // The same open file, not the same name: the file may have been replaced since.
  std::unique_ptr<TextLineReader> other(inMemory_ ? new TextLineReader(text_)
                                                  : new TextLineReader(SharedFile{::fcntl(fd_, F_DUPFD_CLOEXEC, 0)}));
  other->scan_ = scan_;
  other->fileIsValidUtf8_ = fileIsValidUtf8_;
  other->scanned_ = other->secondPass_ = true;
  if (other->error_ == 0) other->Rewind(offset);
  return other;
}

bool TextLineReader::Scan() {
  if (error_ != 0 || !Rewind(0)) return false;
  while (end_ - begin_ < 3 && Fill()) {
  }
  if (error_ != 0) return false;
  const MarkedEncoding marked = EncodingFromMark(std::string_view(data_ + begin_, end_ - begin_));
  if (marked.encoding == TextEncoding::Utf16LE || marked.encoding == TextEncoding::Utf16BE) {
    return ScanUtf16(marked.markLength, marked.encoding == TextEncoding::Utf16BE);
  }
  begin_ += marked.markLength;

  LineCounts counts;
  bool valid = true;
  bool multiByte = false;
  std::size_t fresh = begin_;  // bytes before this one are counted already
  while (true) {
    counts.Count(data_ + fresh, end_ - fresh);
    if (valid) {
      const std::size_t done = ValidateUtf8(std::string_view(data_ + begin_, end_ - begin_), multiByte);
      if (done == std::string_view::npos) {
        valid = false;
        begin_ = end_;
      } else {
        begin_ += done;  // an unfinished sequence waits for the next chunk
      }
    } else {
      begin_ = end_;
    }
    const std::size_t carried = end_ - begin_;
    if (!Fill()) break;
    fresh = begin_ + carried;
  }
  if (error_ != 0) return false;
  if (end_ > begin_) valid = false;  // the file ends inside a sequence

  fileIsValidUtf8_ = valid;
  if (marked.markLength > 0) {
    scan_.encoding = TextEncoding::Utf8Bom;
  } else {
    scan_.encoding = valid && multiByte ? TextEncoding::Utf8 : TextEncoding::Windows1250;
  }
  counts.FillScan(scan_);
  scanned_ = true;
  return true;
}

bool TextLineReader::ScanUtf16(std::size_t markLength, bool bigEndian) {
  // UTF-16 files are small and rare: read whole, turn into UTF-8, and read that from memory.
  std::string raw;
  if (fd_ >= 0) {
    begin_ += markLength;
    do {
      raw.append(data_ + begin_, end_ - begin_);
      begin_ = end_;
    } while (Fill());
    if (error_ != 0) return false;
  } else {
    raw.assign(text_.substr(markLength));
  }
  utf16Text_.reserve(raw.size() * 3 / 2);
  AppendUtf16AsUtf8(utf16Text_, raw, bigEndian);
  inMemory_ = true;
  text_ = utf16Text_;
  scan_.encoding = bigEndian ? TextEncoding::Utf16BE : TextEncoding::Utf16LE;
  LineCounts counts;
  counts.Count(utf16Text_.data(), utf16Text_.size());
  counts.FillScan(scan_);
  scanned_ = true;
  return true;
}

std::string_view TextLineReader::Decode(std::string_view raw) {
  switch (scan_.encoding) {
    case TextEncoding::Windows1250:
      // line_ only grows, so a line costs no clearing of the room it is decoded into.
      if (line_.size() < raw.size() * 3 + 16) line_.resize(raw.size() * 3 + 16);
      return std::string_view(line_.data(), Windows1250ToUtf8(raw, line_.data()));
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
      return raw;  // made valid when it was turned into UTF-8
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
      if (fileIsValidUtf8_ || IsValidUtf8(raw)) return raw;
      line_.clear();
      AppendSanitizedUtf8(line_, raw);
      return line_;
  }
  return raw;
}

bool TextLineReader::Next(std::string_view& line) {
  if (!scanned_ || error_ != 0) return false;
  if (!secondPass_) {
    secondPass_ = true;
    if (!Rewind(0)) return false;
    if (scan_.encoding == TextEncoding::Utf8Bom) {
      while (end_ - begin_ < 3 && Fill()) {
      }
      if (error_ != 0) return false;
      begin_ += std::min<std::size_t>(3, end_ - begin_);
    }
  }
  // One scan finds the line's end, the CR that ends its text, and whether it is all ASCII.
  std::size_t searched = begin_;       // no line end before this byte
  std::size_t textEnd = kNotFound;     // offset from begin_ of the first CR
  bool high = false;                   // a byte above 0x7F in the text
  while (true) {
    const char* from = data_ + searched;
    const char* end = data_ + end_;
    const char* found;
    if (scan_.crEnds) {
      found = FindCrOrLf(from, end, high);
      if (found != nullptr && *found == '\n' && skipLf_ && found == data_ + begin_) {
        // The LF of a CR LF whose CR ended the line before.
        skipLf_ = false;
        begin_ = searched = static_cast<std::size_t>(found - data_) + 1;
        continue;
      }
    } else if (textEnd == kNotFound) {
      found = FindCrOrLf(from, end, high);
      if (found != nullptr && *found == '\r') {
        textEnd = static_cast<std::size_t>(found - (data_ + begin_));
        if (found + 1 < end && found[1] == '\n') {
          ++found;  // CR LF, the usual line end: no second search
        } else {
          searched = static_cast<std::size_t>(found - data_) + 1;
          continue;
        }
      }
    } else {
      bool ignored = false;  // bytes after the CR are not part of the line
      found = FindEither(from, end, '\n', '\n', ignored);
    }
    if (found != nullptr) {
      skipLf_ = *found == '\r';
      const std::size_t at = static_cast<std::size_t>(found - data_);
      const std::size_t length = textEnd != kNotFound ? textEnd : at - begin_;
      const std::string_view raw(data_ + begin_, length);
      line = high ? Decode(raw) : raw;
      begin_ = at + 1;
      return true;
    }
    const std::size_t unread = end_ - begin_;
    if (!Fill()) {
      if (error_ != 0) return false;
      if (end_ > begin_) {  // the last line has no line end
        const std::size_t length = textEnd != kNotFound ? textEnd : end_ - begin_;
        const std::string_view raw(data_ + begin_, length);
        line = high ? Decode(raw) : raw;
        begin_ = end_;
        return true;
      }
      return false;
    }
    searched = begin_ + unread;
  }
}

}  // namespace lumora
