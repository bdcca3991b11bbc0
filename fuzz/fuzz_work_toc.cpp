// The table of contents of a work on arbitrary text: every line is read as
// the loader reads it, and the whole table is checked against the caps. A
// layer line that was accepted must read back the same once written again,
// with its values within their ranges.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "work/value_ranges.h"
#include "workfile/work_caps.h"
#include "workfile/work_file_error.h"
#include "workfile/work_toc.h"

namespace {

bool SameRecord(const lumena::TLayerRecord& a, const lumena::TLayerRecord& b) {
  return a.Name == b.Name && a.DisplayName == b.DisplayName && a.TemplateType == b.TemplateType && a.X == b.X &&
         a.Y == b.Y && a.Width == b.Width && a.Height == b.Height && a.Visible == b.Visible && a.Params == b.Params &&
         a.Depth == b.Depth && a.SourcePath == b.SourcePath;
}

bool InRange(const lumena::TLayerRecord& r) {
  lumena::TLayerRecord clamped = r;
  lumena::ClampToRanges(clamped);
  return SameRecord(clamped, r);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumena;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  WorkRoles roles;
  PlacementAnchors anchors;
  const std::vector<std::string> lines = SplitTocText(text);
  try {
    for (const TLayerRecord& record : CheckedLayerRecords(lines))
      if (!InRange(record)) std::abort();
  } catch (const EWorkFileError&) {
  }
  for (const std::string& line : lines) {
    ApplyFixedTocLine(line, roles, anchors);
    if (!IsLayerLine(line)) continue;
    try {
      const TLayerRecord record = ParseLayerLine(line);
      if (!IsStreamableLayerName(record.Name) || !InRange(record)) std::abort();
      if (!SameRecord(ParseLayerLine(LayerTocLine(record)), record)) std::abort();
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
