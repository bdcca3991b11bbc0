#pragma once
// The template types of the section "TEMPLATE TYPES" of the product
// settings: number, folder, name, level and placement group of each.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

class IniFile;

inline constexpr std::string_view kTemplateTypesSection = "TEMPLATE TYPES";

struct TPartTypeRecord {
  int32_t Number = 0;
  std::string Folder;  // below each data root
  std::string Name;
  int32_t Level = 0;  // the Depth of layers made from the type
  std::string Group;  // "F" face, "N" nails, "B" body, "M" whole work; other letters place as "F"
  friend bool operator==(const TPartTypeRecord&, const TPartTypeRecord&) = default;
};

// One value: "number;folder;name;level;letter;". Nothing when the value is
// blank or a number does not convert.
std::optional<TPartTypeRecord> ParseTemplateTypeValue(std::string_view value);

// Every value of the section in file order (the keys are ignored).
std::vector<TPartTypeRecord> ReadTemplateTypes(const IniFile& settings);

}  // namespace lumena
