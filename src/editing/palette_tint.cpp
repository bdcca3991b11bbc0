// A palette swatch's colour: the brush colour while painting, else the tint
// of the active layer or of its current region.
#include "editing/editing_session.h"

namespace lumena {

namespace {

// A region is tinted again even with its own colour: the click is the
// user's, and undoing it gives back what was there.
void TintRegion(TWorkDesk& desk, TLayer& layer, int region, int32_t colour) {
  ColourParameters values = layer.Mask().Region(region);
  values.Color = colour;
  layer.PushUndo(UndoKind::Colour);
  layer.Mask().SetRegion(region, values);
  desk.RecordAction(EditingAction::ParametersChanged);
  layer.RenderDesk();
  layer.Repaint();
}

}  // namespace

void EditingSession::ApplyPaletteColour(uint32_t colour, Pixel& brushColour) {
  if (mode_ == LayerMode::Paint) {
    brushColour = {ColorBlue(colour), ColorGreen(colour), ColorRed(colour), 255};
    desk_.RefreshControls();
    return;
  }
  TLayer* layer = desk_.ActiveLayer();
  if (!layer) return;
  const int32_t tint = static_cast<int32_t>(colour & 0xFFFFFFu);
  if (const int region = layer->Mask().CurrentRegion(); region != 0) {
    TintRegion(desk_, *layer, region, tint);
  } else if (layer->Params().Color != tint) {
    layer->PushUndo(UndoKind::Colour);
    layer->SetParameter(ColourField::Color, tint);
  }
  desk_.RefreshControls();
}

}  // namespace lumena
