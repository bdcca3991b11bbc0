// The table of contents of a work on arbitrary text: every line is read as
// the loader reads it. A layer line that was accepted must read back the
// same once written again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "workfile/work_file_error.h"
#include "workfile/work_toc.h"

namespace {

bool sameRecord(const lumena::TLayerRecord& a, const lumena::TLayerRecord& b) {
  return a.Name == b.Name && a.DisplayName == b.DisplayName && a.TemplateType == b.TemplateType && a.X == b.X &&
         a.Y == b.Y && a.Width == b.Width && a.Height == b.Height && a.Visible == b.Visible && a.Params == b.Params &&
         a.Depth == b.Depth && a.SourcePath == b.SourcePath;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumena;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  WorkRoles roles;
  PlacementAnchors anchors;
  for (const std::string& line : SplitTocText(text)) {
    ApplyFixedTocLine(line, roles, anchors);
    if (!IsLayerLine(line)) continue;
    try {
      const TLayerRecord record = ParseLayerLine(line);
      if (!IsStreamableLayerName(record.Name)) std::abort();
      if (!sameRecord(ParseLayerLine(LayerTocLine(record)), record)) std::abort();
    } catch (const EWorkFileError&) {
    }
  }
  // The fixed lines written from what was read are read back the same.
  WorkHeader header{"x", roles, anchors};
  WorkRoles rolesAgain;
  PlacementAnchors anchorsAgain = anchors;
  for (const std::string& line : FixedTocLines(header)) ApplyFixedTocLine(line, rolesAgain, anchorsAgain);
  if (!(anchorsAgain == anchors)) std::abort();
  return 0;
}
