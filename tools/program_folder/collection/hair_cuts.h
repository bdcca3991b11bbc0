#pragma once
// The cuts of the hairstyles, drawn on the standard face: each a few sheets
// of strands that together cover the sample's own hair.
#include "hair_strands.h"

namespace lumena::tools {

enum class HairCut { LongSwept, Curls, BobFringe, ShortLayered, Updo };

struct HairCutShape {
  std::vector<HairSheet> sheets;  // back to front
  HairLook look;
};

// `length` is where the longest strands end on the portrait; `wave` the
// waves' amplitude in pixels.
HairCutShape ShapeOfCut(HairCut cut, double length, double wave);

}  // namespace lumena::tools
