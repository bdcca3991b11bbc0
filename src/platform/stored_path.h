#pragma once
// Data files name each other by Windows-style paths: backslashes, any letter
// case, relative to a data root. Every access to a data file goes through
// these routines, which find the real file on a case-sensitive file system.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

// Finds the existing file or folder that `stored` names below `root`,
// comparing each component without regard to case (an exact match wins).
// `stored` may use "\" or "/". Whatever does not stay inside the root is
// missing: an absolute path, ".." above the root, a link leading out of it,
// and anything that is not a regular file or a folder (devices, pipes).
std::optional<std::filesystem::path> ResolveStoredPath(const std::filesystem::path& root, std::string_view stored);

// The path to use for a file that may not exist yet: the components that
// exist are matched without regard to case, the rest are taken as written.
std::filesystem::path MapStoredPath(const std::filesystem::path& root, std::string_view stored);

// The extension of a stored name, lower case, with its dot ("" when none).
std::string StoredExtension(std::string_view stored);
// The stored name with its extension replaced (newExtension with its dot).
std::string ReplaceStoredExtension(std::string_view stored, std::string_view newExtension);

// The three data roots searched in order: HDPath, CDPath, the program folder.
class DataRoots {
 public:
  DataRoots() = default;
  DataRoots(std::filesystem::path hdPath, std::filesystem::path cdPath, std::filesystem::path programFolder);

  const std::vector<std::filesystem::path>& Roots() const { return roots_; }
  // The first root holding the stored file.
  std::optional<std::filesystem::path> Find(std::string_view stored) const;
  // The form of a real path stored in data files: the first root that holds
  // it (HDPath, CDPath, program folder) is removed, and "\" separates names.
  std::string StoredForm(const std::filesystem::path& real) const;

 private:
  std::vector<std::filesystem::path> roots_;
};

}  // namespace lumena
