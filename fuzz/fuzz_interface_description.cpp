// Feeds arbitrary text to the INTFACE.TXT parser and to the lookups that read
// what it produced.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "interface/interface_errors.h"
#include "interface/interface_info.h"
#include "interface/interface_parser.h"
#include "interface/main_form_params.h"
#include "interface/termins.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  lumena::TOrvInterfaceInfo info;
  try {
    info.Params = lumena::ParseInterfaceText(text);
    info.Loaded = true;
  } catch (const lumena::EErrorInInfoFile& error) {
    if (error.Line() < 1) __builtin_trap();
    return 0;
  }
  for (const lumena::TParamInfoRecord& record : info.Params) {
    // Every stored record must be found again by its own key.
    if (record.Param.empty() || record.Value.empty()) __builtin_trap();
    if (info.GetParam(record.LookupKey()).empty()) __builtin_trap();
    (void)info.GetInt(record.LookupKey());
  }
  (void)lumena::ReadFormMainListParams(info);
  (void)lumena::ParseTerminLine(text.substr(0, text.find('\n')));
  return 0;
}
