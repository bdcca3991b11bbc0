#include "platform/program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace lumena {

fs::path chooseProgramFolder(const std::optional<fs::path>& commandLineChoice, const fs::path& executableFolder) {
  if (commandLineChoice && !commandLineChoice->empty()) return fs::absolute(*commandLineChoice);
  if (const char* env = std::getenv(kProgramFolderVariable); env && *env) return fs::absolute(env);
  return executableFolder / kDefaultProgramFolderName;
}

namespace {

// Copies a folder tree; the copy belongs to the user and can be written,
// whatever the permissions of the original were.
void copyAsWritable(const fs::path& from, const fs::path& to) {
  fs::create_directories(to);
  for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
    const fs::path target = to / entry.path().filename();
    if (entry.is_directory()) {
      copyAsWritable(entry.path(), target);
    } else {
      fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
      fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
    }
  }
}

}  // namespace

bool folderIsWritable(const fs::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

fs::path writableProgramFolder(const fs::path& folder, const fs::path& userDataHome) {
  return folderIsWritable(folder) ? folder : userCopyOfProgramFolder(folder, userDataHome);
}

fs::path userCopyOfProgramFolder(const fs::path& folder, const fs::path& userDataHome) {
  const fs::path copy = userDataHome / "Lumena" / "program-folder";
  std::error_code ec;
  if (!fs::exists(copy, ec)) {
    // Copy into a temporary name first so an interrupted copy is never used.
    const fs::path partial = copy.string() + ".partial";
    fs::remove_all(partial, ec);
    copyAsWritable(folder, partial);
    fs::rename(partial, copy);
  }
  return copy;
}

}  // namespace lumena
