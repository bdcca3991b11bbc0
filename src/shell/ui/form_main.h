#pragma once
// The main window around the work desk. It lives on the backdrop and owns
// the button pictures that other windows borrow cells from.
#include <functional>

#include "interface/ui/skinned_form.h"

namespace lumena {

class TGraphicButton;
class TPictureControl;
class TSoundHint;

class TFormMain : public TSkinnedForm {
  Q_OBJECT

 public:
  explicit TFormMain(QWidget* backdrop);

  TPictureControl* ImageSystemButtons;
  TPictureControl* ImageMainFormButtons;
  TGraphicButton* ButtonExit;
  TGraphicButton* ButtonMinimize;
  // The program's hint window, in the main window's colours.
  TSoundHint* SoundHint;

  // Asked when the main window is to close; false keeps the program running.
  std::function<bool()> closeHandler;

  void ButtonExitClick();
  void ButtonMinimizeClick();

 protected:
  void FormShow() override;
  void FormCloseQuery(bool& canClose) override;

 private:
  void PlaceOnBackdrop();
};

}  // namespace lumena
