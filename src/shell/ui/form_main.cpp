#include "shell/ui/form_main.h"

#include "interface/interface_context.h"
#include "interface/skin_picture.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/layout_builder.h"
#include "interface/ui/picture_control.h"
#include "interface/ui/sound_hint.h"
#include "platform/ui/message_boxes.h"
#include "platform/ui/qt_text.h"
#include "shell/main_window_layout.h"

namespace lumena {

namespace {

// The main window's button pictures load once, when it is made.
TPictureControl* LoadedPictureControl(QWidget* owner, const char* name, std::string_view key,
                                      std::string_view defaultFile) {
  auto* control = new TPictureControl(owner, name);
  Picture picture;
  LoadSkinPicture(picture, key, defaultFile, true, [](const std::string& m) { ShowErrorBox(m); });
  control->SetPicture(std::move(picture));
  return control;
}

}  // namespace

TFormMain::TFormMain(QWidget* backdrop)
    : TSkinnedForm("FormMain", backdrop, Kind::Embedded),
      ImageSystemButtons(LoadedPictureControl(this, "ImageSystemButtons", kSystemButtonsKey, kSystemButtonsDefault)),
      ImageMainFormButtons(
          LoadedPictureControl(this, "ImageMainFormButtons", kMainFormButtonsKey, kMainFormButtonsDefault)),
      ImageLayerModeButtons(
          LoadedPictureControl(this, "ImageLayerModeButtons", kLayerModeButtonsKey, kLayerModeButtonsDefault)),
      ImageSlidersLayer(LoadedPictureControl(this, "ImageSlidersLayer", kSlidersKey, kSlidersDefault)),
      ImageLayerToolsButtons(
          LoadedPictureControl(this, "ImageLayerToolsButtons", kLayerToolsButtonsKey, kLayerToolsButtonsDefault)),
      ImageDesktopToolsButtons(
          LoadedPictureControl(this, "ImageDesktopToolsButtons", kDesktopToolsButtonsKey, kDesktopToolsButtonsDefault)),
      SoundHint(new TSoundHint(this)) {
  SoundHint->setObjectName("SoundHint");
  SoundHint->HintBgColor = QColor(255, 255, 0);
  SoundHint->Font = QFont("Arial", 9);
  SoundHint->Coefficient = 2.0;
  SetMainForm(this);
  SetInterfaceMainWindow(this);
  resize(kMainWindowLayout.width, kMainWindowLayout.height);
  BuildLayoutControls(this, kMainWindowLayout, [this](std::string_view key) {
    if (key == kLayerModeButtonsKey) return ImageLayerModeButtons;
    if (key == kSlidersKey) return ImageSlidersLayer;
    if (key == kLayerToolsButtonsKey) return ImageLayerToolsButtons;
    if (key == kDesktopToolsButtonsKey) return ImageDesktopToolsButtons;
    return key == kSystemButtonsKey ? ImageSystemButtons : ImageMainFormButtons;
  });
  WireModeButtons();
  WireColourSliders();
  WireToolSliders();
  WireLayerCommands();
  WireViewControls();
  ButtonExit = findChild<TGraphicButton*>("ButtonExit");
  ButtonMinimize = findChild<TGraphicButton*>("ButtonMinimize");
  ButtonExit->OnClick = [this] { ButtonExitClick(); };
  ButtonMinimize->OnClick = [this] { ButtonMinimizeClick(); };
  ButtonExit->setToolTip(ToQString(GetTermin("ButtonCloseHint", "")));
  ButtonMinimize->setToolTip(ToQString(GetTermin("ButtonMinimizeHint", "")));
  ApplyInterfaceInfo(this);
  const QString title = ToQString(GetTermin("ProductName", "Lumena"));
  setWindowTitle(title);
  CaptionBar()->SetCaption(title);
  PlaceOnBackdrop();
}

void TFormMain::PlaceOnBackdrop() {
  if (QWidget* backdrop = parentWidget()) move((backdrop->width() - width()) / 2, (backdrop->height() - height()) / 2);
}

void TFormMain::FormShow() {
  LoadSkin("FormMain.Skin", kMainWindowLayout.skinDefault);
  PlaceOnBackdrop();
}

void TFormMain::ButtonExitClick() {
  ButtonExit->SetPressed(true);
  close();
  ButtonExit->SetPressed(false);
}

void TFormMain::ButtonMinimizeClick() { window()->showMinimized(); }

void TFormMain::FormCloseQuery(bool& canClose) { canClose = !closeHandler || closeHandler(); }

}  // namespace lumena
