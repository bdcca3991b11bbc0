#include "shell/main_desk_observer.h"

namespace lumena {

void MainDeskObserver::ActionRecorded(EditingAction action) {
  if (ChangesWork(action)) workSaved_ = imageSaved_ = false;
}

}  // namespace lumena
