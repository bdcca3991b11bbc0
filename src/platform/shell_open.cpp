#include "platform/shell_open.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/text.h"

extern char** environ;

namespace lumena {

namespace {

pid_t Spawn(const std::vector<std::string>& command) {
  if (command.empty()) return -1;
  std::vector<char*> argv;
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

int WaitFor(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

bool StartDetached(const std::vector<std::string>& command) {
  const pid_t pid = Spawn(command);
  if (pid < 0) return false;
  std::thread([pid] { WaitFor(pid); }).detach();
  return true;
}

int RunAndWait(const std::vector<std::string>& command) {
  const pid_t pid = Spawn(command);
  return pid < 0 ? -1 : WaitFor(pid);
}

bool ProgramOnPath(std::string_view name) {
  const char* path = std::getenv("PATH");
  if (!path) return false;
  for (const std::string& folder : SplitAt(path, ':')) {
    if (folder.empty()) continue;
    const std::filesystem::path candidate = std::filesystem::path(folder) / name;
    if (::access(candidate.c_str(), X_OK) == 0) return true;
  }
  return false;
}

bool OpenWithDefaultProgram(std::string_view address) {
  const char* opener = std::getenv("LUMENA_OPEN_COMMAND");
  return StartDetached({opener && *opener ? opener : "xdg-open", std::string(address)});
}

}  // namespace lumena
