// The main window's side of editing: the layer mode buttons, the controls
// that follow the desk, and the keyboard.
#include <QKeyEvent>
#include <QPointer>
#include <array>

#include "editing/colour_sliders.h"
#include "editing/editing_session.h"
#include "editing/main_controls.h"
#include "editing/tool_sliders.h"
#include "editing/ui/form_montage.h"
#include "images/rounding.h"
#include "interface/interface_context.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/graphic_slider.h"
#include "interface/ui/picture_control.h"
#include "interface/ui/window_services.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/qt_text.h"
#include "shell/ui/form_main.h"

namespace lumena {

namespace {

struct ModeButton {
  const char* name;
  LayerMode mode;
  const char* tipTopic;
};
constexpr std::array<ModeButton, 6> kModeButtons = {{
    {"ButtonColoration", LayerMode::Coloration, "PanelLayerColorationMode"},
    {"ButtonAppearance", LayerMode::Appearance, "PanelLayerAppearanceMode"},
    {"ButtonBrush", LayerMode::Paint, "PanelLayerPaintMode"},
    {"ButtonEraser", LayerMode::Erase, "PanelLayerEraseMode"},
    {"ButtonModifier", LayerMode::Modify, "PanelLayerModifyMode"},
    {"ButtonActions", LayerMode::Actions, "PanelLayerActionsMode"},
}};

struct LayerCommand {
  const char* name;
  void (EditingSession::*action)();
};
constexpr std::array<LayerCommand, 10> kLayerCommands = {{
    {"ButtonLayerMoveTop", &EditingSession::MoveActiveToFront},
    {"ButtonLayerMoveBottom", &EditingSession::MoveActiveToBack},
    {"ButtonLayerHide", &EditingSession::ToggleActiveVisible},
    {"ButtonLayerShow", &EditingSession::ToggleActiveVisible},
    {"ButtonLayerDelete", &EditingSession::DeleteActive},
    {"ButtonLayerUndo", &EditingSession::UndoActive},
    {"ButtonLayerReset", &EditingSession::ResetActive},
    {"ButtonLayerFlipHorizontal", &EditingSession::FlipActive},
    {"ButtonLayerCopyState", &EditingSession::CopyState},
    {"ButtonLayerPasteState", &EditingSession::PasteState},
}};

// Buttons of windows and parts still to come: shown, but not yet usable.
constexpr std::array<const char*, 10> kLaterWindows = {
    "ButtonPrint", "ButtonInternet",         "ButtonMessages", "ButtonQueries",  "ButtonSetup",
    "ButtonHelp",  "ButtonColorCalibration", "ButtonShopping", "ButtonBaldHead", "ButtonLayerSave"};

// The view's position sliders stand beside the desk and show with it.
constexpr std::array<const char*, 2> kDeskSliders = {"SliderHPos", "SliderVPos"};

// Ctrl + an arrow moves the active layer by one table pixel, ten with Shift.
std::optional<Point> NudgeOf(const QKeyEvent* event) {
  const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
  switch (event->key()) {
    case Qt::Key_Left:
      return Point{-step, 0};
    case Qt::Key_Right:
      return Point{step, 0};
    case Qt::Key_Up:
      return Point{0, -step};
    case Qt::Key_Down:
      return Point{0, step};
    default:
      return std::nullopt;
  }
}

}  // namespace

void TFormMain::WireModeButtons() {
  for (const ModeButton& b : kModeButtons)
    if (auto* button = findChild<TGraphicButton*>(b.name))
      button->OnClick = [this, b] {
        if (Services().offerTip) Services().offerTip(b.tipTopic);
        SetLayerMode(b.mode);
      };
}

void TFormMain::WireColourSliders() {
  for (const ColourSlider& s : kColourSliders) {
    auto* slider = ChildByName<TGraphicSlider>(*this, s.name);
    if (!slider) continue;
    slider->SetAllValues(0, s.max, GetField(ColourParameters{}, s.field));
    slider->OnChange = [this, slider, field = s.field] {
      if (session_) session_->ChangeParameter(field, slider->Value());
    };
    // A drag makes one undo record.
    slider->OnMouseDown = [this](QMouseEvent*) {
      if (session_) session_->Desk().SetUndoPending(true);
    };
    slider->OnMouseUp = [this](QMouseEvent*) {
      if (session_) session_->Desk().SetUndoPending(false);
    };
    slider->OnMouseMove = [slider, s](QMouseEvent*) {
      slider->setToolTip(ToQString(SliderHint(s.style, GetTermin(s.hintKey, ""), slider->Value())));
    };
  }
}

void TFormMain::WireLayerCommands() {
  for (const LayerCommand& command : kLayerCommands)
    if (auto* button = findChild<TGraphicButton*>(command.name))
      button->OnClick = [this, action = command.action] {
        if (!session_) return;
        (session_->*action)();
        SetControls();
      };
}

void TFormMain::WireViewControls() {
  auto* hPos = findChild<TGraphicSlider*>("SliderHPos");
  auto* vPos = findChild<TGraphicSlider*>("SliderVPos");
  auto* scale = findChild<TGraphicSlider*>("SliderScale");
  if (!hPos || !vPos || !scale) return;
  const auto moveView = [this, hPos, vPos] {
    if (session_ && !showingView_) session_->Desk().SetViewPosition(hPos->Value(), vPos->Value());
  };
  hPos->OnChange = moveView;
  vPos->OnChange = moveView;
  scale->OnChange = [this, scale] {
    if (session_ && !showingView_) session_->Desk().SetScale(scale->Value() / 100.0);
  };
  scale->OnMouseMove = [scale](QMouseEvent*) {
    scale->setToolTip(
        ToQString(GetTermin("SliderScaleHint", "") + " 1:" + QString::number(scale->Value() / 100.0).toStdString()));
  };
  if (auto* original = findChild<TGraphicButton*>("ButtonOriginalSize"))
    original->OnClick = [scale] { scale->SetValue(100); };
  if (auto* centre = findChild<TGraphicButton*>("ButtonCentering"))
    centre->OnClick = [this] {
      if (session_) session_->Desk().CentreView();
    };
}

void TFormMain::ShowView() {
  if (!session_) return;
  const DeskGeometry& g = session_->Desk().Geometry();
  showingView_ = true;
  if (auto* hPos = findChild<TGraphicSlider*>("SliderHPos"))
    hPos->SetAllValues(0, g.tableWidth - g.viewWidth, g.viewLeft);
  if (auto* vPos = findChild<TGraphicSlider*>("SliderVPos"))
    vPos->SetAllValues(0, g.tableHeight - g.viewHeight, g.viewTop);
  if (auto* scale = findChild<TGraphicSlider*>("SliderScale"))
    scale->SetAllValues(1, g.ScaleSliderMaximum(), static_cast<int32_t>(Round(g.scale * 100)));
  showingView_ = false;
}

void TFormMain::WireToolSliders() {
  for (const ToolSlider& s : kToolSliders) {
    auto* slider = ChildByName<TGraphicSlider>(*this, s.name);
    if (!slider) continue;
    slider->SetAllValues(s.min, 100, kToolSliderStart);
    slider->OnChange = [this, slider, s] {
      if (montage_) ApplyToolSlider(montage_->Pointer(), s, slider->Value());
    };
    slider->OnMouseMove = [slider, s](QMouseEvent*) {
      slider->setToolTip(ToQString(SliderHint(SliderHintStyle::Percent, GetTermin(s.hintKey, ""), slider->Value())));
    };
  }
}

void TFormMain::ShowLayerValues(const ColourParameters& values) {
  for (const ColourSlider& s : kColourSliders)
    if (auto* slider = ChildByName<TGraphicSlider>(*this, s.name)) slider->SetValue(GetField(values, s.field));
}

void TFormMain::AttachWork(EditingSession& session, TFormMontage& montage) {
  session_ = &session;
  montage_ = &montage;
  ShowView();
  SetControls();
}

void TFormMain::SetLayerMode(LayerMode mode) {
  if (!session_ || !session_->SetLayerMode(mode)) return;
  SetControls();
}

// A tool panel shows when it is open; its open button stands in its place
// when it is closed.
void TFormMain::ShowPanel(const char* panel, const char* openButton, bool layers, bool open) {
  if (QWidget* p = findChild<QWidget*>(panel)) PostShown(p, open);
  if (QWidget* b = findChild<QWidget*>(openButton)) PostShown(b, layers && !open);
}

// Showing, hiding, enabling and disabling take effect after the current
// event, in the order they were asked for: a button may hide itself from its
// own click.
void TFormMain::PostToControl(QWidget* control, void (QWidget::*set)(bool), bool value) {
  QMetaObject::invokeMethod(
      this,
      [control = QPointer<QWidget>(control), set, value] {
        if (control) (control->*set)(value);
      },
      Qt::QueuedConnection);
}

void TFormMain::PostShown(QWidget* control, bool shown) { PostToControl(control, &QWidget::setVisible, shown); }
void TFormMain::PostEnabled(QWidget* control, bool enabled) { PostToControl(control, &QWidget::setEnabled, enabled); }

void TFormMain::SetControls() {
  MainWindowState window;
  const auto* flip = findChild<TGraphicButton*>("ButtonLayerFlipHorizontal");
  window.flipOffered = flip && flip->Tag == 1;
  window.layerToolsOpen = layerToolsTag_ > 0;
  window.desktopToolsOpen = desktopToolsTag_ > 0;
  window.paletteHasPages = paletteHasPages_;
  for (size_t i = 0; i < kModeSkinControls.size(); ++i) {
    const auto* skin = ChildByName<TPictureControl>(*this, MainControlName(kModeSkinControls[i]));
    window.modeSkinLoaded[i] = skin && !skin->GetPicture().Empty();
  }
  // Before a desk exists the window looks as with an empty one.
  const MainControlStates states =
      ComputeMainControls(session_ ? InputsOf(*session_, window) : MainControlInputs{.window = window});
  if (session_) ShowDesk(states.deskVisible);
  // Without layers the layer tool panel is hidden, and with it its controls.
  for (size_t i = 0; i < kMainControlCount; ++i) {
    const std::string_view name = MainControlName(static_cast<MainControl>(i));
    QWidget* control = ChildByName<QWidget>(*this, name);
    if (!control) continue;
    PostShown(control, states.controlsApply && states.controls[i].visible);
    PostEnabled(control, states.controls[i].enabled);
  }
  for (const char* name : kDeskSliders)
    if (QWidget* control = findChild<QWidget*>(name)) PostShown(control, states.deskVisible);
  const bool layers = session_ && session_->Desk().Count() > 0;
  ShowPanel("PanelLayerTools", "BBLayerTools", layers, states.layerToolsVisible);
  ShowPanel("PanelDesktopTools", "BBDesktopTools", layers, states.desktopToolsVisible);
  for (const char* name : kLaterWindows)
    if (QWidget* control = findChild<QWidget*>(name)) PostEnabled(control, false);
  for (const ModeButton& b : kModeButtons)
    if (auto* button = findChild<TGraphicButton*>(b.name)) button->SetPressed(session_ && session_->Mode() == b.mode);
  ShowBrushColour(states[MainControl::ButtonCurrentBrushColor].enabled);
  ShowPaletteSwatches(states.controlsApply && states[MainControl::ImagePalette].visible);
}

// The desk window shows exactly when it holds layers; it is drawn afresh
// when it comes back.
void TFormMain::ShowDesk(bool visible) {
  TWorkDesk& desk = session_->Desk();
  if (visible != desk.DeskVisible()) {
    desk.SetDeskVisible(visible);
    if (visible) {
      desk.RenderAll();
      desk.RefreshAll();
    }
  }
  montage_->setVisible(visible);
}

// The brush colour button shows the colour inside its frame while a layer
// is active, and no colour otherwise.
void TFormMain::ShowBrushColour(bool layerActive) {
  auto* button = findChild<TGraphicButton*>("ButtonCurrentBrushColor");
  if (!button || !montage_) return;
  const Pixel colour = montage_->Pointer().brushColour;
  button->OnPaint = [colour, layerActive](Picture& face) {
    if (!layerActive) return;
    for (int y = 3; y < face.Height() - 3; ++y)
      for (int x = 3; x < face.Width() - 3; ++x) face.At(x, y) = {colour.b, colour.g, colour.r, 255};
  };
  button->update();
}

namespace {

// A Windows key is held while its press has not been released.
bool IsWindowsKey(int key) { return key == Qt::Key_Super_L || key == Qt::Key_Super_R || key == Qt::Key_Meta; }

}  // namespace

void TFormMain::MainKeyDown(QKeyEvent* event) {
  if (IsWindowsKey(event->key())) windowsKeyHeld_ = true;
  if (event->key() == Qt::Key_M && windowsKeyHeld_) ButtonMinimizeClick();
  if (!session_) return;
  const Qt::KeyboardModifiers m = event->modifiers();
  if (m.testFlag(Qt::ControlModifier)) {
    if (const auto nudge = NudgeOf(event)) {
      session_->NudgeActive(nudge->x, nudge->y);
      SetControls();
      return;
    }
  }
  if (event->key() == Qt::Key_Alt) montage_->ShowCursor(DeskCursor::HandFlatAll);
  if (event->key() == Qt::Key_Shift && session_->Mode() == LayerMode::Paint) montage_->ShowCursor(DeskCursor::Pipette);
}

void TFormMain::MainKeyUp(QKeyEvent* event) {
  if (IsWindowsKey(event->key())) windowsKeyHeld_ = false;
  if (!session_ || event->isAutoRepeat()) return;
  const Qt::KeyboardModifiers m = event->modifiers();
  if (event->key() == Qt::Key_Alt) montage_->ShowCursor(DeskCursor::Arrow);
  if (event->key() == Qt::Key_Shift && session_->Mode() == LayerMode::Paint) montage_->ShowCursor(DeskCursor::Brush);
  if (event->key() == Qt::Key_Delete && m == Qt::NoModifier) session_->DeleteActive();
  if (event->key() == Qt::Key_Z && m == Qt::ControlModifier) session_->UndoActive();
  SetControls();
}

}  // namespace lumena
