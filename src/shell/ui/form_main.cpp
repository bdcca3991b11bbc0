#include "shell/ui/form_main.h"

#include "editing/editing_session.h"
#include "interface/interface_context.h"
#include "interface/skin_picture.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/layout_builder.h"
#include "interface/ui/picture_control.h"
#include "interface/ui/sound_hint.h"
#include "interface/ui/window_services.h"
#include "platform/shell_open.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/message_boxes.h"
#include "platform/ui/qt_text.h"
#include "shell/main_window_layout.h"

namespace lumena {

namespace {

// The four buttons that open the publisher's pages, and their settings.
struct PublisherButton {
  std::string_view button, key;
};
constexpr PublisherButton kPublisherButtons[] = {{"ButtonLogoPBC", "PublisherPBC"},
                                                 {"ButtonSubscribe", "SubscribeURL"},
                                                 {"ButtonMoreGames", "MoreGamesURL"},
                                                 {"ButtonTellaFriend", "TellaFriendURL"}};

void ShowError(const std::string& message) { ShowErrorBox(message); }

// The main window's button pictures load once, when it is made.
TPictureControl* LoadedPictureControl(QWidget* owner, PictureSheet sheet) {
  auto* control = new TPictureControl(owner, "Image" + ToQString(sheet.key));
  Picture picture;
  LoadSkinPicture(picture, sheet.key, sheet.file, true, ShowError);
  control->SetPicture(std::move(picture));
  control->hide();
  return control;
}

}  // namespace

TFormMain::TFormMain(QWidget* backdrop)
    : TSkinnedForm("FormMain", backdrop, Kind::Embedded), SoundHint(new TSoundHint(this)) {
  SoundHint->setObjectName("SoundHint");
  SoundHint->HintBgColor = QColor(255, 255, 0);
  SoundHint->Font = QFont("Arial", 9);
  SoundHint->Coefficient = 2.0;
  SetMainForm(this);
  SetInterfaceMainWindow(this);
  resize(kMainWindowLayout.width, kMainWindowLayout.height);
  std::vector<std::pair<std::string_view, TPictureControl*>> sheets;
  for (const PictureSheet& sheet : kButtonSheets) sheets.emplace_back(sheet.key, LoadedPictureControl(this, sheet));
  ImageMainFormButtons = ChildByName<TPictureControl>(*this, "ImageMainFormButtons");
  BuildLayoutControls(this, kMainWindowLayout, [sheets](std::string_view key) -> TPictureControl* {
    for (const auto& [sheetKey, control] : sheets)
      if (sheetKey == key) return control;
    return nullptr;
  });
  ButtonExit = findChild<TGraphicButton*>("ButtonExit");
  ButtonMinimize = findChild<TGraphicButton*>("ButtonMinimize");
  // The one hint with a default of its own.
  if (auto* flip = findChild<TGraphicButton*>("ButtonLayerFlipHorizontal"); flip && flip->toolTip().isEmpty())
    flip->setToolTip("Flip layer");
  WireSystemButtons();
  WirePanels();
  WireModeButtons();
  WireColourSliders();
  WireToolSliders();
  WireLayerCommands();
  WireViewControls();
  ApplyInterfaceInfo(this);
  BuildTemplateStrip();
  BuildPalette();
  SetControls();
  const QString title = ToQString(GetTermin("ProductName", "Lumena"));
  setWindowTitle(title);
  CaptionBar()->SetCaption(title);
  PlaceOnBackdrop();
}

TFormMain::~TFormMain() = default;

void TFormMain::PlaceOnBackdrop() {
  if (QWidget* backdrop = parentWidget()) move((backdrop->width() - width()) / 2, (backdrop->height() - height()) / 2);
}

void TFormMain::FormShow() {
  LoadSkin("FormMain.Skin", kMainWindowLayout.skinDefault);
  LoadWholePictures();
  PlaceOnBackdrop();
}

// The panels' skins, the modes' skins and the palette's tray.
void TFormMain::LoadWholePictures() {
  for (const ControlLayout& c : kMainWindowLayout.controls) {
    if (c.pictureKey.empty() || (c.kind != ControlKind::Panel && c.kind != ControlKind::Picture)) continue;
    Picture picture;
    LoadSkinPicture(picture, c.pictureKey, c.pictureDefault, true, ShowError);
    if (auto* panel = ChildByName<TDrawPanel>(*this, c.name))
      panel->SetPicture(std::move(picture));
    else if (auto* image = ChildByName<TPictureControl>(*this, c.name))
      image->SetPicture(std::move(picture));
  }
}

void TFormMain::WireSystemButtons() {
  ButtonExit->OnClick = [this] { ButtonExitClick(); };
  ButtonMinimize->OnClick = [this] { ButtonMinimizeClick(); };
  if (auto* exitMain = findChild<TGraphicButton*>("ButtonExitMain"))
    exitMain->OnClick = [this, exitMain] {
      exitMain->SetPressed(true);
      close();
      exitMain->SetPressed(false);
    };
  if (auto* catalog = findChild<QWidget*>("ButtonCatalog")) catalog->hide();
  if (auto* clear = findChild<TGraphicButton*>("ButtonClearWork")) clear->OnClick = [this] { ClearWork(); };
  for (const PublisherButton& link : kPublisherButtons)
    if (auto* button = ChildByName<TGraphicButton>(*this, link.button))
      button->OnClick = [this, key = link.key] {
        const std::string address = publisherLink ? publisherLink(key) : std::string();
        if (!address.empty()) OpenWithDefaultProgram(address);
      };
}

void TFormMain::WirePanels() {
  const auto wire = [this](const char* open, const char* close, int& tag) {
    if (auto* button = findChild<TGraphicButton*>(open))
      button->OnClick = [this, &tag] {
        tag = 1;
        SetControls();
      };
    if (auto* button = findChild<TGraphicButton*>(close))
      button->OnClick = [this, &tag] {
        tag = 0;
        SetControls();
      };
  };
  wire("BBLayerTools", "BBPLayerTools", layerToolsTag_);
  wire("BBDesktopTools", "BBPDesktopTools", desktopToolsTag_);
}

void TFormMain::ClearWork() {
  if (!session_) return;
  session_->ClearWorkByGroups();
  SetControls();
}

void TFormMain::ButtonExitClick() {
  ButtonExit->SetPressed(true);
  close();
  ButtonExit->SetPressed(false);
}

void TFormMain::ButtonMinimizeClick() { window()->showMinimized(); }

// A click on the window itself, between its controls, offers its tip.
void TFormMain::mousePressEvent(QMouseEvent* event) {
  TSkinnedForm::mousePressEvent(event);
  if (Services().offerTip) Services().offerTip("FormMain");
}

void TFormMain::FormCloseQuery(bool& canClose) { canClose = !closeHandler || closeHandler(); }

}  // namespace lumena
