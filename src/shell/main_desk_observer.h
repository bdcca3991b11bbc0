#pragma once
// The main window's side of the work desk: the saved-state flags follow the
// editing actions. The rest waits for the desk's windows.
#include "work/desk_observer.h"

namespace lumena {

class MainDeskObserver : public DeskObserver {
 public:
  // `workSaved` and `imageSaved` are the run's flags; editing actions clear them.
  MainDeskObserver(bool& workSaved, bool& imageSaved) : workSaved_(workSaved), imageSaved_(imageSaved) {}

  void ActionRecorded(EditingAction action) override;

 private:
  bool& workSaved_;
  bool& imageSaved_;
};

}  // namespace lumena
