#pragma once
// One colour parameter of a mask region, set as the region sliders set it.
#include "work/colouring_parameters.h"
#include "work/mask.h"

namespace lumena::test {

inline void SetRegionField(TMask& mask, int region, ColourField field, int32_t value) {
  ColourParameters parameters = mask.Region(region);
  SetField(parameters, field, value);
  mask.SetRegion(region, parameters);
}

}  // namespace lumena::test
