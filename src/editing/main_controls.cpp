#include "editing/main_controls.h"

#include <initializer_list>

#include "editing/editing_session.h"

namespace lumena {

namespace {

using C = MainControl;

constexpr std::array<std::string_view, kMainControlCount> kNames = {
    "ImagePalette",
    "LabelPaletteName",
    "ButtonPalettePrev",
    "ButtonPaletteNext",
    "SliderPaletteColor",
    "ButtonPaletteColorPrev",
    "ButtonPaletteColorNext",
    "SliderRedColor",
    "SliderGreenColor",
    "SliderBlueColor",
    "SliderHue",
    "SliderSaturation",
    "SliderBrightness",
    "SliderContrast",
    "SliderOpacity",
    "SliderBrushPower",
    "SliderBrushSize",
    "ButtonCurrentBrushColor",
    "SliderEraserPower",
    "SliderEraserSize",
    "SliderModifierPower",
    "SliderModifierSize",
    "ImageSkinColoration",
    "ImageSkinAppearance",
    "ImageSkinBrush",
    "ImageSkinModifier",
    "ImageSkinEraser",
    "ImageSkinActions",
    "ButtonLayerMoveBottom",
    "ButtonLayerMoveTop",
    "ButtonLayerHide",
    "ButtonLayerShow",
    "ButtonLayerDelete",
    "ButtonLayerRegions",
    "ButtonLayerCopyState",
    "ButtonLayerReset",
    "ButtonLayerSave",
    "ButtonLayerPasteState",
    "ButtonBaldHead",
    "ButtonLayerFlipHorizontal",
    "ButtonLayerUndo",
};

class Table {
 public:
  explicit Table(MainControlStates& states) : states_(states) {}
  void Set(std::initializer_list<C> controls, bool visible, bool enabled) {
    for (C c : controls) states_.controls[static_cast<size_t>(c)] = {visible, enabled};
  }

 private:
  MainControlStates& states_;
};

}  // namespace

std::string_view MainControlName(MainControl control) { return kNames[static_cast<size_t>(control)]; }

MainControlInputs InputsOf(const EditingSession& session, const MainWindowState& window) {
  const TWorkDesk& desk = session.Desk();
  const TLayer* active = desk.ActiveLayer();
  MainControlInputs in;
  in.mode = session.Mode();
  in.layerCount = desk.Count();
  in.hasActive = active != nullptr;
  in.activeVisible = active && active->Visible();
  in.activeIsFirst = active && desk.ActiveIndex() == 0;
  in.activeIsLast = active && desk.ActiveIndex() == desk.Count() - 1;
  in.activeHasUndo = active && !active->UndoList().Empty();
  in.hasPortrait = desk.PortraitLayer() != nullptr;
  in.stateCopied = session.HasCopiedState();
  in.window = window;
  return in;
}

MainControlStates ComputeMainControls(const MainControlInputs& in) {
  MainControlStates s;
  const bool layers = in.layerCount > 0;
  s.deskVisible = layers;
  s.layerToolsVisible = layers && in.window.layerToolsOpen;
  s.desktopToolsVisible = layers && in.window.desktopToolsOpen;
  if (!layers) return s;
  s.controlsApply = true;
  s.pressedMode = in.mode;

  const LayerMode m = in.mode;
  const bool colours = m == LayerMode::Coloration || m == LayerMode::Appearance || m == LayerMode::Paint;
  const bool actions = m == LayerMode::Actions;
  const bool active = in.hasActive;
  Table t(s);
  t.Set({C::ImagePalette}, colours, true);
  t.Set({C::LabelPaletteName, C::ButtonPalettePrev, C::ButtonPaletteNext}, active && colours, true);
  t.Set({C::SliderPaletteColor, C::ButtonPaletteColorPrev, C::ButtonPaletteColorNext},
        active && colours && in.window.paletteHasPages, true);
  t.Set({C::SliderRedColor, C::SliderGreenColor, C::SliderBlueColor, C::SliderHue, C::SliderSaturation},
        m == LayerMode::Coloration, active);
  t.Set({C::SliderBrightness, C::SliderContrast, C::SliderOpacity}, m == LayerMode::Appearance, active);
  t.Set({C::SliderBrushPower, C::SliderBrushSize, C::ButtonCurrentBrushColor}, m == LayerMode::Paint, active);
  t.Set({C::SliderEraserPower, C::SliderEraserSize}, m == LayerMode::Erase, active);
  t.Set({C::SliderModifierPower, C::SliderModifierSize}, m == LayerMode::Modify, active);
  for (size_t i = 0; i < kModeSkinControls.size(); ++i)
    t.Set({kModeSkinControls[i]}, static_cast<size_t>(m) == i + 1 && in.window.modeSkinLoaded[i], true);
  t.Set({C::ButtonLayerMoveBottom}, actions, active && !in.activeIsLast);
  t.Set({C::ButtonLayerMoveTop}, actions, active && !in.activeIsFirst);
  t.Set({C::ButtonLayerHide}, actions && active && in.activeVisible, active);
  t.Set({C::ButtonLayerShow}, actions && (!active || !in.activeVisible), active);
  t.Set({C::ButtonLayerDelete, C::ButtonLayerRegions, C::ButtonLayerCopyState, C::ButtonLayerReset, C::ButtonLayerSave},
        actions, active);
  t.Set({C::ButtonLayerPasteState}, actions, active && in.stateCopied);
  t.Set({C::ButtonBaldHead}, actions, in.hasPortrait);
  t.Set({C::ButtonLayerFlipHorizontal}, actions && in.window.flipOffered, active);
  t.Set({C::ButtonLayerUndo}, true, in.activeHasUndo);
  return s;
}

}  // namespace lumena
