// The template base parser on arbitrary text: the first line is read as a
// value of the template types, every line as a line of "PartBase.txt". A
// record that was accepted must read back the same once written again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/text.h"
#include "templates/template_base.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumena;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = SplitLines(text);
  TTemplateBase base;
  std::vector<TPartTypeRecord> types;
  if (!lines.empty())
    if (auto type = ParseTemplateTypeValue(lines[0])) types.push_back(*type);
  base.SetTemplateTypes(types);
  int warnings = 0;
  for (size_t i = 0; i < lines.size(); ++i)
    base.ReadTemplateLine(lines[i], static_cast<int>(i + 1), [&](const std::string&) { ++warnings; });
  for (const std::string& line : lines) {
    const auto record = ParseTemplateRecord(TrimView(line), {});
    if (!record) continue;
    const auto again = ParseTemplateRecord(TemplateRecordLine(*record), {});
    if (!again || !(*again == *record)) std::abort();
  }
  return 0;
}
