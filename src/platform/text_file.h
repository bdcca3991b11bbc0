#pragma once
// 8-bit text files read and written line by line. Lines end in CR LF; LF
// alone and CR alone are accepted when reading.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_error.h"

namespace lumena {

enum class TextFileMode { Read = 0, Append = 1 };

// The message of a failed opening: "File <path> is missing" for a file or
// folder that does not exist, "Denied access to file <path>" when access is
// refused, otherwise the system's own message.
std::string TextFileOpenMessage(std::string_view path, int errorCode);

class TextFile {
 public:
  TextFile(std::FILE* file, std::filesystem::path path);

  const std::filesystem::path& Path() const { return path_; }
  // The next line without its line end; false at the end of the file.
  bool ReadLine(std::string& line);
  // Writes the line and CR LF.
  void WriteLine(std::string_view line);

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  std::filesystem::path path_;
};

// Opens a text file for reading (as every data file: OpenDataFile) or
// appending; throws EFileError with the message of TextFileOpenMessage when
// that fails.
TextFile OpenTextFileChecked(const std::filesystem::path& path, TextFileMode mode);

}  // namespace lumena
