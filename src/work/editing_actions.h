#pragma once
// The codes of the editing actions. Whoever changes the work records one;
// the main window keeps the last and derives the saved-state flags from it.
#include <cstdint>

namespace lumena {

enum class EditingAction : uint8_t {
  None = 0,
  NewPortrait = 1,
  WorkOpened = 2,
  ScaleChanged = 3,
  ViewMoved = 4,
  TemplateApplied = 5,
  LayersDeleted = 6,
  LayerMoved = 7,
  LayerResized = 8,
  LayerRotated = 9,
  LayerShownOrHidden = 10,
  LayerOrderChanged = 11,
  ParametersChanged = 12,  // also painting, flip, paste state, calibration, bald head
  Undo = 13,
  Reset = 14,
};

// Scale and view changes leave the work as it was saved.
inline constexpr bool ChangesWork(EditingAction action) {
  return action != EditingAction::None && action != EditingAction::ScaleChanged && action != EditingAction::ViewMoved;
}

}  // namespace lumena
