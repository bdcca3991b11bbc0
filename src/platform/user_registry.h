#pragma once
// The per-user settings that live outside the program folder: an INI file
// under $XDG_CONFIG_HOME/Talvek/ whose sections are key paths such as
// "SOFTWARE\Talvek\Lumena 5.10".
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/ini_file.h"

namespace lumena {

class UserRegistry {
 public:
  // The registry file in its usual place.
  UserRegistry();
  explicit UserRegistry(std::filesystem::path file);

  static std::filesystem::path DefaultFile();
  const std::filesystem::path& File() const { return ini_.Path(); }

  std::string Read(std::string_view keyPath, std::string_view name, std::string_view defaultValue = "") const;
  // Writes and flushes at once, creating the folder when needed.
  void Write(std::string_view keyPath, std::string_view name, std::string_view value);

 private:
  IniFile ini_;
};

// The key path that holds HDPath and CDPath for a registry section name.
std::string DataRootsKeyPath(std::string_view regName);

}  // namespace lumena
