#pragma once
// The main window's side of the work desk: the record of the last editing
// action and the saved-state flags it drives. Questions and the hourglass go
// to whatever the windows supply.
#include <functional>

#include "work/desk_host.h"

namespace lumena {

class TWorkDesk;

class MainDeskHost : public DeskHost {
 public:
  // `workSaved` and `imageSaved` are the run's flags; editing actions clear them.
  MainDeskHost(bool& workSaved, bool& imageSaved) : workSaved_(workSaved), imageSaved_(imageSaved) {}

  void setDesk(TWorkDesk* desk) { desk_ = desk; }
  std::function<bool(std::string_view key, std::string_view appended)> confirm;
  std::function<void(bool)> busy;

  void RecordAction(EditingAction action) override;
  EditingAction LastAction() const override { return last_; }
  void RefreshControls() override {}
  bool DeskVisible() const override { return false; }
  void PaintArea(const Rect&) override {}
  bool Confirm(std::string_view textKey, std::string_view appended) override {
    return confirm ? confirm(textKey, appended) : false;
  }
  void ShowActiveLayerName(const TLayer*) override {}
  void ShowLayerValues(const ColourParameters&) override {}
  void ActiveLayerChanged(int) override {}
  void RefreshLayersList() override {}
  void PortraitChanged() override {}
  void ViewChanged() override {}
  void SetBusy(bool on) override {
    if (busy) busy(on);
  }
  std::string TemplateTypeLetter(int32_t) const override { return {}; }

 private:
  bool& workSaved_;
  bool& imageSaved_;
  TWorkDesk* desk_ = nullptr;
  EditingAction last_ = EditingAction::None;
};

}  // namespace lumena
