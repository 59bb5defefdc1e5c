#pragma once
// Replacing a file without ever leaving a half-written one in its place: the bytes go to a
// temporary file beside the target, which is renamed over the target only when every byte has
// reached the disk. A failed save leaves the old file as it was and no temporary file behind.
#include <string>
#include <string_view>

namespace lumora {

class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::string path);
  ~SafeFileWriter();  // an uncommitted write is thrown away
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  /// Checks the target and creates the temporary file. An existing target that is read-only
  /// fails with EACCES, also for the superuser: a file without any write permission is not
  /// replaced, as a read-only file is not on Windows. A target that is not a regular file (a
  /// device such as /dev/full) is written directly.
  bool Open();
  bool Write(std::string_view bytes);
  /// Flushes to the disk and puts the new file in place of the target.
  bool Commit();

  /// The errno of the first failure; 0 while all went well.
  int Error() const { return error_; }

 private:
  bool Fail(int error);
  void Discard();

  std::string path_;
  std::string target_;     // the file to replace (a symbolic link's target)
  std::string temporary_;  // empty when writing directly
  int fd_ = -1;
  long long written_ = 0;  // bytes written to the temporary file
  int error_ = 0;
  bool committed_ = false;
};

}  // namespace lumora
