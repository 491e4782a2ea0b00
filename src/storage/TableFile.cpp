#include "base/Errors.h"
#include "storage/StorageMessages.h"
#include "storage/TableFileHooks.h"
#include "storage/TableImage.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cerrno>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Whole-file reading and the atomic replacement of a database file (POSIX).

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { reset(); }

  int get() const { return m_fd; }
  bool valid() const { return m_fd >= 0; }
  // Closes now and says whether the close succeeded (a delayed write error shows here).
  bool reset() {
    if (m_fd < 0) return true;
    const bool ok = ::close(m_fd) == 0;
    m_fd = -1;
    return ok;
  }

 private:
  int m_fd;
};

bool readAll(int fd, std::string& bytes) {
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

tablefilehooks::WriteProgress writeProgress = nullptr;

bool writeAll(int fd, const std::string& bytes) {
  constexpr std::size_t kChunk = std::size_t{1} << 20;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t size = std::min(kChunk, bytes.size() - done);
    const ssize_t put = ::write(fd, bytes.data() + done, size);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(put);
    if (writeProgress != nullptr) writeProgress(done, bytes.size());
  }
  return true;
}

// A link is replaced at its target, as writing through it would.
std::filesystem::path saveTarget(const std::string& fileName) {
  std::error_code ec;
  const std::filesystem::path path(fileName);
  if (std::filesystem::is_symlink(path, ec)) {
    auto resolved = std::filesystem::canonical(path, ec);
    if (!ec) return resolved;
  }
  return path;
}

std::string numberText(unsigned long value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, result.ptr);
}

// A new file beside the target, created exclusively; returns -1 when none can be made.
int createTemporary(const std::filesystem::path& target, std::string& tempName) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string leaf = ".vantle-save-" + numberText(static_cast<unsigned long>(::getpid())) +
                             "-" + numberText(counter.fetch_add(1)) + ".tmp";
    tempName = (target.parent_path() / leaf).string();
    const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// An existing file that we may not write is not replaced, as opening it for writing would fail.
bool replaceable(const std::filesystem::path& target) {
  return ::access(target.c_str(), F_OK) != 0 || ::access(target.c_str(), W_OK) == 0;
}

void keepPermissions(int fd, const std::filesystem::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
}

void syncFolder(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
}

}  // namespace

void tablefilehooks::setWriteProgress(WriteProgress hook) { writeProgress = hook; }

TableImage readTable(const std::string& fileName) {
  struct stat info {};
  if (::stat(fileName.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      throw EDatabaseError(storagemsg::errorOpeningFile(fileName));
    }
    throw EDatabaseError(storagemsg::cannotOpenFile(fileName));
  }
  // Only regular files: a folder, a pipe or a device is not a database.
  if (!S_ISREG(info.st_mode)) throw EDatabaseError(storagemsg::cannotOpenFile(fileName));
  FileDescriptor fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
  std::string bytes;
  if (!fd.valid() || !readAll(fd.get(), bytes)) {
    throw EDatabaseError(storagemsg::cannotOpenFile(fileName));
  }
  fd.reset();
  return parseTable(bytes);
}

void writeTable(const TableImage& table, const std::string& fileName) {
  const std::string bytes = buildTable(table);
  const std::filesystem::path target = saveTarget(fileName);
  if (!replaceable(target)) throw EDatabaseError(storagemsg::cannotCreateFile(fileName));
  std::string tempName;
  FileDescriptor fd(createTemporary(target, tempName));
  if (!fd.valid()) throw EDatabaseError(storagemsg::cannotCreateFile(fileName));
  keepPermissions(fd.get(), target);
  const bool written = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
  const bool closed = fd.reset();
  if (!written || !closed || ::rename(tempName.c_str(), target.c_str()) != 0) {
    ::unlink(tempName.c_str());
    throw EDatabaseError(storagemsg::cannotCreateFile(fileName));
  }
  syncFolder(target);
}
