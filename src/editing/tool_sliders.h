#pragma once
// The six sliders of the painting tools: size and power of the brush, the
// eraser and the modifier, kept in the desk pointer's settings.
#include <array>
#include <cstdint>
#include <string_view>

#include "editing/desk_pointer.h"

namespace lumena {

enum class ToolSetting : uint8_t { Power, Size };

struct ToolSlider {
  std::string_view name;
  PaintTool tool;
  ToolSetting setting;
  int32_t min;  // the maximum is 100; every slider starts at 50
  std::string_view hintKey;
};

inline constexpr int32_t kToolSliderStart = 50;

inline constexpr std::array<ToolSlider, 6> kToolSliders = {{
    {"SliderBrushPower", PaintTool::Brush, ToolSetting::Power, 0, "SliderBrushPowerHint"},
    {"SliderBrushSize", PaintTool::Brush, ToolSetting::Size, 1, "SliderBrushSizeHint"},
    {"SliderEraserPower", PaintTool::Eraser, ToolSetting::Power, 0, "SliderEraserPowerHint"},
    {"SliderEraserSize", PaintTool::Eraser, ToolSetting::Size, 1, "SliderEraserSizeHint"},
    {"SliderModifierPower", PaintTool::Modifier, ToolSetting::Power, 0, "SliderModifierPowerHint"},
    {"SliderModifierSize", PaintTool::Modifier, ToolSetting::Size, 1, "SliderModifierSizeHint"},
}};

// Stores a slider's value in the pointer: the power as it is, the size as
// the radius (RadiusFromSlider).
void ApplyToolSlider(DeskPointer& pointer, const ToolSlider& slider, int32_t value);

}  // namespace lumena
