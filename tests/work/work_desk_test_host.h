#pragma once
// A desk host that records what the model asks of the windows.
#include <string>
#include <vector>

#include "work/desk_host.h"
#include "work/layer.h"
#include "work/work_desk.h"

namespace lumena::testing {

class RecordingHost : public DeskHost {
 public:
  void RecordAction(EditingAction action) override {
    if (action != last && last == EditingAction::ViewMoved && desk) desk->ClearPanCache();
    last = action;
    actions.push_back(action);
  }
  EditingAction LastAction() const override { return last; }
  void RefreshControls() override { ++controlRefreshes; }
  bool DeskVisible() const override { return visible; }
  void PaintArea(const Rect& area) override { painted.push_back(area); }
  bool Confirm(std::string_view key, std::string_view appended) override {
    questions.push_back(std::string(key) + std::string(appended));
    return answerYes;
  }
  void ShowActiveLayerName(const TLayer* layer) override { activeName = layer ? layer->DisplayName() : ""; }
  void ShowLayerValues(const ColourParameters& values) override { shownValues.push_back(values); }
  void ActiveLayerChanged(int index) override { listSelection = index; }
  void RefreshLayersList() override { ++listRefreshes; }
  void PortraitChanged() override { ++portraitChanges; }
  void ViewChanged() override { ++viewChanges; }
  void SetBusy(bool busy) override { busyCalls.push_back(busy); }
  std::string TemplateTypeLetter(int32_t type) const override {
    switch (type) {
      case 2: return "B";
      case 3: return "N";
      case 4: return "X";
      case 5: return "b";
      default: return "";
    }
  }

  TWorkDesk* desk = nullptr;
  bool visible = true;
  bool answerYes = true;
  EditingAction last = EditingAction::None;
  std::vector<EditingAction> actions;
  std::vector<Rect> painted;
  std::vector<std::string> questions;
  std::vector<ColourParameters> shownValues;
  std::vector<bool> busyCalls;
  std::string activeName;
  int listSelection = -2;
  int controlRefreshes = 0, listRefreshes = 0, portraitChanges = 0, viewChanges = 0;
};

// A desk with the default geometry and its recording host.
struct DeskFixture {
  RecordingHost host;
  TWorkDesk desk{host, [] {
                   DeskGeometry g;
                   g.CentreView();
                   return g;
                 }()};
  DeskFixture() {
    host.desk = &desk;
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
