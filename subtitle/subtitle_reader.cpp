#include "subtitle/subtitle_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <limits>
#include <memory>
#include <new>
#include <thread>
#include <vector>

#include "subtitle/progress_gauge.h"
#include "subtitle/row_text.h"
#include "subtitle/system_error_text.h"
#include "subtitle/text_lines.h"
#include "subtitle/timecode.h"
#include "subtitle/timing_mode.h"
#include "subtitle/utf8.h"
#include "subtitle/whole_number.h"

namespace lumora {

namespace {

Message StopMessage() { return {"Hiba", "hiba", "Hiba a file-ban!", "Csak eddig tudtam betölteni a file-t!"}; }

Message SrtStopMessage(std::string reason) {
  return {"Hiba", "hiba", "Hiba a file-ban! Csak eddig tudtam betölteni a file-t!", std::move(reason)};
}

Message NothingRecognisedMessage() {
  return {"Hiba", "hiba", "Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!",
          "Vagy a file értelmezhetetlen típust tartalmaz!"};
}

Message UnreadableMessage(std::string_view name, int error) {
  return {"Hiba", "hiba", "Nem sikerült beolvasni a következő file-t: " + std::string(name), SystemErrorText(error)};
}

// A line quoted whole in a message; a runaway line (a binary file) is cut so the window stays usable.
constexpr std::size_t kMaxQuotedChars = 200;
std::string QuoteLine(std::string_view line) {
  if (line.size() <= kMaxQuotedChars) return std::string(line);
  const std::string cut = CutToChars(line, kMaxQuotedChars);
  return cut.size() < line.size() ? cut + "..." : cut;
}

// The rows of one read, cut to the table's widths as they are made, so a runaway line never
// sits in memory whole.
class RowBuilder {
 public:
  RowBuilder(const TableShape& shape, std::size_t expectedRows, std::size_t textBytes) : shape_(shape) {
    rows_.reserve(expectedRows);
    texts_.Reserve(textBytes);
  }

  TableRow& Append() { return rows_.emplace_back(); }
  TableRow& Last() { return rows_.back(); }
  std::size_t Count() const { return rows_.size(); }

  void SetValue(StoredValue& field, std::string_view value) { field.Set(LeadingChars(value, shape_.valueWidth), texts_); }
  void SetText(TableRow& row, std::string_view text) { row.Szoveg = texts_.Add(LeadingChars(text, shape_.textWidth)); }

  // A text gathered from several lines is written straight into the store: BeginText, pieces
  // of at most TextGatherBound() bytes in all, then EndText. Nothing else is stored between.
  std::size_t TextGatherBound() const { return 2 * TextByteBound() + 1; }
  void BeginText() {
    gathering_ = texts_.Open(TextGatherBound());
    gathered_ = 0;
  }
  void AddToText(std::string_view piece) {
    std::memcpy(gathering_ + gathered_, piece.data(), piece.size());
    gathered_ += piece.size();
  }
  std::size_t GatheredBytes() const { return gathered_; }
  void EndText(TableRow& row) {
    row.Szoveg = texts_.Commit(LeadingChars(std::string_view(gathering_, gathered_), shape_.textWidth).size());
  }
  /// Bytes that surely hold a whole text of the table's width (a character has at most four).
  std::size_t TextByteBound() const { return shape_.textWidth * 4; }

  void HandOver(SubtitleTable& table) { table.TakeRows(std::move(rows_), std::move(texts_)); }

  /// Takes the rows another builder read from a later part of the file, their numbers counted
  /// on from numberBase.
  void Append(RowBuilder&& later, std::int32_t numberBase) {
    rows_.reserve(rows_.size() + later.rows_.size());
    for (TableRow& row : later.rows_) {
      if (row.Sorszam) row.Sorszam = static_cast<std::int32_t>(std::int64_t{*row.Sorszam} + numberBase);
      rows_.push_back(std::move(row));
    }
    later.rows_.clear();
    texts_.Adopt(std::move(later.texts_));
  }

 private:
  TableShape shape_;
  RowVector rows_;
  TextStore texts_;
  char* gathering_ = nullptr;
  std::size_t gathered_ = 0;
};

// Each layout below has the same members, called without a virtual call on every line:
//   bool Line(std::string_view line)  reads one line; false stops the read (the outcome then
//                                      holds the message);
//   void Finish()                     is called when the file ends without a stop;
//   std::int64_t Progress() const     is the gauge's count after the latest line.

// SUB: "{start}{end}text", one row per line.
class SubLayout {
 public:
  SubLayout(RowBuilder& rows, ReadOutcome& outcome, const ReadOptions& options)
      : rows_(rows), outcome_(outcome), options_(options) {}

  bool Line(std::string_view line) {
    const auto rowNumber = static_cast<std::int32_t>(options_.firstRowNumber + lineIndex_);
    ++lineIndex_;
    if (line.empty() || line.front() != '{') {
      outcome_.status = ReadStatus::StoppedAtBadLine;
      outcome_.message = StopMessage();
      return false;
    }
    // The scan steps one character on, and one more when it lands on a "{"; every character
    // but "}" joins the current value. The first "}" ends the start value, the second the end.
    value_.clear();
    bool haveStart = false;
    std::size_t p = 0;
    while (true) {
      ++p;
      if (p < line.size() && line[p] == '{') ++p;
      if (p >= line.size()) break;
      if (line[p] != '}') {
        value_ += line[p];
        continue;
      }
      if (!haveStart) {
        TableRow& row = rows_.Append();
        rows_.SetValue(row.Kezdes, Moved(value_));
        value_.clear();
        haveStart = true;
        continue;
      }
      TableRow& row = rows_.Last();
      rows_.SetValue(row.Befejezes, Moved(value_));
      rows_.SetText(row, line.substr(p + 1));
      row.Sorszam = rowNumber;
      break;
    }
    return true;
  }

  void Finish() {}
  std::int64_t Progress() const { return lineIndex_; }
  /// The Sorszam the next line would give its row.
  std::int32_t NextRowNumber() const { return static_cast<std::int32_t>(options_.firstRowNumber + lineIndex_); }

 private:
  // In merge mode every value moves by target - first start value, in whole frames; a value
  // that would fall below 0 becomes 0. A value that is not a whole number stays as read.
  std::string_view Moved(std::string_view value) {
    if (!options_.mergeMode) return value;
    const auto number = ParseWholeNumber(value);
    if (!offset_) {
      const auto target = ParseWholeNumber(options_.mergeTarget);
      offset_ = number && target ? std::int64_t{*target} - *number : 0;
    }
    if (!number || *offset_ == 0) return value;
    const std::int64_t moved = *number + *offset_;
    moved_ = std::to_string(moved < 0 ? 0 : moved);
    return moved_;
  }

  RowBuilder& rows_;
  ReadOutcome& outcome_;
  const ReadOptions& options_;
  std::int64_t lineIndex_ = 0;
  std::string value_;
  std::string moved_;
  std::optional<std::int64_t> offset_;
};

// SRT: counter line, time line, text lines, blank line.
class SrtLayout {
 public:
  SrtLayout(RowBuilder& rows, ReadOutcome& outcome, const ReadOptions& options)
      : rows_(rows), outcome_(outcome), options_(options), rowNumber_(options.firstRowNumber) {}

  bool Line(std::string_view line) {
    ++linesRead_;
    switch (state_) {
      case State::ExpectTime: {
        SrtTimeValues values;
        if (!ReadSrtTimeLine(line, values)) {
          return Stop("A hiba oka: A következő sor számformátuma nem jó: " + QuoteLine(line));
        }
        TableRow& row = rows_.Append();
        rows_.SetValue(row.Kezdes, std::string_view(values.start, SrtTimeValues::kLength));
        rows_.SetValue(row.Befejezes, std::string_view(values.end, SrtTimeValues::kLength));
        row.Sorszam = rowNumber_;
        if (options_.mergeMode) Move(row);
        state_ = State::ExpectFirstText;
        return true;
      }
      case State::ExpectFirstText:
        if (line.empty()) {
          ++rowNumber_;  // the row keeps its empty text
          state_ = State::BetweenBlocks;
        } else {
          rows_.BeginText();
          rows_.AddToText(line.substr(0, rows_.TextByteBound()));
          state_ = State::InText;
        }
        return true;
      case State::InText:
        if (line.empty()) {
          StoreText();
          ++rowNumber_;
          state_ = State::BetweenBlocks;
        } else if (rows_.GatheredBytes() < rows_.TextByteBound()) {
          // Text past the field's width would be cut anyway; a block that never ends (no
          // blank lines) must not gather the whole file.
          rows_.AddToText(std::string_view(&kLineSeparator, 1));
          rows_.AddToText(line.substr(0, rows_.TextByteBound()));
        }
        return true;
      case State::BetweenBlocks:
        if (line.empty()) return true;
        if (ReadsAsWholeNumber(line)) {
          state_ = State::ExpectTime;
          return true;
        }
        return Stop("A hiba oka: A következő sor sorszáma ez:'" +
                    (CountChars(line) > 10 ? ShortenForMessage(line) : std::string(line)) +
                    "', ami talán rossz!\r\n                       (vagy a 2. sor üres)");
    }
    return true;
  }

  void Finish() {
    if (state_ == State::InText) StoreText();
  }

  std::int64_t Progress() const { return 1 + linesRead_; }
  /// The Sorszam the next block would get.
  std::int32_t NextRowNumber() const { return rowNumber_; }

 private:
  enum class State { ExpectTime, ExpectFirstText, InText, BetweenBlocks };

  bool Stop(std::string reason) {
    outcome_.status = ReadStatus::StoppedAtBadLine;
    outcome_.loadErrorReason = reason;
    outcome_.message = SrtStopMessage(std::move(reason));
    return false;
  }

  void StoreText() { rows_.EndText(rows_.Last()); }

  // Merge mode: the first row is moved to the target and every later row by the same amount.
  void Move(TableRow& row) {
    if (!offset_) {
      const auto start = TimeCodeToMillis(row.Kezdes);
      const auto target = TimeCodeToMillis(options_.mergeTarget);
      offset_ = start && target ? *start - *target : 0;
    }
    if (*offset_ == 0) return;
    if (auto moved = OffsetTimeValue(row.Kezdes, *offset_)) rows_.SetValue(row.Kezdes, *moved);
    if (auto moved = OffsetTimeValue(row.Befejezes, *offset_)) rows_.SetValue(row.Befejezes, *moved);
  }

  RowBuilder& rows_;
  ReadOutcome& outcome_;
  const ReadOptions& options_;
  State state_ = State::ExpectTime;
  std::int32_t rowNumber_;
  std::int64_t linesRead_ = 0;
  std::optional<Millis> offset_;
};

// Time ranges: "hh:mm:ss.cc,hh:mm:ss.cc", the text line, a dropped line, the next time line.
class TimeRangeLayout {
 public:
  TimeRangeLayout(RowBuilder& rows, ReadOutcome& outcome, std::string_view firstTimeLine)
      : rows_(rows), outcome_(outcome), timeLine_(firstTimeLine) {}

  bool Line(std::string_view line) {
    switch (state_) {
      case State::ExpectText: {
        const auto times = ReadTimeRangeLine(timeLine_);
        if (!times) {
          outcome_.status = ReadStatus::StoppedAtBadLine;
          outcome_.loadErrorReason = "Az idő intervalluma rosszul van megadva a sorban!";
          outcome_.message = StopMessage();
          return false;
        }
        TableRow& row = rows_.Append();
        rows_.SetValue(row.Kezdes, times->start);
        rows_.SetValue(row.Befejezes, times->end);
        if (!line.empty()) rows_.SetText(row, BrToBar(line.substr(0, 2 * rows_.TextByteBound())));
        ++blocks_;
        state_ = State::DropLine;
        return true;
      }
      case State::DropLine:
        state_ = State::ExpectTime;
        return true;
      case State::ExpectTime:
        timeLine_.assign(line.substr(0, 64));  // only the first 23 characters matter
        state_ = State::ExpectText;
        return true;
    }
    return true;
  }

  void Finish() {}
  std::int64_t Progress() const { return 3 * (1 + blocks_); }

 private:
  enum class State { ExpectText, DropLine, ExpectTime };

  RowBuilder& rows_;
  ReadOutcome& outcome_;
  std::string timeLine_;
  State state_ = State::ExpectText;
  std::int64_t blocks_ = 0;
};

std::size_t ExpectedRows(FormatKind kind, const TextScan& scan) {
  const std::int64_t lines = scan.lineCount;
  const std::int64_t blocks = kind == FormatKind::SubFrames ? lines : std::min(lines, scan.blankLines + 1);
  return static_cast<std::size_t>(std::max<std::int64_t>(blocks, 0));
}

// Feeds the layout the rest of the file's lines; false when it stopped at one.
template <typename Layout>
bool FeedLines(Layout& layout, TextLineReader& reader, ProgressGauge& gauge) {
  std::string_view line;
  while (reader.Next(line)) {
    const bool goOn = layout.Line(line);
    gauge.Show(layout.Progress());
    if (!goOn) return false;
  }
  layout.Finish();
  return true;
}

// A big SRT or SUB file is read in two parts at once, the second from a line near the middle:
// reading is nearly all the time of opening a big file, and a second core halves it.
constexpr std::int64_t kSplitBytes = std::int64_t{1} << 20;
constexpr int kPartSearchLines = 1000;

// Where the second part of each layout may start, and what its reader has taken by then.
struct SrtParts {
  using Layout = SrtLayout;
  // A counter line right after a blank line: after a blank line an SRT read is always between
  // blocks (or has stopped), and the counter line takes it to the time line, where a fresh
  // layout starts.
  static bool StartsPart(bool afterBlank, std::string_view line) { return afterBlank && ReadsAsWholeNumber(line); }
  static constexpr bool kLayoutReadsStartLine = false;
  static constexpr FormatKind kKind = FormatKind::SrtBlocks;
};

struct SubParts {
  using Layout = SubLayout;
  // Every line stands alone.
  static bool StartsPart(bool, std::string_view) { return true; }
  static constexpr bool kLayoutReadsStartLine = true;
  static constexpr FormatKind kKind = FormatKind::SubFrames;
};

struct SecondPart {
  std::unique_ptr<TextLineReader> reader;  // past the part's first line
  std::string_view startLine;              // that line, valid until the reader reads on
  std::int64_t start = 0;                  // its offset: the first part ends there
};

template <typename Parts>
std::optional<SecondPart> FindSecondPart(const TextLineReader& reader, std::int64_t bytes) {
  if (bytes < kSplitBytes || !reader.CanSplit() || std::thread::hardware_concurrency() < 2) return std::nullopt;
  std::unique_ptr<TextLineReader> part = reader.ReaderFrom(bytes / 2);
  std::string_view line;
  if (part->Error() != 0 || !part->Next(line)) return std::nullopt;  // the rest of a line
  bool afterBlank = false;
  for (int i = 0; i < kPartSearchLines; ++i) {
    const std::int64_t start = part->Offset();
    if (!part->Next(line)) return std::nullopt;
    if (Parts::StartsPart(afterBlank, line)) {
      if (start <= reader.Offset()) return std::nullopt;
      return SecondPart{std::move(part), line, start};
    }
    afterBlank = line.empty();
  }
  return std::nullopt;
}

// Reads the file in two parts when it is big enough; false when it is read in one. firstLine
// is the line that announced the layout, when the layout reads it as a row. The first part
// decides: when it stops, the second is dropped, as a read in one would never have reached it.
// The second part's rows are numbered on from the first part's. readError receives the second
// part's read error.
template <typename Parts>
bool ReadInTwoParts(TextLineReader& reader, const TextScan& scan, std::optional<std::string_view> firstLine,
                    RowBuilder& rows, ReadOutcome& outcome, const ReadOptions& options, const TableShape& shape,
                    int& readError) {
  using Layout = typename Parts::Layout;
  if (options.mergeMode) return false;
  std::optional<SecondPart> second = FindSecondPart<Parts>(reader, scan.byteCount);
  if (!second) return false;
  reader.StopAt(second->start);

  const std::int64_t share = std::max<std::int64_t>(scan.byteCount - second->start, 0);
  const auto laterRows = static_cast<std::int64_t>(ExpectedRows(Parts::kKind, scan)) * share /
                         std::max<std::int64_t>(scan.byteCount, 1);
  // What the second part reads is built on its own thread's stack and handed over at the end.
  struct Later {
    std::optional<RowBuilder> rows;
    ReadOutcome outcome;
    bool outOfMemory = false;
  };
  Later later;
  {
    std::jthread worker([&] {
      try {
        RowBuilder partRows(shape, static_cast<std::size_t>(laterRows) + 16, static_cast<std::size_t>(share));
        ReadOutcome partOutcome;
        partOutcome.status = ReadStatus::Complete;
        ReadOptions partOptions;
        partOptions.firstRowNumber = 0;
        Layout layout(partRows, partOutcome, partOptions);
        ProgressGauge silent(0, {});  // the gauge belongs to the caller's thread
        if (!Parts::kLayoutReadsStartLine || layout.Line(second->startLine)) FeedLines(layout, *second->reader, silent);
        later.rows.emplace(std::move(partRows));
        later.outcome = std::move(partOutcome);
      } catch (const std::bad_alloc&) {
        later.outOfMemory = true;
      }
    });
    // The gauge follows the first part, which ends about when the second does.
    const std::int64_t firstLines = scan.lineCount * second->start / std::max<std::int64_t>(scan.byteCount, 1);
    ProgressGauge gauge(firstLines, options.progress);
    Layout layout(rows, outcome, options);
    const bool goOn = !firstLine || layout.Line(*firstLine);
    gauge.Show(layout.Progress());
    if (goOn) FeedLines(layout, reader, gauge);
    worker.join();
    if (outcome.status != ReadStatus::Complete || reader.Error() != 0) return true;
    if (later.outOfMemory) throw std::bad_alloc();
    readError = second->reader->Error();
    rows.Append(std::move(*later.rows), layout.NextRowNumber());
    gauge.Show(std::numeric_limits<std::int64_t>::max() / 2);
  }
  outcome.status = later.outcome.status;
  outcome.message = std::move(later.outcome.message);
  outcome.loadErrorReason = std::move(later.outcome.loadErrorReason);
  return true;
}

// Reads the lines after the one that announced the layout (for SUB it is the first row).
void ReadLayout(const DetectedFormat& detected, std::string_view firstLine, TextLineReader& reader,
                RowBuilder& rows, ReadOutcome& outcome, const ReadOptions& options, ProgressGauge& gauge,
                const TextScan& scan, const TableShape& shape, int& readError) {
  switch (detected.kind) {
    case FormatKind::SubFrames: {
      if (ReadInTwoParts<SubParts>(reader, scan, firstLine, rows, outcome, options, shape, readError)) return;
      SubLayout layout(rows, outcome, options);
      const bool goOn = layout.Line(firstLine);
      gauge.Show(layout.Progress());
      if (goOn) FeedLines(layout, reader, gauge);
      return;
    }
    case FormatKind::SrtBlocks: {
      if (ReadInTwoParts<SrtParts>(reader, scan, std::nullopt, rows, outcome, options, shape, readError)) return;
      SrtLayout layout(rows, outcome, options);
      gauge.Show(layout.Progress());
      FeedLines(layout, reader, gauge);
      return;
    }
    case FormatKind::TimeRanges: {
      TimeRangeLayout layout(rows, outcome, firstLine);
      gauge.Show(layout.Progress());
      FeedLines(layout, reader, gauge);
      return;
    }
    case FormatKind::NoneRecognised: return;
  }
}

ReadOutcome ReadLines(TextLineReader& reader, std::string_view name, SubtitleTable& table,
                      const ReadOptions& options) {
  ReadOutcome outcome;
  try {
    if (!reader.Scan()) {
      outcome.status = ReadStatus::Unreadable;
      outcome.message = UnreadableMessage(name, reader.Error());
      return outcome;
    }
    const TextScan& scan = reader.Result();
    outcome.encoding = scan.encoding;
    ProgressGauge gauge(scan.lineCount, options.progress);

    // Lines before the first recognised one are skipped.
    std::string_view line;
    std::optional<DetectedFormat> detected;
    while (!detected && reader.Next(line)) detected = DetectFormat(line);
    std::optional<RowBuilder> rows;
    int partError = 0;
    if (detected) {
      outcome.kind = detected->kind;
      outcome.loadedKind = std::string(detected->timingMode);
      outcome.status = ReadStatus::Complete;
      rows.emplace(table.Shape(), ExpectedRows(detected->kind, scan), static_cast<std::size_t>(scan.byteCount));
      ReadLayout(*detected, line, reader, *rows, outcome, options, gauge, scan, table.Shape(), partError);
    }
    if (const int error = reader.Error() != 0 ? reader.Error() : partError; error != 0) {
      outcome = ReadOutcome{};
      outcome.status = ReadStatus::Unreadable;
      outcome.message = UnreadableMessage(name, error);
      return outcome;
    }
    if (!detected) {
      outcome.message = NothingRecognisedMessage();
      return outcome;
    }
    outcome.rowsRead = rows->Count();
    rows->HandOver(table);
  } catch (const std::bad_alloc&) {
    const TextEncoding encoding = outcome.encoding;
    outcome = ReadOutcome{};
    outcome.encoding = encoding;
    outcome.status = ReadStatus::Unreadable;
    outcome.message = UnreadableMessage(name, ENOMEM);
  }
  return outcome;
}

}  // namespace

ReadOutcome ReadSubtitleFile(const std::string& path, SubtitleTable& table, const ReadOptions& options) {
  TextLineReader reader(path);
  return ReadLines(reader, ExtractNameOnly(path), table, options);
}

ReadOutcome ReadSubtitleBytes(std::string_view bytes, SubtitleTable& table, const ReadOptions& options) {
  TextLineReader reader(bytes);
  return ReadLines(reader, "", table, options);
}

}  // namespace lumora
