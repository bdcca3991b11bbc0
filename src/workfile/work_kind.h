#pragma once
// The two kinds of work file, told apart by the extension alone.
#include <filesystem>
#include <string>
#include <string_view>

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

// The name a work is saved under: the chosen one, with `filterExtension`
// (the chosen filter's, with its dot) added when it names no kind of work,
// so that a work is never written under a name nobody can open it by.
inline std::filesystem::path WithWorkExtension(const std::filesystem::path& chosen, std::string_view filterExtension) {
  if (IsWorkPath(chosen)) return chosen;
  return chosen.string() + std::string(filterExtension);
}

}  // namespace lumena
