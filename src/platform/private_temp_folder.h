#pragma once
// A folder of this user's alone (mode 0700, a fresh random name below the
// system's temporary folder) for files that must not be seen or replaced by
// other users, such as an unpacked compressed work. Removed with everything
// in it when the object goes.
#include <filesystem>
#include <string_view>

namespace lumena {

class PrivateTempFolder {
 public:
  // The folder's name starts with `prefix`. Throws EFileError when the
  // folder cannot be made.
  explicit PrivateTempFolder(std::string_view prefix = "lumena-work");
  ~PrivateTempFolder();
  PrivateTempFolder(const PrivateTempFolder&) = delete;
  PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace lumena
