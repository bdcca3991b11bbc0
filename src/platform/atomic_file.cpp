#include "platform/atomic_file.h"

#include "platform/replacing_file.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace lumena {

void WriteFileAtomically(const std::filesystem::path& path, std::string_view contents) {
  ReplacingFile file(path);
  if (std::fwrite(contents.data(), 1, contents.size(), file.File()) != contents.size())
    throw std::runtime_error("Cannot write " + path.string() + ": " + std::strerror(errno));
  file.Commit();
}

}  // namespace lumena
