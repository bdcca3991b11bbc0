#include "shell/work_file_types.h"

#include <algorithm>
#include <string>

#include "shell/product_identity.h"

namespace lumena {

std::array<FileTypeRegistration, 2> WorkFileTypes(const IniFile& settings) {
  std::string base = "Talvek" + std::string(kProductIdentity.nameWithVersion);
  std::erase(base, ' ');
  const std::string defaultName = std::string(kProductIdentity.fullName) + " file";
  return {{
      {std::string(kProductIdentity.compressedWorkExtension), base + "CmpFile",
       settings.ReadString("TYPES REGISTRATION", "LMCmpTypeName", defaultName)},
      {std::string(kProductIdentity.uncompressedWorkExtension), base + "UnCmpFile",
       settings.ReadString("TYPES REGISTRATION", "LMUnCmpTypeName", defaultName)},
  }};
}

}  // namespace lumena
