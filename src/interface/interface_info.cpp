#include "interface/interface_info.h"

#include "platform/text.h"

namespace lumena {

std::string TParamInfoRecord::LookupKey() const {
  std::string key;
  for (const std::string* part : {&Section, &Object, &Param}) {
    if (part->empty()) continue;
    if (!key.empty()) key += '.';
    key += *part;
  }
  return key;
}

std::string TOrvInterfaceInfo::GetParam(std::string_view key) const {
  if (!Loaded) return {};
  const std::string wanted = ToUpper(key);
  for (const TParamInfoRecord& record : Params)
    if (record.LookupKey() == wanted) return record.Value;
  return {};
}

std::optional<int> TOrvInterfaceInfo::FindInt(std::string_view key) const { return ParseInt(GetParam(key)); }

}  // namespace lumena
