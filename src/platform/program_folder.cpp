#include "platform/program_folder.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_error.h"

namespace fs = std::filesystem;

namespace lumena {

fs::path ChooseProgramFolder(const std::optional<fs::path>& commandLineChoice, const fs::path& executableFolder) {
  if (commandLineChoice && !commandLineChoice->empty()) return fs::absolute(*commandLineChoice);
  if (const char* env = std::getenv(kProgramFolderVariable); env && *env) return fs::absolute(env);
  return executableFolder / kDefaultProgramFolderName;
}

namespace {

// Written into a copy last, so a copy without it was never finished.
constexpr const char* kSourceStampFile = ".lumena-source";
// What each copied file looked like right after copying: a file that differs
// from it was changed by the user.
constexpr const char* kManifestFile = ".lumena-manifest";

struct FileState {
  uintmax_t size = 0;
  int64_t modified = 0;
  bool operator==(const FileState&) const = default;
};

using FileStates = std::map<std::string, FileState>;

FileState StateOf(const fs::path& file) {
  return {fs::file_size(file), static_cast<int64_t>(fs::last_write_time(file).time_since_epoch().count())};
}

bool IsBookkeeping(const fs::path& relative) { return relative == kSourceStampFile || relative == kManifestFile; }

// The regular files of a folder tree by their relative paths.
FileStates StatesBelow(const fs::path& folder) {
  FileStates states;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    const fs::path relative = entry.path().lexically_relative(folder);
    if (entry.is_regular_file() && !IsBookkeeping(relative)) states[relative.generic_string()] = StateOf(entry.path());
  }
  return states;
}

// FNV-1a: stable across runs and builds, unlike std::hash.
void Fold(uint64_t& hash, std::string_view text) {
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
}

constexpr uint64_t kFoldStart = 14695981039346656037ull;

// The source's version: every file's path, size and time folded together.
std::string SourceStamp(const fs::path& source) {
  uint64_t hash = kFoldStart;
  for (const auto& [path, state] : StatesBelow(source))
    Fold(hash, path + ";" + std::to_string(state.size) + ";" + std::to_string(state.modified) + "\n");
  return fs::absolute(source).string() + "\n" + std::to_string(hash) + "\n";
}

std::string ReadSmallFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) ThrowFileError("Cannot write", file, EIO);
}

void WriteManifest(const fs::path& copy, const FileStates& states) {
  std::string text;
  for (const auto& [path, state] : states)
    text += std::to_string(state.size) + ";" + std::to_string(state.modified) + ";" + path + "\n";
  WriteFile(copy / kManifestFile, text);
}

FileStates ReadManifest(const fs::path& copy) {
  FileStates states;
  std::istringstream in(ReadSmallFile(copy / kManifestFile));
  for (std::string line; std::getline(in, line);) {
    const size_t first = line.find(';'), second = line.find(';', first + 1);
    if (second == std::string::npos) continue;
    try {
      states[line.substr(second + 1)] = {std::stoull(line.substr(0, first)),
                                         std::stoll(line.substr(first + 1, second - first - 1))};
    } catch (const std::exception&) {
    }
  }
  return states;
}

// Copies a folder tree; the copy belongs to the user and can be written,
// whatever the permissions of the original were.
void CopyAsWritable(const fs::path& from, const fs::path& to) {
  fs::create_directories(to);
  for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
    const fs::path target = to / entry.path().filename();
    if (entry.is_directory()) {
      CopyAsWritable(entry.path(), target);
    } else if (entry.is_regular_file()) {
      fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
      fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
    }
  }
}

// Carries the files the user made or changed in the old copy over into the
// new one; they stay the user's, so they leave the new manifest.
void CarryUserFiles(const fs::path& oldCopy, const fs::path& newCopy, FileStates& newManifest) {
  const FileStates copied = ReadManifest(oldCopy);
  for (const auto& [path, state] : StatesBelow(oldCopy)) {
    const auto original = copied.find(path);
    if (original != copied.end() && original->second == state) continue;
    fs::create_directories((newCopy / path).parent_path());
    fs::copy_file(oldCopy / path, newCopy / path, fs::copy_options::overwrite_existing);
    newManifest.erase(path);
  }
}

// Where the copy of `folder` lives: one folder per source folder.
fs::path CopyPlace(const fs::path& folder, const fs::path& userDataHome) {
  uint64_t hash = kFoldStart;
  Fold(hash, fs::absolute(folder).lexically_normal().string());
  std::ostringstream name;
  name << folder.filename().string() << "-" << std::hex << hash;
  return userDataHome / "Lumena" / "program-folders" / name.str();
}

}  // namespace

bool FolderIsWritable(const fs::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

fs::path WritableProgramFolder(const fs::path& folder, const fs::path& userDataHome) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec) || FolderIsWritable(folder)) return folder;
  return UserCopyOfProgramFolder(folder, userDataHome);
}

namespace {

fs::path MakeUserCopy(const fs::path& folder, const fs::path& userDataHome) {
  const fs::path copy = CopyPlace(folder, userDataHome);
  const fs::path partial = copy.string() + ".partial", previous = copy.string() + ".previous";
  // A refresh stopped between its two renames left the user's copy aside.
  if (!fs::exists(copy) && fs::exists(previous)) fs::rename(previous, copy);
  const std::string stamp = SourceStamp(folder);
  if (fs::exists(copy / kSourceStampFile) && ReadSmallFile(copy / kSourceStampFile) == stamp) return copy;

  fs::remove_all(partial);
  CopyAsWritable(folder, partial);
  FileStates manifest = StatesBelow(partial);
  if (fs::exists(copy)) CarryUserFiles(copy, partial, manifest);
  WriteManifest(partial, manifest);
  WriteFile(partial / kSourceStampFile, stamp);

  fs::remove_all(previous);
  if (fs::exists(copy)) fs::rename(copy, previous);
  fs::rename(partial, copy);
  fs::remove_all(previous);
  return copy;
}

}  // namespace

fs::path UserCopyOfProgramFolder(const fs::path& folder, const fs::path& userDataHome) {
  try {
    return MakeUserCopy(folder, userDataHome);
  } catch (const fs::filesystem_error& e) {
    throw EFileError(e);
  }
}

}  // namespace lumena
