#pragma once
// What a layer needs of the desk it lies on. The work desk implements it;
// tests may fake it.
#include <cstdint>
#include <string>
#include <string_view>

#include "images/rect.h"
#include "work/desk_geometry.h"
#include "work/editing_actions.h"

namespace lumena {

class TLayer;

class LayerSite {
 public:
  virtual ~LayerSite() = default;
  virtual const DeskGeometry& Geometry() const = 0;
  virtual bool DeskVisible() const = 0;
  // A fresh unique layer name.
  virtual std::string NewLayerName() = 0;
  virtual bool NameInUse(std::string_view name) const = 0;
  virtual void RecordAction(EditingAction action) = 0;
  virtual void RefreshControls() = 0;
  // Returns the undo-pending flag and clears it.
  virtual bool TakeUndoPending() = 0;
  // Recompose and show a window area.
  virtual void Refresh(const Rect& windowArea) = 0;
  // The layer's mask changed its current region.
  virtual void RegionChanged(const TLayer& layer) = 0;
  // The parameters the sliders show for this layer changed.
  virtual void ValuesChanged(const TLayer& layer) = 0;
  // The group letter of a template type; empty when there is no such type.
  virtual std::string TemplateTypeLetter(int32_t type) const = 0;
};

}  // namespace lumena
