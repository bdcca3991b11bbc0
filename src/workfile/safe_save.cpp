#include "workfile/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "workfile/work_file_error.h"

namespace lumena {

namespace {

[[noreturn]] void fail(const std::filesystem::path& target, int error) {
  throw EWorkFileError("Cannot write " + target.string() + ": " + std::strerror(error));
}

}  // namespace

SafeSave::SafeSave(std::filesystem::path target) : target_(std::move(target)) {
  const std::filesystem::path folder = target_.parent_path().empty() ? "." : target_.parent_path();
  std::string pattern = (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) fail(target_, errno);
  temporary_ = pattern;
  ::fchmod(fd, 0644);
  file_.reset(::fdopen(fd, "wb"));
  if (!file_) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary_.c_str());
    fail(target_, error);
  }
}

SafeSave::~SafeSave() {
  file_.reset();
  if (!committed_) ::unlink(temporary_.c_str());
}

void SafeSave::write(std::span<const uint8_t> bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size() || std::fflush(file_.get()) != 0)
    fail(target_, errno);
  ::sync_file_range(::fileno(file_.get()), written_, static_cast<off_t>(bytes.size()), SYNC_FILE_RANGE_WRITE);
  written_ += static_cast<off_t>(bytes.size());
}

void SafeSave::commit() {
  std::FILE* f = file_.release();
  const bool flushed = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
  const int flushError = errno;
  const bool closed = std::fclose(f) == 0;
  if (!flushed || !closed) fail(target_, flushed ? errno : flushError);
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) fail(target_, errno);
  committed_ = true;
}

}  // namespace lumena
