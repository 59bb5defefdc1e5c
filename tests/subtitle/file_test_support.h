#pragma once
// Temporary folders and real files for the file tests: the file system is never faked.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "subtitle/subtitle_row.h"
#include "subtitle/subtitle_table.h"

namespace lumora {

inline void PrintTo(const SubtitleRow& row, std::ostream* os) {
  *os << "{" << (row.Sorszam ? std::to_string(*row.Sorszam) : "-") << ", \"" << row.Kezdes << "\", \""
      << row.Befejezes << "\", \"" << row.Szoveg << "\"}";
}

namespace testing_files {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumora-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string DataFile(const std::string& name) { return std::string(LUMORA_TEST_DATA) + "/" + name; }

inline std::vector<SubtitleRow> RowsOf(const SubtitleTable& table) { return table.CopyRows(); }

}  // namespace testing_files
}  // namespace lumora
