#include "workfile/safe_save.h"

#include <fcntl.h>

#include <cerrno>

#include "platform/file_error.h"

namespace lumena {

SafeSave::SafeSave(std::filesystem::path target) : target_(std::move(target)) { file_.emplace(target_); }

void SafeSave::Write(std::span<const uint8_t> bytes) {
  std::FILE* f = File();
  if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fflush(f) != 0)
    ThrowFileError("Cannot write", target_, errno);
  ::sync_file_range(::fileno(f), written_, static_cast<off_t>(bytes.size()), SYNC_FILE_RANGE_WRITE);
  written_ += static_cast<off_t>(bytes.size());
}

void SafeSave::Commit() { file_->Commit(); }

}  // namespace lumena
