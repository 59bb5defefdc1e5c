#include "subtitle/text_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lumora {

namespace {

constexpr std::size_t kChunk = 1 << 20;

struct LineCounts {
  std::int64_t lf = 0;
  std::int64_t cr = 0;
  std::int64_t blankLf = 0;  // an LF followed by a line end: an empty line in LF files
  std::int64_t blankCr = 0;  // the same for CR-only files
  unsigned char last = '\n';
  std::int64_t bytes = 0;

  void Count(const char* text, std::size_t n) {
    const auto* d = reinterpret_cast<const unsigned char*>(text);
    unsigned char prev = last;
    std::int64_t lfs = 0, crs = 0, blankLfs = 0, blankCrs = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const unsigned char c = d[i];
      lfs += c == '\n';
      crs += c == '\r';
      blankLfs += (prev == '\n') & ((c == '\n') | (c == '\r'));
      blankCrs += (prev == '\r') & (c == '\r');
      prev = c;
    }
    lf += lfs;
    cr += crs;
    blankLf += blankLfs;
    blankCr += blankCrs;
    if (n > 0) last = prev;
    bytes += static_cast<std::int64_t>(n);
  }

  void FillScan(TextScan& scan) const {
    scan.crOnly = lf == 0 && cr > 0;
    const unsigned char end = scan.crOnly ? '\r' : '\n';
    const std::int64_t ends = scan.crOnly ? cr : lf;
    scan.lineCount = ends + (bytes > 0 && last != end ? 1 : 0);
    scan.blankLines = scan.crOnly ? blankCr : blankLf;
  }
};

// Index of the first byte not yet known to be valid UTF-8: the end when all is valid, the start
// of an unfinished sequence at the end, or npos for a malformed sequence. Sets multiByte.
std::size_t ValidateUtf8(std::string_view text, bool& multiByte) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (i + 8 <= text.size() && IsAscii(text.substr(i, 8))) {
      i += 8;
      continue;
    }
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
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

TextLineReader::~TextLineReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool TextLineReader::Rewind() {
  begin_ = end_ = 0;
  atEnd_ = false;
  if (inMemory_) {
    data_ = text_.data();
    end_ = text_.size();
    atEnd_ = true;
    return true;
  }
  if (::lseek(fd_, 0, SEEK_SET) != 0) {
    error_ = errno;
    return false;
  }
  if (!buffer_) {
    buffer_ = std::make_unique<char[]>(kChunk);
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
    auto bigger = std::make_unique<char[]>(capacity_ * 2);
    std::memcpy(bigger.get(), buffer_.get(), end_);
    buffer_ = std::move(bigger);
    capacity_ *= 2;
  }
  data_ = buffer_.get();
  ssize_t n;
  do {
    n = ::read(fd_, buffer_.get() + end_, capacity_ - end_);
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
  return true;
}

bool TextLineReader::Scan() {
  if (error_ != 0 || !Rewind()) return false;
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
  if (!scan_.crOnly) {
    // A CR ends the line's text; what follows it up to the LF is dropped.
    if (const void* cr = std::memchr(raw.data(), '\r', raw.size())) {
      raw = raw.substr(0, static_cast<std::size_t>(static_cast<const char*>(cr) - raw.data()));
    }
  }
  if (IsAscii(raw)) return raw;
  switch (scan_.encoding) {
    case TextEncoding::Windows1250:
      line_.clear();
      AppendWindows1250AsUtf8(line_, raw);
      return line_;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
      return raw;  // made valid when it was turned into UTF-8
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
      if (IsValidUtf8(raw)) return raw;
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
    if (!Rewind()) return false;
    if (scan_.encoding == TextEncoding::Utf8Bom) {
      while (end_ - begin_ < 3 && Fill()) {
      }
      if (error_ != 0) return false;
      begin_ += std::min<std::size_t>(3, end_ - begin_);
    }
  }
  const char lineEnd = scan_.crOnly ? '\r' : '\n';
  std::size_t searched = begin_;  // no line end before this byte
  while (true) {
    if (const void* found = std::memchr(data_ + searched, lineEnd, end_ - searched)) {
      const auto at = static_cast<std::size_t>(static_cast<const char*>(found) - data_);
      const std::string_view raw(data_ + begin_, at - begin_);
      begin_ = at + 1;
      line = Decode(raw);
      return true;
    }
    const std::size_t unread = end_ - begin_;
    if (!Fill()) {
      if (error_ != 0) return false;
      if (end_ > begin_) {  // the last line has no line end
        line = Decode(std::string_view(data_ + begin_, end_ - begin_));
        begin_ = end_;
        return true;
      }
      return false;
    }
    searched = begin_ + unread;
  }
}

}  // namespace lumora
