// lumena-tool info FILE: one line "WIDTHxHEIGHT KIND" for a picture; for a
// work the lines of its table of contents as stored.
#include <iostream>

#include "picture_files.h"
#include "tool_command.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_kind.h"

namespace lumena::tool {

int RunInfo(Arguments arguments) {
  if (arguments.size() != 1) throw UsageError("needs one file");
  if (IsWorkPath(arguments[0])) {
    for (const std::string& line : ReadWorkToc(arguments[0])) std::cout << line << '\n';
    return 0;
  }
  const PictureFile file = ReadPictureFile(arguments[0]);
  std::cout << file.picture.Width() << 'x' << file.picture.Height() << ' ' << file.kind << '\n';
  return 0;
}

}  // namespace lumena::tool
