// Setting a layer's visibility and colour parameters.
#include "work/layer.h"

namespace lumena {

void TLayer::SetVisible(bool visible) {
  if (visible == Visible_) return;
  Visible_ = visible;
  Site_->RecordAction(EditingAction::LayerShownOrHidden);
  Repaint();
}

void TLayer::SetParameter(ColourField field, int32_t value) {
  ColourParameters changed = Params_;
  SetField(changed, field, value);
  if (changed == Params_) return;
  Params_ = changed;
  Site_->RecordAction(EditingAction::ParametersChanged);
  // Opacity acts in the composition only.
  if (field != ColourField::Opacity) RenderDesk();
  Repaint();
}

void TLayer::EditParameter(ColourField field, int32_t value) {
  const int region = Mask_.CurrentRegion();
  if (region == 0) {
    ColourParameters changed = Params_;
    SetField(changed, field, value);
    if (changed == Params_) return;
    PushUndo(UndoKind::Colour, true);
    SetParameter(field, value);
    return;
  }
  ColourParameters changed = Mask_.Region(region);
  SetField(changed, field, value);
  if (changed == Mask_.Region(region)) return;
  PushUndo(UndoKind::Colour, true);
  Mask_.SetRegion(region, changed);
  Site_->RecordAction(EditingAction::ParametersChanged);
  RenderDesk();
  Repaint();
}

void TLayer::PasteState(const ColourParameters& parameters) {
  Site_->RecordAction(EditingAction::ParametersChanged);
  PushUndo(UndoKind::PasteState);
  Params_ = parameters;
  RenderDesk();
  Repaint();
  Site_->ValuesChanged(*this);
}

}  // namespace lumena
