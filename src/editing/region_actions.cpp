// The layer regions' actions: choosing a region, committing the editor's
// work and cutting a region out for saving.
#include "editing/editing_session.h"

namespace lumena {

void EditingSession::ChooseRegion(TLayer& layer, int region) { layer.Mask().SetCurrentRegion(region); }

bool EditingSession::CommitRegionEdit(const RegionEdit& edit) {
  const int index = desk_.IndexOf(edit.SourceLayer());
  if (index < 0 || !edit.Loaded()) return false;
  TLayer& layer = desk_.Layer(index);
  TMask& mask = layer.Mask();
  const TMask& edited = edit.Mask();
  if (mask.Columns() != edited.Columns() || mask.Rows() != edited.Rows()) return false;
  // Only the edited region's bit: a region chosen meanwhile keeps its own.
  const auto bit = static_cast<uint8_t>(1u << (edit.Region() - 1));
  const std::span<uint8_t> cells = mask.CellsView();
  const std::span<const uint8_t> source = edited.CellsView();
  for (size_t i = 0; i < cells.size(); ++i) cells[i] = static_cast<uint8_t>((cells[i] & ~bit) | (source[i] & bit));
  mask.CollectUsedRegions();
  desk_.RecordAction(EditingAction::ParametersChanged);
  layer.RenderDesk();
  layer.Repaint();
  return true;
}

std::optional<RegionCut> EditingSession::CutRegionOf(const TLayer& layer, int region) const {
  const int32_t colour = layer.Params().Color;
  const Pixel outside = colour < 0
                            ? Pixel{255, 255, 255, 0}
                            : Pixel{ColorBlue(static_cast<uint32_t>(colour)), ColorGreen(static_cast<uint32_t>(colour)),
                                    ColorRed(static_cast<uint32_t>(colour)), 0};
  return CutRegion(layer.WorkPicture(), layer.Mask(), region, {layer.X(), layer.Y()}, outside);
}

}  // namespace lumena
