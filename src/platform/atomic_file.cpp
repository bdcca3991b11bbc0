#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace lumena {

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, int error) {
  throw std::runtime_error("Cannot write " + path.string() + ": " + std::strerror(error));
}

}  // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view contents) {
  std::string temp = path.string() + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) fail(path, errno);
  size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = errno;
      ::close(fd);
      ::unlink(temp.c_str());
      fail(path, error);
    }
    done += static_cast<size_t>(n);
  }
  ::fchmod(fd, 0644);
  const bool synced = ::fsync(fd) == 0;
  const int syncError = errno;
  if (::close(fd) != 0 || !synced || ::rename(temp.c_str(), path.c_str()) != 0) {
    if (!synced) errno = syncError;
    const int error = errno;
    ::unlink(temp.c_str());
    fail(path, error);
  }
}

}  // namespace lumena
