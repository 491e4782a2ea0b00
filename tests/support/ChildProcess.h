#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs the body in a child process, as "nobody" when asked and the tests run as root
// (permissions do not bind root, and CI runs as root), with the folder handed over to it. The
// body's failures make the child exit with 1, which fails the calling test.
template <typename Body>
void inChild(const std::filesystem::path& dir, bool unprivileged, Body body) {
  constexpr uid_t kNobody = 65534;
  const bool dropRoot = unprivileged && ::geteuid() == 0;
  if (dropRoot) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
      ASSERT_EQ(::chown(entry.path().c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(dir.c_str(), kNobody, kNobody), 0);
  }
  std::fflush(nullptr);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (dropRoot && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
    body();
    std::fflush(nullptr);
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "the checks in the child process failed (their messages are above)";
}
