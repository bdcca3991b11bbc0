#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>

#include "platform/file_error.h"
#include "platform/replacing_file.h"

namespace lumena {

void WriteFileAtomically(const std::filesystem::path& path, std::string_view contents) {
  ReplacingFile file(path);
  if (std::fwrite(contents.data(), 1, contents.size(), file.File()) != contents.size())
    ThrowFileError("Cannot write", path, errno);
  file.Commit();
}

}  // namespace lumena
