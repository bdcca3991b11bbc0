#pragma once
// A desk observer that records what the model tells the windows.
#include <string>
#include <vector>

#include "work/desk_observer.h"
#include "work/layer.h"
#include "work/work_desk.h"

namespace lumena::testing {

class RecordingObserver : public DeskObserver {
 public:
  void ActionRecorded(EditingAction action) override { actions.push_back(action); }
  void ControlsChanged() override { ++controlRefreshes; }
  void AreaChanged(const Rect& area) override { painted.push_back(area); }
  void ActiveLayerNameChanged(const TLayer* layer) override { activeName = layer ? layer->DisplayName() : ""; }
  void LayerValuesChanged(const ColourParameters& values) override { shownValues.push_back(values); }
  void ActiveLayerChanged(int index) override { listSelection = index; }
  void LayersListChanged() override { ++listRefreshes; }
  void PortraitChanged() override { ++portraitChanges; }
  void ViewChanged() override { ++viewChanges; }

  std::vector<EditingAction> actions;
  std::vector<Rect> painted;
  std::vector<ColourParameters> shownValues;
  std::string activeName;
  int listSelection = -2;
  int controlRefreshes = 0, listRefreshes = 0, portraitChanges = 0, viewChanges = 0;
};

// Template types 2 to 5 have group letters in the tests.
inline std::string TestTypeLetter(int32_t type) {
  switch (type) {
    case 2:
      return "B";
    case 3:
      return "N";
    case 4:
      return "X";
    case 5:
      return "b";
    default:
      return "";
  }
}

// A shown desk with the default geometry and its recording observer.
struct DeskFixture {
  RecordingObserver observer;
  TWorkDesk desk{observer, [] {
                   DeskGeometry g;
                   g.CentreView();
                   return g;
                 }()};
  DeskFixture() {
    desk.SetDeskVisible(true);
    desk.SetTypeLetters(TestTypeLetter);
    desk.SeedNames(7);
  }

  // A layer of one colour at a table position, inserted at the back.
  TLayer& Add(int x, int y, int w, int h, Pixel colour, int32_t depth = 0, std::string name = "") {
    auto layer = std::make_unique<TLayer>(desk);
    Picture picture(w, h);
    for (Pixel& p : picture.Pixels()) p = colour;
    layer->Init(picture, nullptr, {name, -1});
    layer->SetDepth(depth);
    layer->SetPosition(x, y);
    layer->Mask().SetPicture(layer->WorkPicture());
    layer->SetTransformMode(kModeNormal);
    TLayer& ref = *layer;
    desk.InsertLayer(std::move(layer), desk.Count());
    ref.RenderDesk();
    return ref;
  }
};

}  // namespace lumena::testing
