#include "work/work_desk.h"

#include <algorithm>
#include <chrono>

#include "platform/text.h"

namespace lumena {

TWorkDesk::TWorkDesk(DeskObserver& observer, const DeskGeometry& geometry)
    : Observer_(observer),
      Geometry_(geometry),
      DeskImage_(geometry.windowWidth, geometry.windowHeight),
      Random_(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

void TWorkDesk::RecordAction(EditingAction action) {
  // The pan cache serves a run of view moves only.
  if (action != LastAction_ && LastAction_ == EditingAction::ViewMoved) ClearPanCache();
  LastAction_ = action;
  Observer_.ActionRecorded(action);
}

// Layers go first: their masks call back into the desk.
TWorkDesk::~TWorkDesk() { Layers_.clear(); }

int TWorkDesk::IndexOf(const TLayer* layer) const {
  for (int i = 0; i < Count(); ++i)
    if (Layers_[i].get() == layer) return i;
  return -1;
}

TLayer* TWorkDesk::ActiveLayer() { return ActiveIndex_ >= 0 ? Layers_[ActiveIndex_].get() : nullptr; }
const TLayer* TWorkDesk::ActiveLayer() const { return ActiveIndex_ >= 0 ? Layers_[ActiveIndex_].get() : nullptr; }

int TWorkDesk::InsertLayer(std::unique_ptr<TLayer> layer, int index) {
  if (index < 0 || index >= Count()) {
    // Among equal depths the new layer goes in front.
    const auto at =
        std::find_if(Layers_.begin(), Layers_.end(), [&](const auto& l) { return l->Depth() <= layer->Depth(); });
    index = static_cast<int>(at - Layers_.begin());
  }
  Layers_.insert(Layers_.begin() + index, std::move(layer));
  // The active layer stays the same layer.
  if (ActiveIndex_ >= index) ++ActiveIndex_;
  return index;
}

void TWorkDesk::MoveLayer(int from, int to) {
  if (from < 0 || from >= Count() || to < 0 || to >= Count()) return;
  RecordAction(EditingAction::LayerOrderChanged);
  const TLayer* active = ActiveLayer();
  auto moved = std::move(Layers_[from]);
  Layers_.erase(Layers_.begin() + from);
  Layers_.insert(Layers_.begin() + to, std::move(moved));
  ActiveIndex_ = IndexOf(active);
  Layers_[to]->Repaint();
  Observer_.LayersListChanged();
  Observer_.ControlsChanged();
}

void TWorkDesk::SetActive(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == ActiveIndex_) return;
  const TLayer* previous = ActiveLayer();
  ActiveIndex_ = index;
  // Painting the old area again drops its frame.
  if (previous && previous->DeskRendering().State != kNotOnScreen && DeskVisible())
    PaintArea(previous->DeskRendering().Area());
  ShowActiveLayer();
  const TLayer* active = ActiveLayer();
  if (active && active->DeskRendering().State != kNotOnScreen && DeskVisible())
    PaintArea(active->DeskRendering().Area());
  Observer_.ControlsChanged();
  Observer_.ActiveLayerChanged(ActiveIndex_);
}

void TWorkDesk::ShowActiveLayer() {
  const TLayer* active = ActiveLayer();
  Observer_.ActiveLayerNameChanged(active);
  if (active) Observer_.LayerValuesChanged(active->ShownValues());
}

void TWorkDesk::DeleteLayer(int index) {
  if (index < 0 || index >= Count()) return;
  const TLayer& layer = *Layers_[index];
  RecordAction(EditingAction::LayersDeleted);
  const Rect area = layer.DeskRendering().Area();
  ClearSpecialReference(&layer);
  const bool wasActive = index == ActiveIndex_;
  Layers_.erase(Layers_.begin() + index);
  if (Layers_.empty()) {
    ActiveIndex_ = -1;
    ShowActiveLayer();
    Observer_.ActiveLayerChanged(-1);
    Observer_.ControlsChanged();
  } else if (wasActive) {
    // The layer in front of it, or the new front layer.
    ActiveIndex_ = -1;
    SetActive(std::max(index - 1, 0));
  } else if (index < ActiveIndex_) {
    --ActiveIndex_;
  }
  if (DeskVisible() && area.right > area.left) Refresh(area);
  Observer_.LayersListChanged();
}

bool TWorkDesk::IsSpecial(const TLayer* layer) const {
  return layer == PortraitLayer_ || layer == HandLayer_ || layer == BodyLayer_;
}

void TWorkDesk::ClearSpecialReference(const TLayer* layer) {
  if (layer == PortraitLayer_) {
    PortraitLayer_ = nullptr;
    Observer_.PortraitChanged();
  }
  if (layer == HandLayer_) HandLayer_ = nullptr;
  if (layer == BodyLayer_) BodyLayer_ = nullptr;
}

void TWorkDesk::DeleteGroup(std::string_view letter, int32_t type, bool selectFirst) {
  const std::string_view wanted = TrimView(letter);
  const TLayer* active = ActiveLayer();
  const auto matches = [&](const std::unique_ptr<TLayer>& l) {
    if (IsSpecial(l.get())) return false;
    return (!wanted.empty() && Iequals(l->GroupLetter(), wanted)) || (type >= 0 && l->TemplateType() == type);
  };
  const auto removed = std::erase_if(Layers_, matches);
  if (removed > 0) RecordAction(EditingAction::LayersDeleted);
  // The active layer keeps its place when it survived.
  ActiveIndex_ = IndexOf(active);
  RefreshAll();
  Observer_.LayersListChanged();
  if (selectFirst && !Layers_.empty()) {
    SetActive(0);
  } else if (removed > 0 && ActiveIndex_ < 0 && active) {
    ShowActiveLayer();
    Observer_.ActiveLayerChanged(-1);
    Observer_.ControlsChanged();
  }
}

void TWorkDesk::ToggleVisible(int index) {
  if (index < 0 || index >= Count()) return;
  Layers_[index]->SetVisible(!Layers_[index]->Visible());
  Observer_.LayersListChanged();
  Observer_.ControlsChanged();
}

void TWorkDesk::ClearWork() {
  SetActive(-1);
  Layers_.clear();
  PortraitLayer_ = HandLayer_ = BodyLayer_ = nullptr;
  PanCache_.Clear();
  RefreshAll();
  Observer_.LayersListChanged();
  Observer_.PortraitChanged();
}

int TWorkDesk::FindLayer(std::string_view name) const {
  for (int i = 0; i < Count(); ++i)
    if (Iequals(Layers_[i]->Name(), name)) return i;
  return -1;
}

bool TWorkDesk::NameInUse(std::string_view name) const { return FindLayer(name) >= 0; }

std::string TWorkDesk::NewLayerName() {
  std::uniform_int_distribution<int> digit(0, 9);
  for (;;) {
    std::string name;
    for (int i = 0; i < 8; ++i) name += static_cast<char>('0' + digit(Random_));
    if (!NameInUse(name)) return name;
  }
}

bool TWorkDesk::TakeUndoPending() {
  const bool pending = UndoPending_;
  UndoPending_ = false;
  return pending;
}

void TWorkDesk::RegionChanged(const TLayer& layer) {
  if (DeskVisible() && &layer == ActiveLayer()) ShowActiveLayer();
}

void TWorkDesk::ValuesChanged(const TLayer& layer) {
  if (&layer == ActiveLayer()) Observer_.LayerValuesChanged(layer.ShownValues());
}

}  // namespace lumena
