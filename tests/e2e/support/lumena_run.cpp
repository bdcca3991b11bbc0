#include "e2e/support/lumena_run.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "support/unprivileged.h"

extern char** environ;

namespace fs = std::filesystem;

namespace lumena::e2e {

namespace {

// The outside programs the program may start are stubs that note each call
// in the home's "outside-calls.log".
const fs::path kStubs = fs::path(LUMENA_SOURCE_DIR) / "tests" / "stubs";

// The environment of the child: ours, with a private home and the stubs
// first on the path.
std::vector<std::string> ChildEnvironment(const fs::path& home) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry; ++entry) {
    const std::string value = *entry;
    const std::string name = value.substr(0, value.find('='));
    if (name == "HOME" || name.starts_with("XDG_") || name == "PATH" || name == "LUMENA_PROGRAM_FOLDER") continue;
    env.push_back(value);
  }
  const char* path = std::getenv("PATH");
  env.push_back("PATH=" + kStubs.string() + ":" + (path ? path : "/usr/bin:/bin"));
  env.push_back("HOME=" + home.string());
  env.push_back("XDG_CONFIG_HOME=" + (home / ".config").string());
  env.push_back("XDG_DATA_HOME=" + (home / ".local/share").string());
  env.push_back("XDG_RUNTIME_DIR=" + (home / "runtime").string());
  env.push_back("QT_QPA_PLATFORM=xcb");
  return env;
}

// Gives the run's home, and a copy of the X authority, to the unprivileged
// user; the folders above it become passable.
void HandOverToUnprivileged(const fs::path& folder, const fs::path& home, std::vector<std::string>& env) {
  fs::permissions(folder, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  if (const char* auth = std::getenv("XAUTHORITY"); auth && fs::exists(auth)) {
    fs::copy_file(auth, home / ".Xauthority", fs::copy_options::overwrite_existing);
    std::erase_if(env, [](const std::string& entry) { return entry.starts_with("XAUTHORITY="); });
    env.push_back("XAUTHORITY=" + (home / ".Xauthority").string());
  }
  auto own = [](const fs::path& p) {
    if (::chown(p.c_str(), lumena::testing::kUnprivilegedId, lumena::testing::kUnprivilegedId) != 0)
      throw std::runtime_error("cannot chown " + p.string());
  };
  own(home);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(home)) own(entry.path());
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> result;
  for (std::string& s : strings) result.push_back(s.data());
  result.push_back(nullptr);
  return result;
}

}  // namespace

LumenaRun::LumenaRun() : programFolder_(folder_ / "program-folder"), home_(folder_ / "home") {
  fs::copy(LUMENA_PROGRAM_FOLDER, programFolder_, fs::copy_options::recursive);
  fs::create_directories(home_ / "runtime");
  fs::permissions(home_ / "runtime", fs::perms::owner_all);
}

LumenaRun::~LumenaRun() {
  if (pid_ > 0 && !status_) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
}

void LumenaRun::MakeProgramFolderReadOnly() {
  const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  const auto passable = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(programFolder_))
    fs::permissions(entry.path(), entry.is_directory() ? readOnly | passable : readOnly);
  fs::permissions(programFolder_, readOnly | passable);
}

void LumenaRun::Start(const std::vector<std::string>& arguments, User user) {
  std::vector<std::string> argv;
  std::vector<std::string> env = ChildEnvironment(home_);
  if (user == User::Unprivileged && ::geteuid() == 0) {
    HandOverToUnprivileged(folder_.Path(), home_, env);
    argv = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
  }
  for (std::string word : {std::string(LUMENA_BINARY_DIR "/bin/lumena"), std::string("--program-folder"),
                           programFolder_.string(), std::string("--no-intro")})
    argv.push_back(word);
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> argp = Pointers(argv), envp = Pointers(env);
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("cannot start lumena");
  if (pid_ == 0) {
    ::execve(argp[0], argp.data(), envp.data());
    ::_exit(127);
  }
}

bool LumenaRun::Running() { return !WaitForExit(0); }

std::optional<int> LumenaRun::WaitForExit(double seconds) {
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

std::vector<std::string> LumenaRun::OutsideProgramCalls(std::string_view program) const {
  std::ifstream in(home_ / "outside-calls.log");
  std::vector<std::string> calls;
  for (std::string line; std::getline(in, line);)
    if (line.starts_with(std::string(program) + " ")) calls.push_back(line);
  return calls;
}

}  // namespace lumena::e2e
