// lumora-cli run as a user runs it: a real process, its output streams and its exit status.
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/subtitle/file_test_support.h"

namespace lumora {
namespace {

using testing_files::DataFile;
using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class Cli : public ::testing::Test {
 protected:
  TempDir dir;

  CliRun Call(const std::string& arguments) {
    const std::string out = dir.File("stdout.txt");
    const std::string err = dir.File("stderr.txt");
    const std::string command = std::string("'") + LUMORA_CLI + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadBytes(out);
    run.err = ReadBytes(err);
    return run;
  }
  std::string Quoted(const std::string& path) { return "'" + path + "'"; }
};

TEST_F(Cli, dump_prints_one_line_per_row) {
  const CliRun run = Call("dump " + Quoted(DataFile("srt_windows1250.srt")));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "1\t00:00:01,000\t00:00:02,000\tÁrvíztűrő|tükörfúrógép\n"
            "2\t00:00:03,000\t00:00:04,000\tŐszi „idő” – €\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(Cli, dump_exit_statuses_and_messages) {
  struct Case {
    std::string arguments;
    int status;
    std::string out;
    std::string err;
  };
  WriteBytes(dir.File("garbage.bin"), std::string("\x00\x01\x02 no subtitle here\n", 21));
  const Case cases[] = {
      {"dump " + Quoted(DataFile("sub_trailing_empty_line.sub")), 3,
       "1\t1\t50\tElső sor\n2\t51\t100\tMásodik|sor\n", "Hiba\nHiba a file-ban!\nCsak eddig tudtam betölteni a file-t!\n"},
      {"dump " + Quoted(DataFile("srt_counter_trailing_blank.srt")), 3, "1\t00:00:01,000\t00:00:02,000\tElső\n",
       "Hiba\nHiba a file-ban! Csak eddig tudtam betölteni a file-t!\n"
       "A hiba oka: A következő sor sorszáma ez:'2 ', ami talán rossz!\n                       (vagy a 2. sor üres)\n"},
      {"dump " + Quoted(DataFile("timerange_br.sub")), 0,
       "\t00:00:01,500\t00:00:03,000\tElső sor|második sor\n\t00:00:04,000\t00:00:05,250\t\n"
       "\t00:01:00,000\t00:01:02,000\tVége\n",
       ""},
      {"dump " + Quoted(dir.File("garbage.bin")), 4, "",
       "Hiba\nHiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!\n"
       "Vagy a file értelmezhetetlen típust tartalmaz!\n"},
      {"dump " + Quoted(dir.File("nincs.srt")), 1, "",
       "Hiba\nNem sikerült beolvasni a következő file-t: nincs.srt\nA file nem létezik.\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = Call(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_EQ(run.out, c.out) << c.arguments;
    EXPECT_EQ(run.err, c.err) << c.arguments;
  }
}

TEST_F(Cli, check_names_layout_mode_encoding_and_rows) {
  CliRun run = Call("check " + Quoted(DataFile("srt_bom_first_block.srt")));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "Formátum: 2 (SRT, számozott blokkok)\nIdőalap: Time\nKódolás: UTF-8 BOM\nSorok száma: 2\n");
  run = Call("check " + Quoted(DataFile("sub_trailing_empty_line.sub")));
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.out.find("Formátum: 1 (SUB, képkocka alapú sorok)\nIdőalap: Frame\nKódolás: Windows-1250\n"
                         "Sorok száma: 2\n"),
            std::string::npos);
  EXPECT_EQ(run.err, "Hiba\nHiba a file-ban!\nCsak eddig tudtam betölteni a file-t!\n");
  EXPECT_EQ(Call("check " + Quoted(dir.Path().string())).status, 1);
}

TEST_F(Cli, convert_writes_the_format_of_the_timing_mode_in_the_same_encoding) {
  const std::string out = dir.File("out.srt");
  const CliRun run = Call("convert " + Quoted(DataFile("srt_utf16le_bom.srt")) + " " + Quoted(out));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(ReadBytes(out), ReadBytes(DataFile("srt_utf16le_bom.srt")));
  // Time ranges are a Time subtitle: they go to SRT.
  const CliRun ranges = Call("convert " + Quoted(DataFile("timerange_br.sub")) + " " + Quoted(dir.File("r.SRT")));
  EXPECT_EQ(ranges.status, 0);
  const std::string firstBlock = "1\r\n00:00:01,500 --> 00:00:03,000\r\nEls\xF5 sor\r\nm\xE1sodik sor\r\n\r\n";
  EXPECT_EQ(ReadBytes(dir.File("r.SRT")).substr(0, firstBlock.size()), firstBlock);
}

TEST_F(Cli, convert_refuses_a_name_that_does_not_fit_the_mode_and_a_stopped_read) {
  CliRun run = Call("convert " + Quoted(DataFile("srt_utf8.srt")) + " " + Quoted(dir.File("out.sub")));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Eltérés!\nA file neve nem egyezik meg a típussal!\n"
            "Az időalap váltásához meg kell adni a képkockasebességet: --fps FPS\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.sub")));
  run = Call("convert " + Quoted(DataFile("srt_utf8.srt")) + " " + Quoted(dir.File("out.txt")));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Eltérés!\nA file neve nem egyezik meg a típussal!\n"
            "Idő alapú (Time) felirat csak .srt nevű file-ba menthető.\n");
  run = Call("convert " + Quoted(DataFile("sub_trailing_empty_line.sub")) + " " + Quoted(dir.File("out.sub")));
  EXPECT_EQ(run.status, 3);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.sub")));
}

TEST_F(Cli, convert_onto_a_read_only_file_fails_and_keeps_it) {
  const std::string out = dir.File("locked.srt");
  WriteBytes(out, "old");
  ::chmod(out.c_str(), 0444);
  const CliRun run = Call("convert " + Quoted(DataFile("srt_utf8.srt")) + " " + Quoted(out));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "Írásvédett file!\nÍrásvédett a következő file: locked.srt\nA kért mentés nem sikerült!\n"
            "Nincs jogosultság a file eléréséhez.\n");
  EXPECT_EQ(ReadBytes(out), "old");
}

TEST_F(Cli, shift_fps_and_convert_run_the_timing_passes) {
  WriteBytes(dir.File("in.sub"), "{25}{50}egy\r\n{100}{120}kett\xF5\r\n");
  const std::string in = Quoted(dir.File("in.sub"));
  const std::string outSub = Quoted(dir.File("out.sub"));
  struct Case {
    std::string arguments;
    std::string out;  // file written
    std::string bytes;
  };
  const Case cases[] = {
      {"shift " + in + " " + outSub + " --by 10", "out.sub", "{35}{60}egy\r\n{110}{130}kett\xF5\r\n"},
      {"shift " + in + " " + outSub + " --by -30", "out.sub", "{0}{20}egy\r\n{70}{90}kett\xF5\r\n"},
      {"fps " + in + " " + outSub + " --from 25 --to 30", "out.sub", "{30}{60}egy\r\n{120}{144}kett\xF5\r\n"},
      {"fps " + in + " " + outSub + " --to 23,976 --from 15", "out.sub", "{39}{79}egy\r\n{159}{191}kett\xF5\r\n"},
      {"convert " + in + " " + Quoted(dir.File("out.srt")) + " --fps 25", "out.srt",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\negy\r\n\r\n2\r\n00:00:04,000 --> 00:00:04,800\r\nkett\xF5\r\n\r\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = Call(c.arguments);
    EXPECT_EQ(run.status, 0) << c.arguments << run.err;
    EXPECT_EQ(ReadBytes(dir.File(c.out)), c.bytes) << c.arguments;
  }
  // Back from time to frames at 23,976: frame 24 -> 00:00:01,001 -> 23, as in the editor.
  WriteBytes(dir.File("t.srt"), "1\r\n00:00:01,001 --> 00:00:10,000\r\nx\r\n\r\n");
  EXPECT_EQ(Call("convert " + Quoted(dir.File("t.srt")) + " " + Quoted(dir.File("t.sub")) + " --fps 23,976").status, 0);
  EXPECT_EQ(ReadBytes(dir.File("t.sub")), "{23}{239}x\r\n");
  EXPECT_EQ(Call("shift " + Quoted(dir.File("t.srt")) + " " + Quoted(dir.File("u.srt")) + " --by -00:00:02,000").status, 0);
  EXPECT_EQ(ReadBytes(dir.File("u.srt")), "1\r\n00:00:00,000 --> 00:00:08,000\r\nx\r\n\r\n");
}

TEST_F(Cli, timing_commands_refuse_bad_values_with_the_windows_messages) {
  const std::string sub = Quoted(dir.File("in.sub"));
  const std::string out = Quoted(dir.File("out.sub"));
  WriteBytes(dir.File("in.sub"), "{25}{50}egy\r\n");
  struct Case {
    std::string arguments;
    std::string err;
  };
  const Case cases[] = {
      {"shift " + sub + " " + out + " --by 05", "Hiba!\nHiba az értékben!\n0-val nem kezdődhet az érték!\n"},
      {"shift " + sub + " " + out + " --by 0", "Felhívás\n0-val nem lenne értelme módosítani!\n"},
      {"shift " + sub + " " + out + " --by 1:5", "Hiba!\nHiba az értékben!\nÜss be egy egész számot!\n"},
      {"convert " + sub + " " + Quoted(dir.File("out.srt")),
       "Eltérés!\nA file neve nem egyezik meg a típussal!\n"
       "Az időalap váltásához meg kell adni a képkockasebességet: --fps FPS\n"},
      {"convert " + sub + " " + Quoted(dir.File("out.srt")) + " --fps 25.0",
       "Hiba!\nHibás FPS érték: 25.0\nHelyes megadás pl: 25 vagy 23,976\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = Call(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments;
    EXPECT_EQ(run.err, c.err) << c.arguments;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.sub")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.srt")));
  const CliRun rates = Call("fps " + sub + " " + out + " --from x --to 30");
  EXPECT_EQ(rates.status, 2);
  EXPECT_NE(rates.err.find("FPS módosítás\n"), std::string::npos);
}

TEST_F(Cli, usage_errors_and_help) {
  for (const char* wrong : {"", "dump", "dump a b", "convert a", "frobnicate x", "shift a b", "shift a b --by",
                            "fps a b --from 25", "dump a --fps 25"}) {
    const CliRun run = Call(wrong);
    EXPECT_EQ(run.status, 2) << wrong;
    EXPECT_NE(run.err.find("lumora-cli"), std::string::npos) << wrong;
  }
  for (const char* help : {"--help", "dump --help", "check -h", "convert --help", "shift --help", "fps -h"}) {
    const CliRun run = Call(help);
    EXPECT_EQ(run.status, 0) << help;
    EXPECT_NE(run.out.find("Használat: lumora-cli"), std::string::npos) << help;
  }
}

}  // namespace
}  // namespace lumora
