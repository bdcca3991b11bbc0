#include "e2e/support/lumena_run.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace lumena::e2e {

namespace {

// Every outside program the program may start; the stubs only write down
// that they were called.
constexpr const char* kStubbedPrograms[] = {"xdg-open", "xdg-email", "xdg-mime", "update-desktop-database"};

void writeStub(const fs::path& folder, const char* name, const fs::path& log) {
  const fs::path stub = folder / name;
  std::ofstream(stub) << "#!/bin/sh\necho \"" << name << " $*\" >> '" << log.string() << "'\n";
  fs::permissions(stub, fs::perms::owner_all);
}

// The environment of the child: ours, with a private home and the stubs
// first on the path.
std::vector<std::string> childEnvironment(const fs::path& home, const fs::path& stubs) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry; ++entry) {
    const std::string value = *entry;
    const std::string name = value.substr(0, value.find('='));
    if (name == "HOME" || name.starts_with("XDG_") || name == "PATH" || name == "LUMENA_PROGRAM_FOLDER") continue;
    env.push_back(value);
  }
  const char* path = std::getenv("PATH");
  env.push_back("PATH=" + stubs.string() + ":" + (path ? path : "/usr/bin:/bin"));
  env.push_back("HOME=" + home.string());
  env.push_back("XDG_CONFIG_HOME=" + (home / ".config").string());
  env.push_back("XDG_DATA_HOME=" + (home / ".local/share").string());
  env.push_back("XDG_RUNTIME_DIR=" + (home / "runtime").string());
  env.push_back("QT_QPA_PLATFORM=xcb");
  return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> result;
  for (std::string& s : strings) result.push_back(s.data());
  result.push_back(nullptr);
  return result;
}

}  // namespace

LumenaRun::LumenaRun()
    : programFolder_(folder_ / "program-folder"), home_(folder_ / "home"), stubs_(folder_ / "stubs") {
  fs::copy(LUMENA_PROGRAM_FOLDER, programFolder_, fs::copy_options::recursive);
  fs::create_directories(home_ / "runtime");
  fs::permissions(home_ / "runtime", fs::perms::owner_all);
  fs::create_directories(stubs_);
  for (const char* name : kStubbedPrograms) writeStub(stubs_, name, folder_ / "outside-calls.txt");
}

LumenaRun::~LumenaRun() {
  if (pid_ > 0 && !status_) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
}

void LumenaRun::start(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv = {LUMENA_BINARY_DIR "/bin/lumena", "--program-folder", programFolder_.string(),
                                   "--no-intro"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<std::string> env = childEnvironment(home_, stubs_);
  std::vector<char*> argp = pointers(argv), envp = pointers(env);
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("cannot start lumena");
  if (pid_ == 0) {
    ::execve(argp[0], argp.data(), envp.data());
    ::_exit(127);
  }
}

bool LumenaRun::running() { return !waitForExit(0); }

std::optional<int> LumenaRun::waitForExit(double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!status_ && pid_ > 0) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return status_;
}

std::vector<std::string> LumenaRun::outsideProgramCalls(std::string_view program) const {
  std::ifstream in(folder_ / "outside-calls.txt");
  std::vector<std::string> calls;
  for (std::string line; std::getline(in, line);)
    if (line.starts_with(std::string(program) + " ")) calls.push_back(line);
  return calls;
}

}  // namespace lumena::e2e
