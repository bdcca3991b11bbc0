#pragma once
// The two kinds of work file, told apart by the extension alone.
#include <filesystem>

#include "platform/text.h"

namespace lumena {

inline bool IsCompressedWorkPath(const std::filesystem::path& path) {
  return ToLower(path.extension().string()) == ".lmc";
}
inline bool IsUncompressedWorkPath(const std::filesystem::path& path) {
  return ToLower(path.extension().string()) == ".lmu";
}
inline bool IsWorkPath(const std::filesystem::path& path) {
  return IsCompressedWorkPath(path) || IsUncompressedWorkPath(path);
}

}  // namespace lumena
