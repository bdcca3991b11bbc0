#pragma once
// Saving never destroys the previous file: everything is written to a
// temporary file in the target's folder, which replaces the target only
// once it is complete (ReplacingFile: the permissions of the old file are
// kept, temporaries left by a killed save are removed). Until commit() the
// temporary file is removed again when the save is abandoned, so a failed
// save leaves the old work as it was.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>

#include "platform/replacing_file.h"

namespace lumena {

class SafeSave {
 public:
  // Creates the temporary file; throws EFileError when it cannot.
  explicit SafeSave(std::filesystem::path target);

  std::FILE* File() const { return file_->File(); }
  // Appends bytes and starts writing them to the disk, so that the flush
  // at commit() has little left to do. Throws EFileError.
  void Write(std::span<const uint8_t> bytes);
  const std::filesystem::path& TemporaryPath() const { return file_->TemporaryPath(); }
  // Flushes the data to the disk and renames the temporary file over the
  // target. Throws EFileError when any step fails (the target is then
  // untouched).
  void Commit();

 private:
  std::filesystem::path target_;
  std::optional<ReplacingFile> file_;
  long long written_ = 0;
};

}  // namespace lumena
