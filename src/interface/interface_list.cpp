#include "interface/interface_list.h"

#include <optional>

#include "platform/ini_file.h"
#include "platform/text.h"

namespace lumena {

namespace {

std::optional<TIntInfoRecord> ParseEntry(std::string_view value) {
  const std::vector<std::string> fields = SplitRecordFields(value);
  if (fields.size() < 3) return std::nullopt;
  const std::optional<int> selected = ParseInt(fields[2]);
  if (!selected) return std::nullopt;
  return TIntInfoRecord{ToUpper(fields[0]), fields[1], *selected != 0};
}

}  // namespace

InterfaceList ReadInterfaceList(const IniFile& settings) {
  InterfaceList list;
  std::optional<std::string> chosen;
  for (const std::string& line : settings.ReadSectionLines("INTERFACES")) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    if (!IstartsWith(TrimView(std::string_view(line).substr(0, equals)), "INTERFACE")) continue;
    const std::string_view value = TrimView(std::string_view(line).substr(equals + 1));
    if (value.empty()) continue;
    std::optional<TIntInfoRecord> entry = ParseEntry(value);
    if (!entry) continue;
    if (entry->Selected) chosen = entry->Folder;
    list.Entries.push_back(std::move(*entry));
  }
  list.ChosenName = WithTrailingBackslash(chosen.value_or("DEFAULT"));
  return list;
}

std::string ReadInterfaceDir(const IniFile& settings) {
  const std::string value = settings.ReadString("DIRECTORIES", "InterfaceDirName", "Intfaces");
  const std::string dir = Trim(value.substr(0, value.find(';')));
  return dir.empty() ? dir : WithTrailingBackslash(dir);
}

}  // namespace lumena
