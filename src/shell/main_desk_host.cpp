#include "shell/main_desk_host.h"

#include "work/work_desk.h"

namespace lumena {

void MainDeskHost::RecordAction(EditingAction action) {
  // The pan cache serves a run of view moves only.
  if (action != LastAction() && LastAction() == EditingAction::ViewMoved && desk_) desk_->ClearPanCache();
  QuietDeskHost::RecordAction(action);
  if (ChangesWork(action)) workSaved_ = imageSaved_ = false;
}

}  // namespace lumena
