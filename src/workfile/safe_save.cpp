#include "workfile/safe_save.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

#include "workfile/work_file_error.h"

namespace lumena {

SafeSave::SafeSave(std::filesystem::path target) : target_(std::move(target)) {
  try {
    file_.emplace(target_);
  } catch (const std::runtime_error& e) {
    throw EWorkFileError(e.what());
  }
}

void SafeSave::Write(std::span<const uint8_t> bytes) {
  std::FILE* f = File();
  if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fflush(f) != 0)
    throw EWorkFileError("Cannot write " + target_.string() + ": " + std::strerror(errno));
  ::sync_file_range(::fileno(f), written_, static_cast<off_t>(bytes.size()), SYNC_FILE_RANGE_WRITE);
  written_ += static_cast<off_t>(bytes.size());
}

void SafeSave::Commit() {
  try {
    file_->Commit();
  } catch (const std::runtime_error& e) {
    throw EWorkFileError(e.what());
  }
}

}  // namespace lumena
