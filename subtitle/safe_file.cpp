#include "subtitle/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace lumora {

namespace {

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

int CreateTemporaryBeside(const std::string& target, std::string& name) {
  const std::string dir = DirectoryOf(target);
  const auto slash = target.rfind('/');
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = dir + "/." + base + ".mentes-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    // 0666 so the process's umask decides, as for any new file.
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

void SyncDirectory(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename is done either way
  ::close(fd);
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::string path) : path_(std::move(path)) {}

SafeFileWriter::~SafeFileWriter() {
  if (!committed_) Discard();
}

bool SafeFileWriter::Fail(int error) {
  if (error_ == 0) error_ = error;
  Discard();
  return false;
}

void SafeFileWriter::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

bool SafeFileWriter::Open() {
  if (path_.empty()) return Fail(ENOENT);
  target_ = path_;
  struct stat st {};
  const bool exists = ::stat(path_.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return Fail(errno);
  if (exists) {
    if (S_ISDIR(st.st_mode)) return Fail(EISDIR);
    if (!S_ISREG(st.st_mode)) {
      // A device or a pipe cannot be replaced; it is written as it is.
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
      return fd_ >= 0 || Fail(errno);
    }
    if (::faccessat(AT_FDCWD, path_.c_str(), W_OK, AT_EACCESS) != 0) return Fail(errno);
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return Fail(EACCES);
    // Replace the file a symbolic link points to, not the link.
    char resolved[PATH_MAX];
    if (::realpath(path_.c_str(), resolved) != nullptr) target_ = resolved;
  }
  fd_ = CreateTemporaryBeside(target_, temporary_);
  if (fd_ < 0) {
    const int error = errno;
    temporary_.clear();
    return Fail(error);
  }
  if (exists) {
    // The new file takes the old one's permissions and, where allowed, its owner.
    ::fchmod(fd_, st.st_mode & 07777);
    if (::fchown(fd_, st.st_uid, st.st_gid) != 0) {
      // Only the superuser may give a file away; the file stays the saver's.
    }
  }
  return true;
}

bool SafeFileWriter::Write(std::string_view bytes) {
  if (fd_ < 0) return Fail(error_ != 0 ? error_ : EBADF);
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(errno);
    }
#if defined(__linux__)
    // Start putting the bytes on the disk now, while the next ones are made: the flush before
    // the rename then waits only for the last of them. Only advice: the flush checks them all.
    if (!temporary_.empty()) ::sync_file_range(fd_, written_, n, SYNC_FILE_RANGE_WRITE);
#endif
    written_ += n;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool SafeFileWriter::Commit() {
  if (fd_ < 0) return Fail(error_ != 0 ? error_ : EBADF);
  if (temporary_.empty()) {  // written directly
    const int result = ::close(fd_);
    fd_ = -1;
    if (result != 0) return Fail(errno);
    committed_ = true;
    return true;
  }
  // A full disk may show itself only now, when the data is flushed.
  if (::fsync(fd_) != 0) return Fail(errno);
  const int result = ::close(fd_);
  fd_ = -1;
  if (result != 0) return Fail(errno);
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(errno);
  temporary_.clear();
  committed_ = true;
  SyncDirectory(DirectoryOf(target_));
  return true;
}

}  // namespace lumora
