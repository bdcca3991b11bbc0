#include "platform/text_file.h"

#include <cerrno>
#include <cstring>

#include "platform/data_file.h"

namespace lumena {

std::string TextFileOpenMessage(std::string_view path, int errorCode) {
  switch (errorCode) {
    case ENOENT:
    case ENOTDIR:
      return "File " + std::string(path) + " is missing";
    case EACCES:
    case EPERM:
      return "Denied access to file " + std::string(path);
    default:
      return std::strerror(errorCode);
  }
}

TextFile::TextFile(std::FILE* file, std::filesystem::path path) : file_(file), path_(std::move(path)) {}

bool TextFile::ReadLine(std::string& line) {
  line.clear();
  std::FILE* f = file_.get();
  int c = std::getc(f);
  if (c == EOF) {
    if (std::ferror(f)) ThrowFileError("Cannot read file", path_, EIO);
    return false;
  }
  for (; c != EOF; c = std::getc(f)) {
    if (c == '\n') return true;
    if (c == '\r') {
      const int next = std::getc(f);
      if (next != '\n' && next != EOF) std::ungetc(next, f);
      return true;
    }
    line.push_back(static_cast<char>(c));
  }
  if (std::ferror(f)) ThrowFileError("Cannot read file", path_, EIO);
  return true;
}

void TextFile::WriteLine(std::string_view line) {
  std::FILE* f = file_.get();
  if (std::fwrite(line.data(), 1, line.size(), f) != line.size() || std::fputs("\r\n", f) == EOF || std::fflush(f) != 0)
    ThrowFileError("Cannot write file", path_, errno);
}

TextFile OpenTextFileChecked(const std::filesystem::path& path, TextFileMode mode) {
  if (mode == TextFileMode::Read) {
    try {
      return TextFile(OpenDataFile(path).release(), path);
    } catch (const EFileError& e) {
      throw EFileError(TextFileOpenMessage(path.string(), e.Code()), path, e.Reason());
    }
  }
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "ab");
  if (f == nullptr) {
    const int code = errno;
    throw EFileError(TextFileOpenMessage(path.string(), code), path, std::error_code(code, std::generic_category()));
  }
  return TextFile(f, path);
}

}  // namespace lumena
