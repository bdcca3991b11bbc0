#pragma once
// Permission tests mean nothing to root, who may write anywhere: as root the
// check runs in a child process as user and group 65534 (nobody).
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace lumena::testing {

inline constexpr unsigned kUnprivilegedId = 65534;

// Runs `check` without privileges and returns what it returned (-1 when it
// could not be run so).
inline int RunUnprivileged(const std::function<int()>& check) {
  if (::geteuid() != 0) return check();
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedId) != 0 || ::setuid(kUnprivilegedId) != 0) ::_exit(127);
    ::_exit(check());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace lumena::testing
