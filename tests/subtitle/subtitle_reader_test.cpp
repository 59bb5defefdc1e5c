#include "subtitle/subtitle_reader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "subtitle/utf8.h"
#include "tests/subtitle/file_test_support.h"

namespace lumora {
namespace {

using testing_files::DataFile;
using testing_files::TempDir;
using testing_files::WriteBytes;

const Message kSubStop{"Hiba", "hiba", "Hiba a file-ban!", "Csak eddig tudtam betölteni a file-t!"};
const Message kNothing{"Hiba", "hiba", "Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!",
                       "Vagy a file értelmezhetetlen típust tartalmaz!"};
const char* const kSrtStopLine1 = "Hiba a file-ban! Csak eddig tudtam betölteni a file-t!";

struct Read {
  ReadOutcome outcome;
  std::vector<SubtitleRow> rows;
};

Read ReadText(const std::string& bytes, const ReadOptions& options = {}) {
  SubtitleTable table;
  Read r;
  r.outcome = ReadSubtitleBytes(bytes, table, options);
  r.rows = table.CopyRows();
  return r;
}

Read ReadPath(const std::string& path) {
  SubtitleTable table;
  Read r;
  r.outcome = ReadSubtitleFile(path, table);
  r.rows = table.CopyRows();
  return r;
}

SubtitleRow Row(std::optional<std::int32_t> n, std::string start, std::string end, std::string text) {
  return {n, std::move(start), std::move(end), std::move(text)};
}

// ---- SUB frame lines ----

TEST(SubLayout, reads_each_line_by_the_brace_scan) {
  struct Case {
    const char* name;
    std::string file;
    std::vector<SubtitleRow> rows;
  };
  const Case cases[] = {
      {"plain", "{10}{20}Hello|World", {Row(1, "10", "20", "Hello|World")}},
      {"empty text", "{10}{20}", {Row(1, "10", "20", "")}},
      {"style code stays in the text", "{10}{20}{y:i}Dőlt", {Row(1, "10", "20", "{y:i}Dőlt")}},
      {"a brace where the scan lands is skipped", "{1{0}{2{{0}x", {Row(1, "10", "2{0", "x")}},
      {"values are not tested", "{a b}{-3}z", {Row(1, "a b", "-3", "z")}},
      {"line ends before the second brace", "{10}{2", {Row(std::nullopt, "10", "", "")}},
      {"line without any closing brace adds nothing", "{10\n{1}{2}b", {Row(2, "1", "2", "b")}},
      {"lines before the first brace are skipped", "junk\n\n{1}{2}a\n{3}{4}b",
       {Row(1, "1", "2", "a"), Row(2, "3", "4", "b")}},
      {"values cut to 12 characters", "{1234567890123}{2}a", {Row(1, "123456789012", "2", "a")}},
  };
  for (const Case& c : cases) {
    const Read r = ReadText(c.file);
    EXPECT_EQ(r.outcome.status, ReadStatus::Complete) << c.name;
    EXPECT_EQ(r.outcome.kind, FormatKind::SubFrames) << c.name;
    EXPECT_EQ(r.outcome.loadedKind, "Frame") << c.name;
    EXPECT_EQ(r.rows, c.rows) << c.name;
  }
}

TEST(SubLayout, a_line_not_starting_with_a_brace_stops_the_read_keeping_earlier_rows) {
  for (const char* file : {"{1}{2}a\n{3}{4}b\nx{5}{6}c\n{7}{8}d", "{1}{2}a\n{3}{4}b\n\n{7}{8}d"}) {
    const Read r = ReadText(file);
    EXPECT_EQ(r.outcome.status, ReadStatus::StoppedAtBadLine);
    EXPECT_EQ(r.outcome.message, kSubStop);
    EXPECT_EQ(r.rows, (std::vector{Row(1, "1", "2", "a"), Row(2, "3", "4", "b")}));
  }
}

TEST(SubLayout, a_file_ending_in_an_empty_line_stops_at_it_after_reading_every_row) {
  const Read r = ReadPath(DataFile("sub_trailing_empty_line.sub"));
  EXPECT_EQ(r.outcome.status, ReadStatus::StoppedAtBadLine);
  EXPECT_EQ(r.outcome.message, kSubStop);
  ASSERT_EQ(r.rows.size(), 2u);
  EXPECT_EQ(r.rows[1], Row(2, "51", "100", "Második|sor"));
}

TEST(SubLayout, row_numbers_count_lines_from_the_first_row_number) {
  ReadOptions options;
  options.firstRowNumber = 40;
  const Read r = ReadText("{1}{2}a\n{no brace\n{3}{4}b", options);
  EXPECT_EQ(r.rows, (std::vector{Row(40, "1", "2", "a"), Row(42, "3", "4", "b")}));
}

TEST(SubLayout, long_lines_are_read_whole_and_cut_to_the_field) {
  const std::string text(300, 'x');
  const Read r = ReadText("{1}{2}" + text + "\n{3}{4}b");
  ASSERT_EQ(r.rows.size(), 2u);
  EXPECT_EQ(r.rows[0].Szoveg, std::string(150, 'x'));
  EXPECT_EQ(r.rows[1].Szoveg, "b");
}

TEST(SubLayout, merge_moves_every_value_so_the_first_start_is_the_target) {
  struct Case {
    const char* target;
    std::vector<SubtitleRow> rows;
  };
  const std::string file = "{100}{150}a\n{200}{250}b\n{x}{300}c";
  const Case cases[] = {
      {"1000", {Row(7, "1000", "1050", "a"), Row(8, "1100", "1150", "b"), Row(9, "x", "1200", "c")}},
      {"100", {Row(7, "100", "150", "a"), Row(8, "200", "250", "b"), Row(9, "x", "300", "c")}},
      // A target before the file's first start moves it earlier too; nothing goes below 0.
      {"20", {Row(7, "20", "70", "a"), Row(8, "120", "170", "b"), Row(9, "x", "220", "c")}},
      {"0", {Row(7, "0", "50", "a"), Row(8, "100", "150", "b"), Row(9, "x", "200", "c")}},
      {"", {Row(7, "100", "150", "a"), Row(8, "200", "250", "b"), Row(9, "x", "300", "c")}},
  };
  for (const Case& c : cases) {
    ReadOptions options;
    options.firstRowNumber = 7;
    options.mergeMode = true;
    options.mergeTarget = c.target;
    EXPECT_EQ(ReadText(file, options).rows, c.rows) << c.target;
  }
  ReadOptions early;
  early.mergeMode = true;
  early.mergeTarget = "0";
  EXPECT_EQ(ReadText("{100}{150}a\n{40}{60}b", early).rows,
            (std::vector{Row(1, "0", "50", "a"), Row(2, "0", "0", "b")}));
}

// ---- SRT blocks ----

TEST(SrtLayout, reads_blocks_by_the_state_table) {
  struct Case {
    const char* name;
    std::string file;
    std::vector<SubtitleRow> rows;
  };
  const std::string t1 = "00:00:01,000 --> 00:00:02,000";
  const std::string t2 = "00:00:03,000 --> 00:00:04,000";
  const Case cases[] = {
      {"two blocks", "1\n" + t1 + "\nEgy\nKettő\n\n2\n" + t2 + "\nHárom\n",
       {Row(1, "00:00:01,000", "00:00:02,000", "Egy|Kettő"), Row(2, "00:00:03,000", "00:00:04,000", "Három")}},
      {"two blank lines between blocks", "1\n" + t1 + "\na\n\n\n\n2\n" + t2 + "\nb\n\n",
       {Row(1, "00:00:01,000", "00:00:02,000", "a"), Row(2, "00:00:03,000", "00:00:04,000", "b")}},
      {"block without a text line", "1\n" + t1 + "\n\n2\n" + t2 + "\nb",
       {Row(1, "00:00:01,000", "00:00:02,000", ""), Row(2, "00:00:03,000", "00:00:04,000", "b")}},
      {"time line as the last line", "1\n" + t1, {Row(1, "00:00:01,000", "00:00:02,000", "")}},
      {"counter values are not used", "7\n" + t1 + "\na\n\n$FF\n" + t2 + "\nb",
       {Row(1, "00:00:01,000", "00:00:02,000", "a"), Row(2, "00:00:03,000", "00:00:04,000", "b")}},
      {"text running into the next block", "1\n" + t1 + "\na\n2\n" + t2 + "\nb\n",
       {Row(1, "00:00:01,000", "00:00:02,000", "a|2|" + t2 + "|b")}},
      {"first block with a bad counter is skipped", "#1\n" + t1 + "\na\n\n2\n" + t2 + "\nb",
       {Row(1, "00:00:03,000", "00:00:04,000", "b")}},
      {"colon before the milliseconds, hour 25", "1\n00:00:01:500 --> 25:00:00,000\na",
       {Row(1, "00:00:01,500", "00:00:00,000", "a")}},
  };
  for (const Case& c : cases) {
    const Read r = ReadText(c.file);
    EXPECT_EQ(r.outcome.status, ReadStatus::Complete) << c.name;
    EXPECT_EQ(r.outcome.kind, FormatKind::SrtBlocks) << c.name;
    EXPECT_EQ(r.outcome.loadedKind, "Time") << c.name;
    EXPECT_FALSE(r.outcome.message) << c.name;
    EXPECT_EQ(r.rows, c.rows) << c.name;
  }
}

TEST(SrtLayout, stops_with_the_reason_of_the_bad_line) {
  struct Case {
    const char* name;
    std::string file;
    std::string reason;
    std::size_t rowsKept;
  };
  const std::string t = "00:00:01,000 --> 00:00:02,000";
  const std::string tail = "', ami talán rossz!\r\n                       (vagy a 2. sor üres)";
  const Case cases[] = {
      {"bad time line", "1\n" + t + "\na\n\n2\n00:00:03 --> 00:00:04\nb",
       "A hiba oka: A következő sor számformátuma nem jó: 00:00:03 --> 00:00:04", 1},
      {"empty line for the time line", "1\n\n" + t, "A hiba oka: A következő sor számformátuma nem jó: ", 0},
      {"counter with a trailing blank", "1\n" + t + "\na\n\n2 \n" + t + "\nb",
       "A hiba oka: A következő sor sorszáma ez:'2 " + tail, 1},
      {"counter of 10 characters shown whole", "1\n" + t + "\na\n\nabcdefghij\n",
       "A hiba oka: A következő sor sorszáma ez:'abcdefghij" + tail, 1},
      {"counter of 12 characters shortened", "1\n" + t + "\na\n\nabcdefghijkl\n",
       "A hiba oka: A következő sor sorszáma ez:'abcdefghi..." + tail, 1},
      {"block whose time line was read keeps its row", "1\n" + t + "\n\nxx\n", "A hiba oka: A következő sor sorszáma ez:'xx" + tail,
       1},
  };
  for (const Case& c : cases) {
    const Read r = ReadText(c.file);
    EXPECT_EQ(r.outcome.status, ReadStatus::StoppedAtBadLine) << c.name;
    EXPECT_EQ(r.outcome.loadErrorReason, c.reason) << c.name;
    EXPECT_EQ(r.outcome.message, (Message{"Hiba", "hiba", kSrtStopLine1, c.reason})) << c.name;
    EXPECT_EQ(r.rows.size(), c.rowsKept) << c.name;
  }
}

TEST(SrtLayout, counter_with_trailing_blank_stops_the_read) {
  const Read r = ReadPath(DataFile("srt_counter_trailing_blank.srt"));
  EXPECT_EQ(r.outcome.status, ReadStatus::StoppedAtBadLine);
  EXPECT_EQ(r.outcome.message->line1, kSrtStopLine1);
  EXPECT_EQ(r.rows, (std::vector{Row(1, "00:00:01,000", "00:00:02,000", "Első")}));
}

TEST(SrtLayout, texts_are_cut_to_150_characters_never_inside_a_character) {
  std::string longLine;
  for (int i = 0; i < 200; ++i) longLine += "ő";
  const Read r = ReadText("1\n00:00:01,000 --> 00:00:02,000\n" + longLine + "\n" + longLine + "\n\n");
  ASSERT_EQ(r.rows.size(), 1u);
  EXPECT_EQ(r.rows[0].Szoveg, longLine.substr(0, 300));
}

TEST(SrtLayout, a_block_that_never_ends_keeps_only_what_the_field_holds) {
  std::string file = "1\n00:00:01,000 --> 00:00:02,000\n";
  for (int i = 0; i < 100000; ++i) file += "line of text\n";
  const Read r = ReadText(file);
  ASSERT_EQ(r.rows.size(), 1u);
  EXPECT_EQ(CountChars(r.rows[0].Szoveg), 150u);
}

TEST(SrtLayout, merge_puts_the_first_row_at_the_target_and_keeps_the_distances) {
  ReadOptions options;
  options.mergeMode = true;
  options.mergeTarget = "01:00:00,000";
  options.firstRowNumber = 11;
  const Read r = ReadText(
      "1\n00:00:05,000 --> 00:00:06,500\na\n\n2\n00:00:10,000 --> 00:00:12,000\nb\n\n", options);
  EXPECT_EQ(r.rows, (std::vector{Row(11, "01:00:00,000", "01:00:01,500", "a"),
                                 Row(12, "01:00:05,000", "01:00:07,000", "b")}));
  options.mergeTarget = "00:00:01,000";  // earlier than the file: values move back
  EXPECT_EQ(ReadText("1\n00:00:05,000 --> 00:00:06,000\na\n\n2\n00:00:02,000 --> 00:00:03,000\nb", options).rows,
            (std::vector{Row(11, "00:00:01,000", "00:00:02,000", "a"), Row(12, "00:00:00,000", "00:00:00,000", "b")}));
}

// ---- time-range blocks ----

TEST(TimeRangeLayout, reads_blocks_with_br_as_line_breaks) {
  const Read r = ReadPath(DataFile("timerange_br.sub"));
  EXPECT_EQ(r.outcome.status, ReadStatus::Complete);
  EXPECT_EQ(r.outcome.kind, FormatKind::TimeRanges);
  EXPECT_EQ(r.outcome.loadedKind, "Time");
  EXPECT_EQ(r.rows, (std::vector{Row(std::nullopt, "00:00:01,500", "00:00:03,000", "Első sor|második sor"),
                                 Row(std::nullopt, "00:00:04,000", "00:00:05,250", ""),
                                 Row(std::nullopt, "00:01:00,000", "00:01:02,000", "Vége")}));
}

TEST(TimeRangeLayout, a_bad_time_line_stops_the_read) {
  const Read r = ReadText("00:00:01.00,00:00:02.00\na\n\n00:00:03,00,00:00:04.00\nb\n");
  EXPECT_EQ(r.outcome.status, ReadStatus::StoppedAtBadLine);
  EXPECT_EQ(r.outcome.message, kSubStop);
  EXPECT_EQ(r.outcome.loadErrorReason, "Az idő intervalluma rosszul van megadva a sorban!");
  EXPECT_EQ(r.rows.size(), 1u);
  // A second blank line between blocks takes the place of the time line.
  EXPECT_EQ(ReadText("00:00:01.00,00:00:02.00\na\n\n\n00:00:03.00,00:00:04.00\nb\n").outcome.status,
            ReadStatus::StoppedAtBadLine);
}

// ---- the file as a whole ----

TEST(ReadSubtitleFile, files_without_a_layout_give_the_nothing_recognised_message) {
  const std::string garbage("\x00\x01\xFF\xFE\x7F{}", 8);
  for (const std::string& file : {std::string(), std::string("\n\n\r\n  \n"), std::string("Hello\nWorld\n"),
                                 std::string(" 1\x1\n") + garbage.substr(1), std::string(10 << 20, 'a')}) {
    const Read r = ReadText(file);
    EXPECT_EQ(r.outcome.status, ReadStatus::NothingRecognised);
    EXPECT_EQ(r.outcome.kind, FormatKind::NoneRecognised);
    EXPECT_EQ(r.outcome.loadedKind, "");
    EXPECT_EQ(r.outcome.message, kNothing);
    EXPECT_TRUE(r.rows.empty());
  }
}

TEST(ReadSubtitleFile, line_ends_lf_crlf_and_cr_only_read_alike) {
  const std::string lines[] = {"1", "00:00:01,000 --> 00:00:02,000", "a", "", "2", "00:00:03,000 --> 00:00:04,000", "b"};
  const std::vector expected{Row(1, "00:00:01,000", "00:00:02,000", "a"), Row(2, "00:00:03,000", "00:00:04,000", "b")};
  for (const std::string end : {"\n", "\r\n", "\r"}) {
    std::string file;
    for (const std::string& line : lines) file += line + end;
    EXPECT_EQ(ReadText(file).rows, expected) << (end == "\r" ? "CR" : end == "\n" ? "LF" : "CRLF");
  }
  // An old Mac file that gained a CR LF here and there (an editor's last line, say) reads the same.
  std::string mixed;
  for (std::size_t i = 0; i < std::size(lines); ++i) mixed += lines[i] + (i == 2 || i + 1 == std::size(lines) ? "\r\n" : "\r");
  EXPECT_EQ(ReadText(mixed).rows, expected) << "CR with CR LF";
  // In a file whose line end is LF, a CR cuts the rest of its line.
  EXPECT_EQ(ReadText("{1}{2}a\rjunk\n{3}{4}b\r\n").rows, (std::vector{Row(1, "1", "2", "a"), Row(2, "3", "4", "b")}));
  EXPECT_EQ(ReadPath(DataFile("srt_cr_only.srt")).rows.size(), 3u);
}

TEST(ReadSubtitleFile, encodings_are_recognised_and_decoded) {
  struct Case {
    const char* file;
    TextEncoding encoding;
  };
  const Case cases[] = {
      {"srt_windows1250.srt", TextEncoding::Windows1250},
      {"srt_utf8.srt", TextEncoding::Utf8},
      {"srt_bom_first_block.srt", TextEncoding::Utf8Bom},
      {"srt_utf16le_bom.srt", TextEncoding::Utf16LE},
      {"srt_utf16be_bom.srt", TextEncoding::Utf16BE},
  };
  for (const Case& c : cases) {
    const Read r = ReadPath(DataFile(c.file));
    EXPECT_EQ(r.outcome.status, ReadStatus::Complete) << c.file;
    EXPECT_EQ(r.outcome.encoding, c.encoding) << c.file;
    // With the mark recognised the first block is read too.
    ASSERT_EQ(r.rows.size(), 2u) << c.file;
    EXPECT_EQ(r.rows[0], Row(1, "00:00:01,000", "00:00:02,000", "Árvíztűrő|tükörfúrógép")) << c.file;
    EXPECT_EQ(r.rows[1].Szoveg, "Őszi „idő” – €") << c.file;
  }
}

TEST(ReadSubtitleFile, malformed_bytes_in_a_utf8_file_become_replacement_characters) {
  const Read r = ReadText("\xEF\xBB\xBF{1}{2}a\xFF\xC3" "b|\xC5\x91");
  EXPECT_EQ(r.outcome.encoding, TextEncoding::Utf8Bom);
  EXPECT_EQ(r.rows, (std::vector{Row(1, "1", "2", "a\uFFFD\uFFFDb|ő")}));
}

TEST(ReadSubtitleFile, gauge_moves_by_the_line_count_and_reports_only_changes) {
  std::string file;
  for (int i = 0; i < 250; ++i) file += "{" + std::to_string(i) + "}{1}x\n";
  std::vector<int> seen;
  ReadOptions options;
  options.progress = [&](int gauge) { seen.push_back(gauge); };
  ReadText(file, options);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), 1);  // the gauge starts at 0; two lines make one step
  EXPECT_EQ(seen.back(), 100);
  for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_EQ(seen[i], seen[i - 1] + 1);

  seen.clear();
  ReadText("{1}{2}a\n{3}{4}b\n", options);  // fewer than 100 lines: no gauge
  EXPECT_TRUE(seen.empty());
}

TEST(ReadSubtitleFile, appends_to_a_table_that_has_rows) {
  SubtitleTable table;
  table.AppendRow(Row(1, "0", "5", "first disc"));
  ReadOptions options;
  options.firstRowNumber = 2;
  const ReadOutcome outcome = ReadSubtitleBytes("{10}{20}a\n", table, options);
  EXPECT_EQ(outcome.rowsRead, 1u);
  EXPECT_EQ(table.CopyRows(), (std::vector{Row(1, "0", "5", "first disc"), Row(2, "10", "20", "a")}));
}

// An SRT file of a megabyte and more is read in two parts at once, the second from a block start
// near the middle. The same blocks with CR line ends are read in one part: both must give the
// same rows and the same stop.
std::string BigSrt(int blocks, int badBlock, const std::string& badLine, const char* lineEnd) {
  std::string file;
  for (int n = 1; n <= blocks; ++n) {
    const std::string counter = n == badBlock && badLine.find("-->") == std::string::npos ? badLine : std::to_string(n);
    const std::string times = n == badBlock && badLine.find("-->") != std::string::npos
                                  ? badLine
                                  : "00:00:" + std::to_string(10 + n % 50) + ",000 --> 00:00:" + std::to_string(10 + n % 50) + ",500";
    file += counter + lineEnd + times + lineEnd;
    if (n % 7 != 0) file += "sor " + std::to_string(n) + " őrült" + lineEnd;  // every 7th block has no text
    if (n % 3 == 0) file += "második sor" + std::string(lineEnd);
    file += lineEnd;
  }
  return file;
}

TEST(ReadSubtitleFile, a_big_srt_read_in_two_parts_reads_as_in_one) {
  struct Case {
    const char* what;
    int badBlock;
    std::string badLine;
    ReadStatus status;
    std::size_t rows;
  };
  const int blocks = 30'000;  // about 1.5 MB
  const Case cases[] = {
      {"whole file", -1, "", ReadStatus::Complete, 30'000},
      {"bad counter in the second half", 25'000, "x", ReadStatus::StoppedAtBadLine, 24'999},
      {"bad time line in the first half", 1'000, "00:00:01,000 -> 00:00:02,000", ReadStatus::StoppedAtBadLine, 999},
      {"bad counter near the middle", 15'001, "12a", ReadStatus::StoppedAtBadLine, 15'000},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const std::string lf = BigSrt(blocks, c.badBlock, c.badLine, "\r\n");
    ASSERT_GT(lf.size(), 1u << 20);
    WriteBytes(dir.File("big.srt"), lf);
    WriteBytes(dir.File("cr.srt"), BigSrt(blocks, c.badBlock, c.badLine, "\r"));
    std::vector<int> gauge;
    SubtitleTable table;
    ReadOptions options;
    options.progress = [&](int value) { gauge.push_back(value); };
    const ReadOutcome twoParts = ReadSubtitleFile(dir.File("big.srt"), table, options);
    const Read onePart = ReadPath(dir.File("cr.srt"));
    const Read fromMemory = ReadText(lf);
    EXPECT_EQ(twoParts.status, c.status) << c.what;
    EXPECT_EQ(table.RecordCount(), c.rows) << c.what;
    EXPECT_EQ(twoParts.rowsRead, c.rows) << c.what;
    EXPECT_EQ(twoParts.message, onePart.outcome.message) << c.what;
    EXPECT_EQ(twoParts.loadErrorReason, onePart.outcome.loadErrorReason) << c.what;
    EXPECT_TRUE(table.CopyRows() == onePart.rows) << c.what;
    EXPECT_TRUE(fromMemory.rows == onePart.rows) << c.what;
    EXPECT_EQ(fromMemory.outcome.message, onePart.outcome.message) << c.what;
    ASSERT_FALSE(table.IsEmpty());
    EXPECT_EQ(table.At(table.RecordCount() - 1).Sorszam, static_cast<int>(c.rows)) << c.what;
    EXPECT_TRUE(std::is_sorted(gauge.begin(), gauge.end())) << c.what;
    if (c.status == ReadStatus::Complete) {
      EXPECT_EQ(gauge.back(), 100) << c.what;
    }
  }
}

std::string BigSub(int lines, int badLine, const char* lineEnd) {
  std::string file;
  for (int n = 1; n <= lines; ++n) {
    if (n == badLine) {
      file += std::string("nem sor") + lineEnd;
    } else if (n % 101 == 0) {
      file += "{" + std::to_string(n) + "}{" + lineEnd;  // cut short: a row without a number
    } else {
      file += "{" + std::to_string(10 * n) + "}{" + std::to_string(10 * n + 5) + "}sor " + std::to_string(n) +
              (n % 3 == 0 ? "|őrült" : "") + lineEnd;
    }
  }
  return file;
}

TEST(ReadSubtitleFile, a_big_sub_read_in_two_parts_reads_as_in_one) {
  const int lines = 60'000;  // about 1.5 MB
  struct Case {
    const char* what;
    int badLine;
    ReadStatus status;
    std::size_t rows;
  };
  const Case cases[] = {
      {"whole file", -1, ReadStatus::Complete, 60'000},
      {"bad line in the second half", 50'000, ReadStatus::StoppedAtBadLine, 49'999},
      {"bad line in the first half", 10, ReadStatus::StoppedAtBadLine, 9},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const std::string lf = BigSub(lines, c.badLine, "\r\n");
    ASSERT_GT(lf.size(), 1u << 20);
    WriteBytes(dir.File("big.sub"), lf);
    WriteBytes(dir.File("cr.sub"), BigSub(lines, c.badLine, "\r"));
    const Read twoParts = ReadPath(dir.File("big.sub"));
    const Read onePart = ReadPath(dir.File("cr.sub"));
    EXPECT_EQ(twoParts.outcome.status, c.status) << c.what;
    EXPECT_EQ(twoParts.rows.size(), c.rows) << c.what;
    EXPECT_EQ(twoParts.outcome.message, onePart.outcome.message) << c.what;
    EXPECT_TRUE(twoParts.rows == onePart.rows) << c.what;
    EXPECT_TRUE(ReadText(lf).rows == onePart.rows) << c.what;
    EXPECT_EQ(twoParts.rows.back().Sorszam, static_cast<int>(c.rows)) << c.what;
  }
}

TEST(ReadSubtitleFile, reads_a_large_file_in_chunks_as_it_reads_it_from_memory) {
  // The file is read in 256 KiB chunks: lines, a multi-byte character at the fourth boundary and a
  // 3 MiB line cross them.
  std::string file;
  int n = 0;
  while (file.size() < (1u << 20) - 100) file += "{" + std::to_string(n++) + "}{1}ascii text\r\n";
  file += "{x}{y}" + std::string((1u << 20) - 1 - file.size() - 6, 'p') + "ő\r\n";
  ASSERT_EQ(file.substr((1u << 20) - 1, 2), "ő");
  file += "{1}{2}" + std::string(3u << 20, 'L') + "\r\n";
  while (file.size() < (5u << 20)) file += "{" + std::to_string(n++) + "}{1}more text\r\n";
  TempDir dir;
  WriteBytes(dir.File("big.sub"), file);
  const Read fromFile = ReadPath(dir.File("big.sub"));
  const Read fromMemory = ReadText(file);
  EXPECT_EQ(fromFile.outcome.status, ReadStatus::Complete);
  EXPECT_EQ(fromFile.outcome.encoding, TextEncoding::Utf8);
  EXPECT_EQ(fromFile.rows.size(), static_cast<std::size_t>(n) + 2);
  EXPECT_TRUE(fromFile.rows == fromMemory.rows);
}

Message Unreadable(const std::string& name, const std::string& reason) {
  return {"Hiba", "hiba", "Nem sikerült beolvasni a következő file-t: " + name, reason};
}

TEST(ReadSubtitleFile, a_file_that_cannot_be_read_gives_a_clear_message_and_no_rows) {
  TempDir dir;
  struct Case {
    std::string path;
    Message message;
  };
  const Case cases[] = {
      {dir.File("missing.srt"), Unreadable("missing.srt", "A file nem létezik.")},
      {dir.Path().string(), Unreadable(dir.Path().filename().string(), "Ez nem file, hanem mappa.")},
      {"/dev/zero", Unreadable("zero", "Ez nem közönséges file (hanem eszköz vagy csővezeték).")},
      {dir.File("missing/a.srt"), Unreadable("a.srt", "A file nem létezik.")},
  };
  for (const Case& c : cases) {
    const Read r = ReadPath(c.path);
    EXPECT_EQ(r.outcome.status, ReadStatus::Unreadable) << c.path;
    EXPECT_EQ(r.outcome.message, c.message) << c.path;
    EXPECT_TRUE(r.rows.empty()) << c.path;
  }
}

TEST(ReadSubtitleFile, a_file_without_read_permission_gives_a_clear_message) {
  TempDir dir;
  const std::string path = dir.File("locked.srt");
  WriteBytes(path, "1\n00:00:01,000 --> 00:00:02,000\na\n");
  ::chmod(path.c_str(), 0);
  ::chmod(dir.Path().c_str(), 0755);
  // The superuser reads any file, so the read runs as an ordinary user in a child process.
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
        const Read r = ReadPath(path);
        const bool ok = r.outcome.status == ReadStatus::Unreadable &&
                        r.outcome.message == Unreadable("locked.srt", "Nincs jogosultság a file eléréséhez.") &&
                        r.rows.empty();
        std::_Exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace lumora
