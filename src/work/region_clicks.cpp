#include "work/region_clicks.h"

namespace lumena {

uint32_t ClickOperation(ClickKeys keys, ClickButton button) {
  if (keys.ctrl && button == ClickButton::Right) return kMaskInvertRect;
  if (keys.ctrl && keys.shift) return kMaskSetRect;
  if (keys.ctrl && keys.alt) return kMaskClearRect;
  if (keys.alt) return kMaskSubtractColourRange;
  if (keys.shift) return kMaskAddColourRange;
  return kMaskNewColourSelection;
}

std::optional<ColourSelectMode> ToleranceAdjustment(int32_t before, int32_t after) {
  if (after > before) return kSelectAdd;
  if (after < before) return kSelectIntersect;
  return std::nullopt;
}

}  // namespace lumena
