#include "editing/tool_sliders.h"

namespace lumena {

void ApplyToolSlider(DeskPointer& pointer, const ToolSlider& slider, int32_t value) {
  PaintToolSettings& settings = slider.tool == PaintTool::Brush    ? pointer.brush
                                : slider.tool == PaintTool::Eraser ? pointer.eraser
                                                                   : pointer.modifier;
  if (slider.setting == ToolSetting::Power)
    settings.power = value;
  else
    settings.radius = RadiusFromSlider(value);
}

}  // namespace lumena
