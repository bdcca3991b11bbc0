#include "platform/private_temp_folder.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/file_error.h"

namespace lumena {

PrivateTempFolder::PrivateTempFolder(std::string_view prefix) {
  std::error_code ec;
  std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) base = "/tmp";
  std::string pattern = (base / (std::string(prefix) + "-XXXXXX")).string();
  // mkdtemp makes the folder with mode 0700 under a name no one else holds.
  if (!::mkdtemp(pattern.data())) ThrowFileError("Cannot create a temporary folder in", base, errno);
  path_ = pattern;
}

PrivateTempFolder::~PrivateTempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace lumena
