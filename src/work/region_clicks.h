#pragma once
// What a click on the region editor's picture does to the region, by the
// keys held and the button, and how a tolerance change with Shift held
// adjusts the last selection.
#include <cstdint>
#include <optional>

#include "work/mask.h"

namespace lumena {

struct ClickKeys {
  bool ctrl = false, shift = false, alt = false;
};

enum class ClickButton { Left, Right, Middle };

// Apply's flags for the click: the first match of Ctrl + right button
// (invert), Ctrl + Shift (set), Ctrl + Alt (clear), Alt (colour range
// subtracted), Shift (added), anything else (a new colour selection).
uint32_t ClickOperation(ClickKeys keys, ClickButton button);

// A grown tolerance adds to the selection, a shrunk one intersects it;
// nothing when it stayed.
std::optional<ColourSelectMode> ToleranceAdjustment(int32_t before, int32_t after);

}  // namespace lumena
