#include "base/Errors.h"
#include "ProblemImage.h"
#include "storage/FieldCodec.h"
#include "storage/TableFileHooks.h"
#include "storage/TableImage.h"
#include "support/ExpectThrowMsg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <stdlib.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// A save that cannot finish (a full disk, a killed process) must leave the old database file
// exactly as it was, and the next save must still work.

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBigFuncts = 3u << 20;  // several write chunks
constexpr int kUnavailable = 77;

class SaveSafetyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "vantle-save-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
    m_file = (m_dir / "Problems.d").string();
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  static std::string get(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_dir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<std::string> strays() const {
    std::vector<std::string> names = entries();
    names.erase(std::remove(names.begin(), names.end(), "Problems.d"), names.end());
    return names;
  }

  static TableImage problem(const std::string& name, std::size_t functsSize) {
    TableImage image = problemTableImage();
    image.records.push_back(TableRecord{{name, encodeDouble(300), encodeDouble(1500),
                                         encodeDouble(1), encodeSmallInt(100),
                                         encodeSmallInt(100), "", encodeBoolean(true),
                                         std::string(functsSize, 'g'), "Temperature", "P"}});
    return image;
  }

  // Runs the body in a child process (whose limits and signals do not touch this one) and
  // returns its wait status; the body's failures make the child exit with 1.
  template <typename Body>
  static int inChild(Body body) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
      body();
      std::fflush(nullptr);
      ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
    return status;
  }

  fs::path m_dir;
  std::string m_file;
};

void limitFileSize(rlim_t bytes, bool survive) {
  struct rlimit limit {};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, survive ? SIG_IGN : SIG_DFL);
}

enum class KillPoint { FirstChunk, AllWritten };
KillPoint killPoint = KillPoint::FirstChunk;

void killSelf(std::size_t written, std::size_t total) {
  if (killPoint == KillPoint::FirstChunk || written == total) ::kill(::getpid(), SIGKILL);
}

}  // namespace

TEST_F(SaveSafetyTest, FullDiskFailsAndKeepsTheOldFile) {
  writeTable(problem("Old", 100), m_file);
  const std::string before = get(m_file);
  // Room for nothing, for part of the first chunk, and for the first chunk but not the second.
  for (rlim_t room : {rlim_t{0}, rlim_t{100}, rlim_t{(1u << 20) + 4096}}) {
    SCOPED_TRACE(room);
    const int status = inChild([&] {
      limitFileSize(room, true);
      EXPECT_THROW_MSG(writeTable(problem("New", kBigFuncts), m_file), EDatabaseError,
                       "Cannot create file " + m_file);
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(get(m_file), before);
    EXPECT_EQ(entries(), std::vector<std::string>{"Problems.d"});
  }
  writeTable(problem("New", kBigFuncts), m_file);
  EXPECT_EQ(readTable(m_file).records.at(0).values[0], "New");
}

TEST_F(SaveSafetyTest, KilledSaveKeepsTheOldFileAndTheNextSaveWorks) {
  struct Case {
    const char* what;
    KillPoint point;
    bool bySizeLimit;  // killed by the kernel's SIGXFSZ inside write() instead
    int signal;
  };
  const Case cases[] = {
      {"killed after the first chunk", KillPoint::FirstChunk, false, SIGKILL},
      {"killed with everything written, before the replacement", KillPoint::AllWritten, false,
       SIGKILL},
      {"killed inside write() by the file size limit", KillPoint::FirstChunk, true, SIGXFSZ},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeTable(problem("Old", 1000), m_file);
    const std::string before = get(m_file);
    const int status = inChild([&] {
      if (c.bySizeLimit) {
        limitFileSize((1u << 20) + 4096, false);
      } else {
        killPoint = c.point;
        tablefilehooks::setWriteProgress(killSelf);
      }
      writeTable(problem("New", kBigFuncts), m_file);
      ADD_FAILURE() << "the save was not interrupted";
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), c.signal);
    EXPECT_EQ(get(m_file), before);
    EXPECT_EQ(readTable(m_file).records.at(0).values[0], "Old");
    // The killed process leaves its hidden temporary file; it is never taken for the database.
    ASSERT_EQ(strays().size(), 1u);
    EXPECT_EQ(strays()[0].rfind(".vantle-save-", 0), 0u);
    EXPECT_LT(fs::file_size(m_dir / strays()[0]), before.size() + kBigFuncts);

    writeTable(problem("Next", kBigFuncts), m_file);
    EXPECT_EQ(readTable(m_file).records.at(0).values[8], std::string(kBigFuncts, 'g'));
    EXPECT_EQ(strays().size(), 1u);
    for (const std::string& stray : strays()) fs::remove(m_dir / stray);
  }
}

// A real full file system: a small tmpfs in a private mount namespace. Only where the test may
// mount one (root, namespaces allowed); the size-limit test above covers the rest.
TEST_F(SaveSafetyTest, FullFileSystemFailsAndKeepsTheOldFile) {
  const int status = inChild([&] {
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", m_dir.c_str(), "tmpfs", 0, "size=512k") != 0) {
      ::_exit(kUnavailable);
    }
    writeTable(problem("Old", 1000), m_file);
    const std::string before = get(m_file);
    {
      std::ofstream filler(m_dir / "filler", std::ios::binary);
      const std::string block(4096, 'f');
      while (filler.write(block.data(), block.size())) {
      }
    }
    EXPECT_THROW_MSG(writeTable(problem("New", 200000), m_file), EDatabaseError,
                     "Cannot create file " + m_file);
    EXPECT_EQ(get(m_file), before);
    EXPECT_EQ(entries(), (std::vector<std::string>{"Problems.d", "filler"}));
    fs::remove(m_dir / "filler");
    writeTable(problem("New", 200000), m_file);
    EXPECT_EQ(readTable(m_file).records.at(0).values[0], "New");
  });
  if (WIFEXITED(status) && WEXITSTATUS(status) == kUnavailable)
    GTEST_SKIP() << "no tmpfs can be mounted here";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
