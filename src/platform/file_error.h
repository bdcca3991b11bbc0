#pragma once
// The two kinds of failure a file can cause: it cannot be opened, read or
// written (EFileError), or its bytes do not hold what its format promises
// (EFormatError). The named errors of the formats derive from these.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace lumena {

class EFileError : public std::runtime_error {
 public:
  // `message` is shown as it stands; `reason` is the system's error.
  EFileError(const std::string& message, std::filesystem::path path, std::error_code reason)
      : std::runtime_error(message), path_(std::move(path)), reason_(reason) {}
  // The standard library's own file errors, where they leave our code.
  explicit EFileError(const std::filesystem::filesystem_error& e) : EFileError(e.what(), e.path1(), e.code()) {}
  const std::filesystem::path& Path() const { return path_; }
  std::error_code Reason() const { return reason_; }
  // The errno value.
  int Code() const { return reason_.value(); }

 private:
  std::filesystem::path path_;
  std::error_code reason_;
};

// "<action> <path>: <the system's message>", for the errno value `code`.
[[noreturn]] void ThrowFileError(std::string_view action, const std::filesystem::path& path, int code);

class EFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lumena
