#pragma once
// The work desk's model: the ordered list of layers (index 0 in front), the
// active layer, the special layers, the view of the table and the composed
// pictures made from the layers' renderings.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "images/picture.h"
#include "images/rect.h"
#include "work/desk_geometry.h"
#include "work/desk_observer.h"
#include "work/layer.h"
#include "work/layer_site.h"
#include "work/work_desk_displacement.h"

namespace lumena {

enum class DeskTarget : uint8_t { DeskImage, PanCache, FullWorkImage };

// The active layer's frame: the rendering's window area and the edges to
// draw (an edge on the window border is left out).
struct ActiveFrame {
  Rect area;
  bool top = true, left = true, bottom = true, right = true;
};

class TWorkDesk : public LayerSite {
 public:
  TWorkDesk(DeskObserver& observer, const DeskGeometry& geometry);
  ~TWorkDesk() override;

  // --- Layers.
  int Count() const { return static_cast<int>(Layers_.size()); }
  TLayer& Layer(int index) { return *Layers_.at(static_cast<size_t>(index)); }
  const TLayer& Layer(int index) const { return *Layers_.at(static_cast<size_t>(index)); }
  int IndexOf(const TLayer* layer) const;
  // At the index when it is within the list; otherwise in front of the first
  // layer whose Depth is not above the new one's, or at the back.
  int InsertLayer(std::unique_ptr<TLayer> layer, int index = -1);
  void MoveLayer(int from, int to);
  int ActiveIndex() const { return ActiveIndex_; }
  TLayer* ActiveLayer();
  const TLayer* ActiveLayer() const;
  void SetActive(int index);
  // The caller has asked "ConfirmDeleteLayer".
  void DeleteLayer(int index);
  // Every layer but the special ones whose group letter equals the letter
  // (a blank letter matches nothing) or whose template type is the type
  // (when not negative).
  void DeleteGroup(std::string_view letter, int32_t type, bool selectFirst);
  void ToggleVisible(int index);
  void ClearWork();
  int FindLayer(std::string_view name) const;
  bool NameInUse(std::string_view name) const override;
  std::string NewLayerName() override;
  void SeedNames(uint32_t seed) { Random_.seed(seed); }

  TLayer* PortraitLayer() const { return PortraitLayer_; }
  TLayer* HandLayer() const { return HandLayer_; }
  TLayer* BodyLayer() const { return BodyLayer_; }
  void SetPortraitLayer(TLayer* layer) { PortraitLayer_ = layer; }
  void SetHandLayer(TLayer* layer) { HandLayer_ = layer; }
  void SetBodyLayer(TLayer* layer) { BodyLayer_ = layer; }

  // The layer under a table point: its working picture's alpha there is
  // not 0. With ctrl, a point in the active layer keeps it; cycling steps to
  // the next layer behind the active one.
  int HitTest(int32_t x, int32_t y, bool ctrl, bool cycle) const;

  // --- Undo-pending flag: set by a press, cleared by a release or taken by
  // the first undo record of a drag.
  void SetUndoPending(bool pending) { UndoPending_ = pending; }
  bool UndoPending() const { return UndoPending_; }
  bool TakeUndoPending() override;

  // --- View.
  const DeskGeometry& Geometry() const override { return Geometry_; }
  void SetViewPosition(int32_t left, int32_t top);
  void SetScale(double scale);
  void CentreView();
  void RenderAll();

  // --- Composition.
  void ComposeArea(const Rect& rect, DeskTarget target);
  // Show a window area, refilled from the pan cache while there is one.
  void PaintArea(const Rect& rect);
  void Refresh(const Rect& windowArea) override;
  void RefreshAll();
  const Picture& DeskImage() const { return DeskImage_; }
  std::optional<ActiveFrame> ActiveFrameToDraw() const;
  bool ShowActiveFrame = true;

  void BuildPanCache();
  void ClearPanCache() { PanCache_.Clear(); }
  const Picture& PanCache() const { return PanCache_; }
  Point PanCachePosition() const { return {PanCacheX_, PanCacheY_}; }

  // The visible work at full resolution, trimmed to its bounding box on the
  // table, over transparent white; empty without a visible layer.
  void BuildFullWorkImage();
  const Picture& FullWorkImage() const { return FullWorkImage_; }
  // That image built and handed over, so that the desk keeps no copy.
  Picture TakeFullWorkImage() {
    BuildFullWorkImage();
    return std::exchange(FullWorkImage_, Picture{});
  }
  // FullLeft, FullTop and the image's size, in table pixels.
  Rect FullArea() const { return FullArea_; }

  DisplacementField& Displacement() { return Displacement_; }
  void ResetDisplacement() { Displacement_.Reset(); }

  // --- What the windows tell the desk.
  // A hidden desk composes nothing; the window shows it once it is shown.
  void SetDeskVisible(bool visible) { DeskVisible_ = visible; }
  // The group letter of a template type; empty when there is no such type.
  using TypeLetterLookup = std::function<std::string(int32_t type)>;
  void SetTypeLetters(TypeLetterLookup lookup) { TypeLetters_ = std::move(lookup); }
  DeskObserver& Observer() const { return Observer_; }

  // --- The last editing action; a run of view moves keeps the pan cache.
  EditingAction LastAction() const { return LastAction_; }

  // --- What layers ask of the desk.
  bool DeskVisible() const override { return DeskVisible_; }
  void RecordAction(EditingAction action) override;
  void RefreshControls() override { Observer_.ControlsChanged(); }
  void RegionChanged(const TLayer& layer) override;
  void ValuesChanged(const TLayer& layer) override;
  std::string TemplateTypeLetter(int32_t type) const override { return TypeLetters_ ? TypeLetters_(type) : ""; }

 private:
  Rect WindowRect() const { return {0, 0, Geometry_.windowWidth, Geometry_.windowHeight}; }
  void ClearSpecialReference(const TLayer* layer);
  void ShowActiveLayer();
  bool IsSpecial(const TLayer* layer) const;

  DeskObserver& Observer_;
  bool DeskVisible_ = false;
  TypeLetterLookup TypeLetters_;
  EditingAction LastAction_ = EditingAction::None;
  DeskGeometry Geometry_;
  std::vector<std::unique_ptr<TLayer>> Layers_;
  int ActiveIndex_ = -1;
  TLayer* PortraitLayer_ = nullptr;
  TLayer* HandLayer_ = nullptr;
  TLayer* BodyLayer_ = nullptr;
  Picture DeskImage_;
  Picture PanCache_;
  int32_t PanCacheX_ = 0, PanCacheY_ = 0;
  int32_t PanCacheTableX_ = 0, PanCacheTableY_ = 0;
  Picture FullWorkImage_;
  Rect FullArea_;
  DisplacementField Displacement_;
  bool UndoPending_ = false;
  std::mt19937 Random_;
};

}  // namespace lumena
