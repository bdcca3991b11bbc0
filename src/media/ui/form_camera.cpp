#include "media/ui/form_camera.h"

#include <QMessageBox>
#include <algorithm>
#include <iterator>
#include <string>

#include "interface/interface_context.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/layout_builder.h"
#include "interface/ui/picture_control.h"
#include "media/camera_window_layout.h"
#include "media/snapshot.h"
#include "media/ui/camera_dialogs.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/qt_text.h"

namespace lumena {

namespace {

constexpr int kPreviewMilliseconds = 66;
// In the order of the capture state's flags.
struct DriverButton {
  const char* name;
  void (TFormCamera::*click)();
};
constexpr DriverButton kDriverButtons[] = {{"ButtonVideoSource", &TFormCamera::ButtonVideoSourceClick},
                                           {"ButtonVideoFormat", &TFormCamera::ButtonVideoFormatClick},
                                           {"ButtonVideoDisplay", &TFormCamera::ButtonVideoDisplayClick},
                                           {"ButtonSnapshot", &TFormCamera::ButtonSnapshotClick}};

QString Text(std::string_view key, std::string_view fallback) { return ToQString(GetTermin(key, fallback)); }

// A dialog of one list: the chosen value, when it is not the current one.
std::optional<int> ChangedChoice(QWidget* parent, const QString& title, CaptureSetting setting) {
  const int current = setting.current;
  const std::optional<std::vector<int>> chosen = ChooseSettings(parent, title, std::span(&setting, 1));
  if (!chosen || chosen->front() == current) return std::nullopt;
  return chosen->front();
}

}  // namespace

TFormCamera::TFormCamera(std::unique_ptr<TVideoCapture> capture, const TGraphicButton& mainExit)
    : TSkinnedForm(ToQString(kCameraWindowLayout.name)), capture_(std::move(capture)) {
  OwnModal = true;
  resize(kCameraWindowLayout.width, kCameraWindowLayout.height);
  TPictureControl* buttons = ImageButtons();
  BuildLayoutControls(this, kCameraWindowLayout, [buttons](std::string_view) { return buttons; });
  preview_ = ChildByName<TPictureControl>(*this, "CaptureWindow");
  preview_->show();
  CopyExitButton(mainExit);
  for (const DriverButton& b : kDriverButtons)
    ChildByName<TGraphicButton>(*this, b.name)->OnClick = [this, click = b.click] { (this->*click)(); };
  previewTimer_.setInterval(kPreviewMilliseconds);
  connect(&previewTimer_, &QTimer::timeout, this, [this] { RefreshPreview(); });
  capture_->onError = [this](int number, const std::string& text) { CaptureError(number, text); };
  showWarning = [this](std::string_view caption, std::string_view text) {
    QMessageBox::warning(this, QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  };
  if (QWidget* main = MainForm()) move(main->mapToGlobal(QPoint(120, 85)));
  ApplyInterfaceInfo(this);
  setWindowTitle(Text("ProductName", ""));
  CaptionBar()->SetCaption(Text("FormCameraCaption", "Camera"));
  ShowCaptureState();
}

TFormCamera::~TFormCamera() { capture_->onError = nullptr; }

bool TFormCamera::FindCamera() {
  const bool found = ConnectFirstInput(*capture_).has_value();
  ShowCaptureState();
  return found;
}

void TFormCamera::FormShow() {
  LoadSkin("FormCamera.Skin", kCameraWindowLayout.skinDefault);
  LoadButtonsPicture(kCameraSheet.key, kCameraSheet.file, true);
  preview_->move(FindInterfaceInt("FormCamera.CapWinX").value_or(kCameraPreview.left),
                 FindInterfaceInt("FormCamera.CapWinY").value_or(kCameraPreview.top));
  ShowCaptureState();
}

void TFormCamera::FormClose() {
  capture_->Disconnect();
  ShowCaptureState();
  preview_->ClearPicture();
  FreeButtonsPicture();
  FreeSkin();
}

// Without a camera nothing can be chosen or taken; with one, what it offers.
void TFormCamera::ShowCaptureState() {
  const CaptureCapabilities can = CapabilitiesOf(*capture_);
  const bool connected = capture_->Connected().has_value();
  const bool enabled[] = {can.source, can.format, can.display, connected};
  for (size_t i = 0; i < std::size(kDriverButtons); ++i)
    ChildByName<QWidget>(*this, kDriverButtons[i].name)->setEnabled(enabled[i]);
  if (connected && isVisible())
    previewTimer_.start();
  else
    previewTimer_.stop();
}

void TFormCamera::RefreshPreview() {
  const Picture frame = capture_->LatestFrame();
  if (!frame.Empty()) preview_->SetPicture(CoverAndCut(frame, preview_->width(), preview_->height()));
}

void TFormCamera::ButtonSnapshotClick() {
  if (!capture_->Connected()) return;
  // No frame yet: the camera is still capturing its first.
  Picture snapshot = SnapshotOf(capture_->LatestFrame());
  if (snapshot.Empty()) return;
  close();
  if (onSnapshot) onSnapshot(std::move(snapshot));
}

void TFormCamera::ButtonVideoSourceClick() {
  const std::optional<int> previous = capture_->Connected();
  if (!previous) return;
  std::vector<std::string> inputs = capture_->Inputs();
  if (inputs.size() > static_cast<size_t>(kMaxCaptureInputs)) inputs.resize(kMaxCaptureInputs);
  const std::optional<int> chosen =
      ChangedChoice(this, Text("FormCameraButtonVideoSourceHint", "Video source"), {"Camera", inputs, *previous});
  // An input that does not start leaves the one that did.
  if (chosen && !capture_->Connect(*chosen)) capture_->Connect(*previous);
  ShowCaptureState();
}

void TFormCamera::ButtonVideoFormatClick() {
  const std::vector<CaptureFormat> formats = capture_->Formats();
  if (!capture_->Connected() || formats.empty()) return;
  CaptureSetting setting{"Format", {}, static_cast<int>(capture_->CurrentFormat().value_or(0))};
  std::ranges::transform(formats, std::back_inserter(setting.choices), DescribeFormat);
  const std::optional<int> chosen =
      ChangedChoice(this, Text("FormCameraButtonVideoFormatHint", "Video format"), std::move(setting));
  if (chosen) capture_->SetFormat(static_cast<size_t>(*chosen));
  ShowCaptureState();
}

void TFormCamera::ButtonVideoDisplayClick() {
  const std::vector<CaptureSetting> settings = capture_->PictureSettings();
  if (!capture_->Connected() || settings.empty()) return;
  const std::optional<std::vector<int>> chosen =
      ChooseSettings(this, Text("FormCameraButtonVideoDisplayHint", "Picture settings"), settings);
  if (!chosen) return;
  for (size_t i = 0; i < settings.size(); ++i)
    if ((*chosen)[i] != settings[i].current) capture_->ChoosePictureSetting(i, (*chosen)[i]);
}

void TFormCamera::CaptureError(int number, const std::string& text) {
  if (number == 0 || !showWarning) return;
  showWarning("Error# " + std::to_string(number), text);
}

}  // namespace lumena
