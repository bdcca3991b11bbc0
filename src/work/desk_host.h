#pragma once
// What the work desk's model asks of the windows around it. The main window
// and the desk window implement it; tests fake it. The model never sees a
// window.
#include <cstdint>
#include <string>
#include <string_view>

#include "images/rect.h"
#include "work/colouring_parameters.h"
#include "work/editing_actions.h"

namespace lumena {

class TLayer;

class DeskHost {
 public:
  virtual ~DeskHost() = default;

  // The main window's record of the last editing action.
  virtual void RecordAction(EditingAction action) = 0;
  virtual EditingAction LastAction() const = 0;
  // The main window's controls follow the work (undo button and the like).
  virtual void RefreshControls() = 0;

  virtual bool DeskVisible() const = 0;
  // Copy a window area of the composed desk picture to the screen, with the
  // active layer's frame.
  virtual void PaintArea(const Rect& windowArea) = 0;

  // A Yes/No question: the text of `textKey` followed by `appended`. True
  // for Yes.
  virtual bool Confirm(std::string_view textKey, std::string_view appended) = 0;

  // The active layer's name label (nullptr: no active layer); the window
  // adds the current region's suffix.
  virtual void ShowActiveLayerName(const TLayer* layer) = 0;
  // The colour sliders and the opacity slider.
  virtual void ShowLayerValues(const ColourParameters& values) = 0;
  // The layers list selects the index and the regions window switches.
  virtual void ActiveLayerChanged(int index) = 0;
  virtual void RefreshLayersList() = 0;
  // The initial portrait preview follows the portrait layer.
  virtual void PortraitChanged() = 0;
  // The position sliders take the view's new range and position.
  virtual void ViewChanged() = 0;
  // The hourglass cursor.
  virtual void SetBusy(bool busy) = 0;

  // The group letter of a template type; empty when there is no such type.
  virtual std::string TemplateTypeLetter(int32_t type) const = 0;
};

// The hourglass while a long operation runs.
class BusyCursor {
 public:
  explicit BusyCursor(DeskHost& host) : host_(host) { host_.SetBusy(true); }
  ~BusyCursor() { host_.SetBusy(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  DeskHost& host_;
};

}  // namespace lumena
