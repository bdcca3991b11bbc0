#pragma once
// The strings that name the product and its files; never changed at run time.
#include <string_view>

namespace lumena {

struct ProductIdentityRecord {
  std::string_view fullName;
  std::string_view version;
  std::string_view settingsFileName;
  std::string_view nameWithVersion;
  std::string_view compressedWorkExtension;
  std::string_view uncompressedWorkExtension;
  std::string_view shortName;
  std::string_view prefix;
};

inline constexpr ProductIdentityRecord kProductIdentity{
    "Lumena", "5.10", "Lumena.ini", "Lumena 5.10", ".lmc", ".lmu", "Lumena", "LM",
};

// Shown after the version in the setup window.
inline constexpr std::string_view kBuildTag = "(Linux build)";
// Opened by the publisher links when the settings name nothing else.
inline constexpr std::string_view kProductWebSite = "https://lumena.example.org/";

}  // namespace lumena
