#pragma once
// A file written beside its target and renamed over it only once complete,
// so that a failed or killed save never leaves a half-written target. The
// temporary file is named ".<target name>.tmp-XXXXXX" and held locked while
// it is written; a temporary of the same target that nobody holds (left by
// a killed save) is removed by the next save. The new file keeps the
// permission bits of the file it replaces; a new target gets 0666 less the
// umask, as a plain file creation would.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace lumena {

class ReplacingFile {
 public:
  // Removes stale temporaries of the target and creates a fresh one.
  // Throws EFileError ("Cannot write <target>: <reason>").
  explicit ReplacingFile(std::filesystem::path target);
  // Removes the temporary file unless committed.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  std::FILE* File() const { return file_.get(); }
  const std::filesystem::path& TemporaryPath() const { return temporary_; }
  // Flushes the data to the disk, closes the file and renames it over the
  // target. Throws EFileError; the target is then untouched.
  void Commit();

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::unique_ptr<std::FILE, Closer> file_;
  bool committed_ = false;
};

// The name every temporary of the target starts with: ".<name>.tmp-".
std::string TemporaryNamePrefix(const std::filesystem::path& target);

// Removes the temporaries of the target that no save holds any more.
void RemoveStaleTemporaries(const std::filesystem::path& target);

}  // namespace lumena
