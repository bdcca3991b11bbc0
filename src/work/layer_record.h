#pragma once
// The stored state of a layer, in the order of a work file's layer line. With
// only the colour parameters filled it is also the copy-state buffer.
#include <cstdint>
#include <string>

#include "work/colouring_parameters.h"

namespace lumena {

struct TLayerRecord {
  std::string Name;
  std::string DisplayName;
  int32_t TemplateType = -1;
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;  // informative: the stored picture decides the size
  int32_t Height = 0;
  uint8_t Visible = 1;
  ColourParameters Params;  // Color .. Contrast, Opacity
  int32_t Depth = 0;
  std::string SourcePath;
};

}  // namespace lumena
