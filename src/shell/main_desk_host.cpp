#include "shell/main_desk_host.h"

#include "work/work_desk.h"

namespace lumena {

void MainDeskHost::RecordAction(EditingAction action) {
  // The pan cache serves a run of view moves only.
  if (action != last_ && last_ == EditingAction::ViewMoved && desk_) desk_->ClearPanCache();
  last_ = action;
  if (ChangesWork(action)) workSaved_ = imageSaved_ = false;
}

}  // namespace lumena
