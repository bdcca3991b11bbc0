#pragma once
// The main window's side of the work desk: the saved-state flags follow the
// editing actions, and the desk's windows hear what to show again.
#include <functional>

#include "work/desk_observer.h"

namespace lumena {

class MainDeskObserver : public DeskObserver {
 public:
  // `workSaved` and `imageSaved` are the run's flags; editing actions clear them.
  MainDeskObserver(bool& workSaved, bool& imageSaved) : workSaved_(workSaved), imageSaved_(imageSaved) {}

  void ActionRecorded(EditingAction action) override;
  void AreaChanged(const Rect& area) override {
    if (areaChanged) areaChanged(area);
  }
  void ControlsChanged() override {
    if (controlsChanged) controlsChanged();
  }
  void ViewChanged() override {
    if (viewChanged) viewChanged();
  }
  void LayerValuesChanged(const ColourParameters& values) override {
    if (layerValuesChanged) layerValuesChanged(values);
  }
  void PortraitChanged() override {
    if (portraitChanged) portraitChanged();
  }
  // The layers list follows the layers and the active layer.
  void LayersListChanged() override {
    if (layersListChanged) layersListChanged();
  }
  void ActiveLayerChanged(int index) override {
    if (activeLayerChanged) activeLayerChanged(index);
  }
  std::function<void()> layersListChanged;
  std::function<void(int)> activeLayerChanged;
  // The regions window follows the active layer; its editor checks its own.
  void ActiveLayerNameChanged(const TLayer* layer) override {
    if (activeLayerShown) activeLayerShown(layer);
  }
  std::function<void(const TLayer*)> activeLayerShown;
  // The windows hear nothing more (they are going).
  void DetachWindows() {
    layersListChanged = nullptr;
    activeLayerChanged = nullptr;
    areaChanged = nullptr;
    controlsChanged = nullptr;
    layerValuesChanged = nullptr;
    viewChanged = nullptr;
    portraitChanged = nullptr;
  }

  // Set once the windows exist.
  std::function<void(const Rect&)> areaChanged;
  std::function<void()> controlsChanged;
  std::function<void(const ColourParameters&)> layerValuesChanged;
  std::function<void()> viewChanged;
  std::function<void()> portraitChanged;

 private:
  bool& workSaved_;
  bool& imageSaved_;
};

}  // namespace lumena
