#include "shell/work_file_types.h"

#include <algorithm>
#include <string>

#include "shell/product_identity.h"

namespace lumena {

std::array<FileTypeRegistration, 2> WorkFileTypes(const IniFile& settings) {
  std::string base = "Talvek" + std::string(ProductIdentity.nameWithVersion);
  std::erase(base, ' ');
  const std::string defaultName = std::string(ProductIdentity.fullName) + " file";
  return {{
      {std::string(ProductIdentity.compressedWorkExtension), base + "CmpFile",
       settings.readString("TYPES REGISTRATION", "LMCmpTypeName", defaultName)},
      {std::string(ProductIdentity.uncompressedWorkExtension), base + "UnCmpFile",
       settings.readString("TYPES REGISTRATION", "LMUnCmpTypeName", defaultName)},
  }};
}

}  // namespace lumena
