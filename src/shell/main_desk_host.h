#pragma once
// The main window's side of the work desk: the record of the last editing
// action and the saved-state flags it drives. Questions and the hourglass go
// to whatever the windows supply; the rest waits for the desk's windows.
#include <functional>

#include "work/quiet_desk_host.h"

namespace lumena {

class TWorkDesk;

class MainDeskHost : public QuietDeskHost {
 public:
  // `workSaved` and `imageSaved` are the run's flags; editing actions clear them.
  MainDeskHost(bool& workSaved, bool& imageSaved) : workSaved_(workSaved), imageSaved_(imageSaved) {}

  void SetDesk(TWorkDesk* desk) { desk_ = desk; }
  std::function<bool(std::string_view key, std::string_view appended)> confirm;
  std::function<void(bool)> busy;

  void RecordAction(EditingAction action) override;
  bool Confirm(std::string_view textKey, std::string_view appended) override {
    return confirm ? confirm(textKey, appended) : false;
  }
  void SetBusy(bool on) override {
    if (busy) busy(on);
  }

 private:
  bool& workSaved_;
  bool& imageSaved_;
  TWorkDesk* desk_ = nullptr;
};

}  // namespace lumena
