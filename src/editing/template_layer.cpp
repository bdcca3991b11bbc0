// Laying a template's layer on the work.
#include "editing/editing_session.h"
#include "work/layer.h"

namespace lumena {

TLayer& EditingSession::AddTemplateLayer(std::unique_ptr<TLayer> layer) {
  desk_.SetActive(-1);
  TLayer& laid = *layer;
  laid.RenderDesk();
  const int index = desk_.InsertLayer(std::move(layer), -1);
  desk_.RecordAction(EditingAction::TemplateApplied);
  if (desk_.DeskVisible()) laid.Repaint();
  desk_.SetActive(index);
  desk_.Observer().LayersListChanged();
  return laid;
}

}  // namespace lumena
