// lumena-tool info FILE: one line "WIDTHxHEIGHT KIND".
#include <iostream>

#include "picture_files.h"
#include "tool_command.h"

namespace lumena::tool {

int RunInfo(Arguments arguments) {
  if (arguments.size() != 1) throw UsageError("needs one file");
  const PictureFile file = ReadPictureFile(arguments[0]);
  std::cout << file.picture.width() << 'x' << file.picture.height() << ' ' << file.kind << '\n';
  return 0;
}

}  // namespace lumena::tool
