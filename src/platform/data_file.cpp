#include "platform/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "platform/file_error.h"

namespace lumena {

namespace {

// A descriptor closed on every path out, until handed on.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(Descriptor&& other) noexcept : fd_(other.Release()) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Opens without blocking (a pipe without a writer would wait forever), checks
// what was opened rather than the name, so a swapped file cannot slip past.
Descriptor OpenChecked(const std::filesystem::path& path, uint64_t limit) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) ThrowFileError("Cannot open file", path, errno);
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) ThrowFileError("Cannot open file", path, errno);
  if (S_ISDIR(info.st_mode)) ThrowFileError("Cannot open file", path, EISDIR);
  if (!S_ISREG(info.st_mode)) ThrowFileError("Cannot open file", path, ENODEV);
  if (static_cast<uint64_t>(info.st_size) > limit) ThrowFileError("Cannot open file", path, EFBIG);
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
    ThrowFileError("Cannot open file", path, errno);
  return fd;
}

}  // namespace

UniqueFile OpenDataFile(const std::filesystem::path& path, uint64_t limit) {
  Descriptor fd = OpenChecked(path, limit);
  std::FILE* file = ::fdopen(fd.Get(), "rb");
  if (file == nullptr) ThrowFileError("Cannot open file", path, errno);
  fd.Release();
  return UniqueFile(file);
}

std::vector<uint8_t> ReadDataFile(const std::filesystem::path& path, uint64_t limit) {
  const Descriptor fd = OpenChecked(path, limit);
  std::vector<uint8_t> bytes;
  uint8_t block[65536];
  for (;;) {
    const ssize_t n = ::read(fd.Get(), block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowFileError("Cannot read file", path, errno);
    if (n == 0) return bytes;
    if (bytes.size() + static_cast<size_t>(n) > limit) ThrowFileError("Cannot read file", path, EFBIG);
    bytes.insert(bytes.end(), block, block + n);
  }
}

}  // namespace lumena
