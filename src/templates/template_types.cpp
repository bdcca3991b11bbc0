#include "templates/template_types.h"

#include "platform/ini_file.h"
#include "platform/record_fields.h"
#include "platform/text.h"

namespace lumena {

std::optional<TPartTypeRecord> ParseTemplateTypeValue(std::string_view value) {
  const std::string_view trimmed = TrimView(value);
  if (trimmed.empty()) return std::nullopt;
  RecordFieldCursor fields(trimmed);
  const auto number = ParseInt(fields.Next());
  TPartTypeRecord type;
  type.Folder = Trim(fields.Next());
  type.Name = Trim(fields.Next());
  const auto level = ParseInt(fields.Next());
  const std::string group = ToUpper(Trim(fields.Next()));
  if (!number || !level) return std::nullopt;
  type.Number = *number;
  type.Level = *level;
  type.Group = group.empty() ? std::string(1, 'F') : group;
  return type;
}

std::vector<TPartTypeRecord> ReadTemplateTypes(const IniFile& settings) {
  std::vector<TPartTypeRecord> types;
  for (const std::string& line : settings.ReadSectionLines(kTemplateTypesSection)) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (auto type = ParseTemplateTypeValue(std::string_view(line).substr(eq + 1))) types.push_back(std::move(*type));
  }
  return types;
}

}  // namespace lumena
