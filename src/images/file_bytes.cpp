#include "images/file_bytes.h"

#include <cerrno>
#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/atomic_file.h"

namespace lumena {

namespace {

[[noreturn]] void throwFileError(const char* what, const std::filesystem::path& path) {
  const int code = errno != 0 ? errno : EIO;
  throw std::system_error(code, std::generic_category(), std::string(what) + " " + path.string());
}

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) throwFileError("Cannot open file", path);
  std::vector<uint8_t> bytes;
  char block[65536];
  while (in.read(block, sizeof block) || in.gcount() > 0) bytes.insert(bytes.end(), block, block + in.gcount());
  if (in.bad()) throwFileError("Cannot read file", path);
  return bytes;
}

void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace lumena
