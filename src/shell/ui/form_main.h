#pragma once
// The main window around the work desk. It lives on the backdrop and owns
// the button pictures that other windows borrow cells from.
#include <functional>

#include "editing/layer_mode.h"
#include "interface/ui/skinned_form.h"
#include "work/colouring_parameters.h"

namespace lumena {

class EditingSession;
class TFormMontage;
class TGraphicButton;
class TPictureControl;
class TSoundHint;

class TFormMain : public TSkinnedForm {
  Q_OBJECT

 public:
  explicit TFormMain(QWidget* backdrop);

  TPictureControl* ImageSystemButtons;
  TPictureControl* ImageMainFormButtons;
  TPictureControl* ImageLayerModeButtons;
  TPictureControl* ImageSlidersLayer;
  TPictureControl* ImageLayerToolsButtons;
  TPictureControl* ImageDesktopToolsButtons;
  TGraphicButton* ButtonExit;
  TGraphicButton* ButtonMinimize;
  // The program's hint window, in the main window's colours.
  TSoundHint* SoundHint;

  // Asked when the main window is to close; false keeps the program running.
  std::function<bool()> closeHandler;

  void ButtonExitClick();
  void ButtonMinimizeClick();

  // The work the window edits, from the moment the desk exists.
  void AttachWork(EditingSession& session, TFormMontage& montage);
  void SetLayerMode(LayerMode mode);
  // Brings every control in line with the desk and the mode.
  void SetControls();
  // The colour sliders show the active layer's values, or its region's.
  void ShowLayerValues(const ColourParameters& values);
  // The scale and position sliders follow the desk's view.
  void ShowView();
  void MainKeyDown(QKeyEvent* event) override;
  void MainKeyUp(QKeyEvent* event) override;

 protected:
  void FormShow() override;
  void FormCloseQuery(bool& canClose) override;

 private:
  void PlaceOnBackdrop();
  void WireModeButtons();
  void WireColourSliders();
  void WireToolSliders();
  void WireLayerCommands();
  void WireViewControls();

  EditingSession* session_ = nullptr;
  TFormMontage* montage_ = nullptr;
  bool showingView_ = false;
};

}  // namespace lumena
