#pragma once
// A subtitle file as UTF-8 lines. The file is read twice in chunks, never held whole: the first
// pass finds the encoding and counts the lines, the second hands out the lines one by one.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "subtitle/text_encoding.h"

namespace lumora {

/// What the first pass learnt about a file.
struct TextScan {
  TextEncoding encoding = TextEncoding::Windows1250;
  std::int64_t byteCount = 0;   // the text's bytes (in UTF-8 for a UTF-16 file), without a mark
  std::int64_t lineCount = 0;   // lines, the last one counted even without a line end
  std::int64_t blankLines = 0;  // lines with no text: a rough count of SRT blocks
  bool crEnds = false;          // CR is the line end (an old Mac file): CR, LF and CR LF each end a line
};

/// Error code for a path that names something other than a regular file (a device, a pipe).
inline constexpr int kNotRegularFile = -2;

class TextLineReader {
 public:
  /// Reads the file at path (opened at once; see Error()).
  explicit TextLineReader(const std::string& path);
  /// Reads bytes held in memory (they must outlive the reader).
  explicit TextLineReader(std::string_view bytes);
  ~TextLineReader();
  TextLineReader(const TextLineReader&) = delete;
  TextLineReader& operator=(const TextLineReader&) = delete;

  /// The first pass. False when the file cannot be read (see Error()).
  bool Scan();
  const TextScan& Result() const { return scan_; }

  /// The next line in UTF-8, without its line end. A line ends at LF, and a CR and what follows
  /// it up to the LF are not part of it; in a file whose line end is CR (crEnds), CR, LF and
  /// CR LF each end a line. False at the end of the file or on a read error (see Error()). The view
  /// stays valid until the next call.
  bool Next(std::string_view& line);

  /// Where the next line starts, in bytes from the start of the file (or of the bytes given).
  std::int64_t Offset() const;

  // Two readers can share one file: the one in the second pass stops where the other starts.
  /// True when the file can be read in two parts: the second pass has begun and the lines end at
  /// LF (CR-ended and UTF-16 files are read in one).
  bool CanSplit() const;
  /// Ends the lines at the byte offset, a line start.
  void StopAt(std::int64_t offset);
  /// A reader of the same file in its second pass, from the byte offset on (see Error()).
  std::unique_ptr<TextLineReader> ReaderFrom(std::int64_t offset) const;

  /// The errno of a failure (or kNotRegularFile); 0 when all went well.
  int Error() const { return error_; }

 private:
  bool Fill();  // reads more bytes behind the unread ones; false at the end or on an error
  struct SharedFile {
    int fd;  // a duplicate of another reader's file (-1 when it could not be made)
  };
  explicit TextLineReader(SharedFile file);
  bool Rewind(std::int64_t offset);  // to the byte offset, for the next read
  bool ScanUtf16(std::size_t markLength, bool bigEndian);
  std::string_view Decode(std::string_view text);  // a line with a byte above 0x7F

  int fd_ = -1;
  std::int64_t consumed_ = 0;  // the file offset the next read starts at
  std::int64_t limit_ = -1;    // the offset no read goes past, when set
  int error_ = 0;
  TextScan scan_;
  bool scanned_ = false;
  bool secondPass_ = false;
  // The first pass found every byte valid UTF-8, so UTF-8 lines need no second look. (Should the
  // file change between the passes, a bad byte reaches the table; the writers still write
  // valid UTF-8.)
  bool fileIsValidUtf8_ = false;

  // The bytes being read: a chunk of the file, or the whole text held in memory.
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  const char* data_ = nullptr;
  std::size_t begin_ = 0;  // first unread byte
  std::size_t end_ = 0;    // end of the bytes read
  bool atEnd_ = false;
  bool skipLf_ = false;  // the last line ended at a CR: an LF right after it is part of that end

  bool inMemory_ = false;    // reading text_ rather than the file
  std::string_view text_;    // the bytes given, or utf16Text_
  std::string utf16Text_;    // a UTF-16 file turned into UTF-8
  std::string line_;         // a line decoded into UTF-8
};

}  // namespace lumora
