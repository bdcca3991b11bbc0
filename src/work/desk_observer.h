#pragma once
// What the work desk tells the windows around it. Every notification does
// nothing by default, so a desk without windows (the command-line tool,
// tests, benchmarks) takes a plain DeskObserver. The desk never asks: the
// callers put the questions and pass the answers in.
#include "images/rect.h"
#include "work/colouring_parameters.h"
#include "work/editing_actions.h"

namespace lumena {

class TLayer;

class DeskObserver {
 public:
  virtual ~DeskObserver() = default;

  // An editing action was recorded (saved-state flags follow it).
  virtual void ActionRecorded(EditingAction) {}
  // The main window's controls follow the work (undo button and the like).
  virtual void ControlsChanged() {}
  // A window area of the composed desk picture is ready to be shown, with
  // the active layer's frame.
  virtual void AreaChanged(const Rect& /*windowArea*/) {}
  // The active layer's name label (nullptr: no active layer); the window
  // adds the current region's suffix.
  virtual void ActiveLayerNameChanged(const TLayer*) {}
  // The colour sliders and the opacity slider.
  virtual void LayerValuesChanged(const ColourParameters&) {}
  // The layers list selects the index and the regions window switches.
  virtual void ActiveLayerChanged(int /*index*/) {}
  virtual void LayersListChanged() {}
  // The initial portrait preview follows the portrait layer.
  virtual void PortraitChanged() {}
  // The position sliders take the view's new range and position.
  virtual void ViewChanged() {}
};

}  // namespace lumena
