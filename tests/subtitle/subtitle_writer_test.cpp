#include "subtitle/subtitle_writer.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "subtitle/subtitle_reader.h"
#include "tests/subtitle/file_test_support.h"

namespace lumora {
namespace {

using testing_files::DataFile;
using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;

SubtitleTable TableOf(std::vector<SubtitleRow> rows) {
  SubtitleTable table;
  table.ReplaceRows(std::move(rows));
  return table;
}

SubtitleRow Row(std::optional<std::int32_t> n, std::string start, std::string end, std::string text) {
  return {n, std::move(start), std::move(end), std::move(text)};
}

std::vector<std::optional<std::int32_t>> NumbersOf(const SubtitleTable& table) {
  std::vector<std::optional<std::int32_t>> numbers;
  for (const TableRow& row : table.Rows()) numbers.push_back(row.Sorszam);
  return numbers;
}

Message ReadOnlyMessage(const std::string& name) {
  return {"Írásvédett file!", "hiba", "Írásvédett a következő file: " + name, "A kért mentés nem sikerült!"};
}

TEST(WriteSrtFile, writes_numbered_blocks_with_the_text_split_at_bars) {
  TempDir dir;
  SubtitleTable table = TableOf({
      Row(1, "00:00:01,000", "00:00:02,000", "Egy|Kettő"),
      Row(2, "", "00:00:03,000", "no start: left out"),
      Row(3, "00:00:04,000", "00:00:05,000", ""),
      Row(4, "00:00:06,000", "00:00:07,000", "trailing bar|"),
      Row(5, "00:00:08,000", "", "no end: left out"),
      Row(9, "00:00:09,000", "00:00:10,000", "a||b"),
      Row(9, "00:00:11,000", "00:00:12,000", "|"),
  });
  table.SetRecNo(4);
  const std::string path = dir.File("out.srt");
  const WriteOutcome outcome = WriteSrtFile(path, table, TextEncoding::Utf8);
  ASSERT_TRUE(outcome.ok);
  EXPECT_FALSE(outcome.message);
  EXPECT_EQ(ReadBytes(path),
            "1\r\n00:00:01,000 --> 00:00:02,000\r\nEgy\r\nKettő\r\n\r\n"
            "2\r\n00:00:04,000 --> 00:00:05,000\r\n\r\n\r\n"
            "3\r\n00:00:06,000 --> 00:00:07,000\r\ntrailing bar\r\n\r\n"
            "4\r\n00:00:09,000 --> 00:00:10,000\r\na\r\n\r\nb\r\n\r\n"
            "5\r\n00:00:11,000 --> 00:00:12,000\r\n\r\n\r\n");
  // Written rows take their SRT number; rows left out keep theirs.
  EXPECT_EQ(NumbersOf(table), (std::vector<std::optional<std::int32_t>>{1, 2, 2, 3, 5, 4, 5}));
  EXPECT_EQ(table.RecNo(), 1u);
}

TEST(WriteSubFile, writes_one_line_per_row_keeping_bars) {
  TempDir dir;
  SubtitleTable table = TableOf({
      Row(7, "10", "20", "Egy|Kettő"),
      Row(std::nullopt, "30", "", "left out"),
      Row(3, "40", "50", "{y:i}dőlt"),
      Row(3, "60", "70", ""),
  });
  const std::string path = dir.File("out.sub");
  ASSERT_TRUE(WriteSubFile(path, table, TextEncoding::Windows1250).ok);
  EXPECT_EQ(ReadBytes(path), "{10}{20}Egy|Kett\xF5\r\n{40}{50}{y:i}d\xF5lt\r\n{60}{70}\r\n");
  // Every row, written or not, takes its position.
  EXPECT_EQ(NumbersOf(table), (std::vector<std::optional<std::int32_t>>{1, 2, 3, 4}));
}

TEST(Writers, an_empty_table_gives_an_empty_file) {
  TempDir dir;
  SubtitleTable table;
  ASSERT_TRUE(WriteSrtFile(dir.File("a.srt"), table).ok);
  ASSERT_TRUE(WriteSubFile(dir.File("a.sub"), table).ok);
  EXPECT_EQ(ReadBytes(dir.File("a.srt")), "");
  EXPECT_EQ(ReadBytes(dir.File("a.sub")), "");
}

TEST(Writers, report_progress_by_rows) {
  TempDir dir;
  std::vector<SubtitleRow> rows(300, Row(1, "1", "2", "x"));
  SubtitleTable table = TableOf(rows);
  std::vector<int> seen;
  ASSERT_TRUE(WriteSubFile(dir.File("a.sub"), table, TextEncoding::Windows1250, [&](int g) { seen.push_back(g); }).ok);
  ASSERT_EQ(seen.size(), 100u);
  EXPECT_EQ(seen.front(), 1);
  EXPECT_EQ(seen.back(), 100);
}

// A read followed by a write of the unchanged table gives back the file's bytes.
TEST(RoundTrip, every_encoding_comes_back_byte_for_byte) {
  TempDir dir;
  for (const char* name : {"srt_windows1250.srt", "srt_utf8.srt", "srt_bom_first_block.srt", "srt_utf16le_bom.srt",
                           "srt_utf16be_bom.srt"}) {
    SubtitleTable table;
    const ReadOutcome read = ReadSubtitleFile(DataFile(name), table);
    ASSERT_EQ(read.status, ReadStatus::Complete) << name;
    const std::string out = dir.File(name);
    ASSERT_TRUE(WriteSrtFile(out, table, read.encoding).ok) << name;
    EXPECT_EQ(ReadBytes(out), ReadBytes(DataFile(name))) << name;
  }
}

TEST(RoundTrip, windows1250_keeps_every_byte_of_a_sub_text) {
  // Every byte but the line ends, the undefined ones of the code page included.
  std::string text;
  for (int b = 0; b < 256; ++b) {
    if (b != '\r' && b != '\n') text += static_cast<char>(b);
  }
  const std::string file = "{1}{2}" + text + "\r\n{3}{4}" + text.substr(128) + "\r\n";
  TempDir dir;
  WriteBytes(dir.File("in.sub"), file);
  SubtitleTable table(TableShape{12, 1000, true});
  const ReadOutcome read = ReadSubtitleFile(dir.File("in.sub"), table);
  ASSERT_EQ(read.encoding, TextEncoding::Windows1250);
  ASSERT_EQ(table.RecordCount(), 2u);
  ASSERT_TRUE(WriteSubFile(dir.File("out.sub"), table, read.encoding).ok);
  EXPECT_EQ(ReadBytes(dir.File("out.sub")), file);
}

// ---- safe saving ----

class SafeSave : public ::testing::Test {
 protected:
  TempDir dir;
  std::string target = dir.File("film.srt");
  SubtitleTable table = TableOf({Row(1, "00:00:01,000", "00:00:02,000", "új szöveg")});
  const std::string oldBytes = "old contents\r\n";

  void ExpectUnchangedAndAlone() {
    EXPECT_EQ(ReadBytes(target), oldBytes);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"film.srt"});  // no temporary file left
    EXPECT_EQ(table.At(0).Sorszam, 1);
  }
};

TEST_F(SafeSave, replaces_the_file_keeping_its_permissions) {
  WriteBytes(target, oldBytes);
  ::chmod(target.c_str(), 0640);
  ASSERT_TRUE(WriteSrtFile(target, table).ok);
  EXPECT_EQ(ReadBytes(target), "1\r\n00:00:01,000 --> 00:00:02,000\r\n\xFAj sz\xF6veg\r\n\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"film.srt"});
}

TEST_F(SafeSave, a_read_only_target_fails_and_stays_as_it_was) {
  // A file without write permission is not replaced, by the superuser either (as CI runs).
  WriteBytes(target, oldBytes);
  ::chmod(target.c_str(), 0444);
  const WriteOutcome outcome = WriteSrtFile(target, table);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, ReadOnlyMessage("film.srt"));
  EXPECT_EQ(outcome.reason, "Nincs jogosultság a file eléréséhez.");
  ExpectUnchangedAndAlone();
}

TEST_F(SafeSave, a_full_disk_fails_with_the_same_message) {
  const WriteOutcome outcome = WriteSubFile("/dev/full", table);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, ReadOnlyMessage("full"));
  EXPECT_EQ(outcome.reason, "Nincs elég hely a lemezen.");
}

TEST_F(SafeSave, running_out_of_space_midway_leaves_the_old_file_and_no_partial_one) {
  WriteBytes(target, oldBytes);
  table = TableOf(std::vector<SubtitleRow>(20000, Row(1, "00:00:01,000", "00:00:02,000", "egy kicsit hosszabb szöveg")));
  // A file size limit stops the write after 64 KiB, as a disk filling up would (root too).
  struct rlimit saved {};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limited = saved;
  limited.rlim_cur = 64 * 1024;
  ::setrlimit(RLIMIT_FSIZE, &limited);
  const WriteOutcome outcome = WriteSrtFile(target, table);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, ReadOnlyMessage("film.srt"));
  EXPECT_EQ(ReadBytes(target), oldBytes);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"film.srt"});
  EXPECT_EQ(table.At(0).Sorszam, 1);
  EXPECT_EQ(table.At(1).Sorszam, 1);  // not renumbered: nothing was saved
}

TEST_F(SafeSave, a_missing_folder_or_a_folder_as_target_fails) {
  const std::string inMissing = dir.File("nincs/film.srt");
  EXPECT_EQ(WriteSrtFile(inMissing, table).message, ReadOnlyMessage("film.srt"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("nincs")));
  std::filesystem::create_directory(dir.File("mappa.srt"));
  const WriteOutcome outcome = WriteSrtFile(dir.File("mappa.srt"), table);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.reason, "Ez nem file, hanem mappa.");
}

TEST_F(SafeSave, a_symbolic_link_stays_a_link_to_the_new_contents) {
  WriteBytes(target, oldBytes);
  const std::string link = dir.File("link.srt");
  std::filesystem::create_symlink(target, link);
  ASSERT_TRUE(WriteSrtFile(link, table).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(target).substr(0, 3), "1\r\n");
}

TEST_F(SafeSave, a_read_only_folder_stops_an_ordinary_user) {
  WriteBytes(target, oldBytes);
  ::chmod(target.c_str(), 0666);
  ::chmod(dir.Path().c_str(), 0555);
  // The superuser may write into any folder, so the save runs as an ordinary user.
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
        const WriteOutcome outcome = WriteSrtFile(target, table);
        std::_Exit(!outcome.ok && outcome.message == ReadOnlyMessage("film.srt") ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  ExpectUnchangedAndAlone();
}

}  // namespace
}  // namespace lumora
