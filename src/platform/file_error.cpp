#include "platform/file_error.h"

namespace lumena {

void ThrowFileError(std::string_view action, const std::filesystem::path& path, int code) {
  const std::error_code reason(code, std::generic_category());
  throw EFileError(std::string(action) + " " + path.string() + ": " + reason.message(), path, reason);
}

}  // namespace lumena
