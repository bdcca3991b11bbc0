#pragma once
#include <array>

#include "platform/file_types.h"
#include "platform/ini_file.h"

namespace lumena {

// The compressed and the uncompressed work kinds, with the display names the
// settings give them.
std::array<FileTypeRegistration, 2> WorkFileTypes(const IniFile& settings);

}  // namespace lumena
