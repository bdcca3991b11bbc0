#include "platform/replacing_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string_view>

#include "platform/file_error.h"

namespace lumena {

namespace {

constexpr size_t kSuffixLength = 6;
constexpr int kNameAttempts = 100;
constexpr std::string_view kSuffixCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

[[noreturn]] void Fail(const std::filesystem::path& target, int error) {
  ThrowFileError("Cannot write", target, error);
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  return target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
}

std::string RandomSuffix(std::mt19937_64& random) {
  std::uniform_int_distribution<size_t> pick(0, kSuffixCharacters.size() - 1);
  std::string suffix(kSuffixLength, ' ');
  for (char& c : suffix) c = kSuffixCharacters[pick(random)];
  return suffix;
}

// Not mkstemp: its files are 0600, while creating with 0666 lets the umask
// decide, as for any new file. Locked at once, so that no other save takes
// it for a stale one while it is written.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& created) {
  std::mt19937_64 random{std::random_device{}()};
  const std::filesystem::path folder = FolderOf(target);
  const std::string prefix = TemporaryNamePrefix(target);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::filesystem::path name = folder / (prefix + RandomSuffix(random));
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) Fail(target, errno);
    ::flock(fd, LOCK_EX);
    created = name;
    return fd;
  }
  Fail(target, EEXIST);
}

// The permission bits of the file being replaced; a new file keeps what its
// creation gave it.
bool KeepPermissions(int fd, const std::filesystem::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return true;
  return ::fchmod(fd, old.st_mode & 0777) == 0;
}

bool IsTemporaryName(std::string_view name, std::string_view prefix) {
  return name.size() == prefix.size() + kSuffixLength && name.starts_with(prefix);
}

// A temporary nobody holds locked: its save was killed.
bool IsAbandoned(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool abandoned = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);
  return abandoned;
}

}  // namespace

std::string TemporaryNamePrefix(const std::filesystem::path& target) {
  return "." + target.filename().string() + ".tmp-";
}

// Between another save's creating its temporary and locking it lies a short
// window in which that file may be taken for stale; that save then fails to
// rename and reports it, leaving its target untouched.
void RemoveStaleTemporaries(const std::filesystem::path& target) {
  const std::string prefix = TemporaryNamePrefix(target);
  std::error_code ec;
  for (auto it = std::filesystem::directory_iterator(FolderOf(target), ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::filesystem::path& file = it->path();
    if (IsTemporaryName(file.filename().string(), prefix) && IsAbandoned(file)) ::unlink(file.c_str());
  }
}

ReplacingFile::ReplacingFile(std::filesystem::path target) : target_(std::move(target)) {
  RemoveStaleTemporaries(target_);
  const int fd = CreateTemporary(target_, temporary_);
  if (!KeepPermissions(fd, target_)) {
    const int error = errno;
    ::unlink(temporary_.c_str());
    ::close(fd);
    Fail(target_, error);
  }
  file_.reset(::fdopen(fd, "wb"));
  if (!file_) {
    const int error = errno;
    ::unlink(temporary_.c_str());
    ::close(fd);
    Fail(target_, error);
  }
}

ReplacingFile::~ReplacingFile() {
  if (!committed_) ::unlink(temporary_.c_str());
}

// Renamed while still open and locked, so no other save can take the
// complete file for a stale one; closed afterwards.
void ReplacingFile::Commit() {
  if (std::fflush(file_.get()) != 0 || ::fsync(::fileno(file_.get())) != 0) Fail(target_, errno);
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) Fail(target_, errno);
  committed_ = true;
  std::FILE* f = file_.release();
  if (std::fclose(f) != 0) Fail(target_, errno);
}

}  // namespace lumena
