#pragma once
// A desk host without windows, for work outside the program (the
// command-line tool, benchmarks): it answers every question with Yes and
// shows nothing.
#include "work/desk_host.h"

namespace lumena {

class QuietDeskHost : public DeskHost {
 public:
  // A desk that counts as visible is composed as a shown one would be.
  explicit QuietDeskHost(bool deskVisible = false) : deskVisible_(deskVisible) {}
  void RecordAction(EditingAction action) override { last_ = action; }
  EditingAction LastAction() const override { return last_; }
  void RefreshControls() override {}
  bool DeskVisible() const override { return deskVisible_; }
  void PaintArea(const Rect&) override {}
  bool Confirm(std::string_view, std::string_view) override { return true; }
  void ShowActiveLayerName(const TLayer*) override {}
  void ShowLayerValues(const ColourParameters&) override {}
  void ActiveLayerChanged(int) override {}
  void RefreshLayersList() override {}
  void PortraitChanged() override {}
  void ViewChanged() override {}
  void SetBusy(bool) override {}
  std::string TemplateTypeLetter(int32_t) const override { return {}; }

 private:
  EditingAction last_ = EditingAction::None;
  bool deskVisible_;
};

}  // namespace lumena
