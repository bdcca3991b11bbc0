#pragma once
// One run of the real program: a private copy of the generated program
// folder, a private home, a stub in front of every outside program, and the
// process with its exit status.
#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace lumena::e2e {

class LumenaRun {
 public:
  LumenaRun();
  ~LumenaRun();  // a program still running is killed
  LumenaRun(const LumenaRun&) = delete;
  LumenaRun& operator=(const LumenaRun&) = delete;

  const std::filesystem::path& ProgramFolder() const { return programFolder_; }
  const std::filesystem::path& Home() const { return home_; }

  enum class User { Current, Unprivileged };
  // Makes the program folder copy read-only, as a system-wide install is.
  void MakeProgramFolderReadOnly();
  // Starts `lumena --program-folder <copy> --no-intro ARGS...`; as root, an
  // unprivileged run goes through setpriv as user and group 65534, for whom
  // the run's home is made.
  void Start(const std::vector<std::string>& arguments = {}, User user = User::Current);
  // The exit status once the program has ended by itself within `seconds`;
  // nothing when it is still running then.
  std::optional<int> WaitForExit(double seconds);
  bool Running();
  // The calls of one outside program the run made ("xdg-open https://..."),
  // one line each.
  std::vector<std::string> OutsideProgramCalls(std::string_view program) const;

 private:
  lumena::testing::TempFolder folder_;
  std::filesystem::path programFolder_, home_;
  pid_t pid_ = -1;
  std::optional<int> status_;
};

}  // namespace lumena::e2e
