#pragma once
// The portrait preview: keeps the portrait as it was prepared in view while
// templates cover it on the desk. The main window's preview button toggles
// it and stays pressed while it is open.
#include "images/picture.h"
#include "interface/ui/skinned_form.h"

namespace lumena {

class TGraphicButton;

class TFormPreview : public TSkinnedForm {
  Q_OBJECT

 public:
  // The caption buttons copy the main window's; `portrait` is the run's
  // portrait preview picture (empty without a portrait).
  TFormPreview(const TGraphicButton& mainMinimize, const TGraphicButton& mainExit, TGraphicButton& previewButton,
               const Picture& portrait);

  // Draws the portrait (or white for none) fitted into the preview.
  void ShowPortrait(const Picture* portrait);

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  TGraphicButton& previewButton_;
  const Picture& portrait_;
  TPictureControl* resImage_;
  bool lockResImage_ = false;
};

}  // namespace lumena
