#include "editing/editing_session.h"

#include <array>
#include <string>

#include "interface/interface_context.h"
#include "work/undo.h"

namespace lumena {

EditingSession::EditingSession(TWorkDesk& desk, EditingQuestions& questions) : desk_(desk), questions_(questions) {}

bool EditingSession::SetLayerMode(LayerMode mode) {
  if (mode == mode_) return false;
  DisplacementField& field = desk_.Displacement();
  if (mode_ == LayerMode::Modify) field.Release();
  if (mode == LayerMode::Modify) field.Allocate();
  mode_ = mode;
  return true;
}

void EditingSession::MoveActiveToFront() {
  if (desk_.ActiveLayer()) desk_.MoveLayer(desk_.ActiveIndex(), 0);
}

void EditingSession::MoveActiveToBack() {
  if (desk_.ActiveLayer()) desk_.MoveLayer(desk_.ActiveIndex(), desk_.Count() - 1);
}

void EditingSession::DeleteActive() { DeleteLayerAt(desk_.ActiveIndex()); }

void EditingSession::DeleteLayerAt(int index) {
  if (index < 0 || index >= desk_.Count()) return;
  const std::string question = GetTermin("ConfirmDeleteLayer", "") + "\r\"" + desk_.Layer(index).DisplayName() + "\" ?";
  if (questions_.ConfirmText(question)) desk_.DeleteLayer(index);
}

void EditingSession::ToggleActiveVisible() {
  if (desk_.ActiveLayer()) desk_.ToggleVisible(desk_.ActiveIndex());
}

void EditingSession::UndoActive() {
  if (TLayer* layer = desk_.ActiveLayer()) layer->Undo();
}

void EditingSession::ResetActive() {
  if (TLayer* layer = desk_.ActiveLayer()) layer->Reset();
}

void EditingSession::FlipActive() {
  if (TLayer* layer = desk_.ActiveLayer()) layer->FlipHorizontal();
}

void EditingSession::NudgeActive(int32_t dx, int32_t dy) {
  TLayer* layer = desk_.ActiveLayer();
  if (!layer) return;
  const TUndoList& undo = layer->UndoList();
  desk_.SetUndoPending(undo.Empty() || undo.Newest().Kind != UndoKind::Move);
  layer->MoveBy(dx, dy);
  desk_.SetUndoPending(false);
}

void EditingSession::ChangeParameter(ColourField field, int32_t value) {
  if (TLayer* layer = desk_.ActiveLayer()) layer->EditParameter(field, value);
}

void EditingSession::CopyState() {
  if (const TLayer* layer = desk_.ActiveLayer()) {
    copiedState_ = layer->Params();
    desk_.RefreshControls();
  }
}

void EditingSession::PasteState() {
  TLayer* layer = desk_.ActiveLayer();
  if (!layer || !copiedState_) return;
  layer->PasteState(*copiedState_);
  desk_.RefreshControls();
}

void EditingSession::ClearWorkByGroups() {
  if (desk_.Count() == 0) return;
  struct Group {
    const char* letter;
    const char* question;
  };
  constexpr std::array<Group, 3> kGroups = {{
      {"F", "ConfirmDeleteFaceLayers"},
      {"B", "ConfirmDeleteBodyLayers"},
      {"N", "ConfirmDeleteHandLayers"},
  }};
  for (const Group& group : kGroups) {
    bool present = false;
    for (int i = 0; i < desk_.Count() && !present; ++i) present = desk_.Layer(i).GroupLetter() == group.letter;
    if (present && questions_.Confirm(group.question)) desk_.DeleteGroup(group.letter, -1, true);
  }
  desk_.RefreshControls();
}

}  // namespace lumena
