#include "images/file_bytes.h"

#include <string_view>

#include "platform/atomic_file.h"
#include "platform/data_file.h"

namespace lumena {

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) { return ReadDataFile(path); }

void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace lumena
