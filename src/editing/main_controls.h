#pragma once
// Which controls of the main window's layer tool panel are shown and
// enabled, decided from the layer mode and the desk alone, so that the
// window only applies the answer.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editing/layer_mode.h"

namespace lumena {

class EditingSession;

enum class MainControl : uint8_t {
  ImagePalette,
  LabelPaletteName,
  ButtonPalettePrev,
  ButtonPaletteNext,
  SliderPaletteColor,
  ButtonPaletteColorPrev,
  ButtonPaletteColorNext,
  SliderRedColor,
  SliderGreenColor,
  SliderBlueColor,
  SliderHue,
  SliderSaturation,
  SliderBrightness,
  SliderContrast,
  SliderOpacity,
  SliderBrushPower,
  SliderBrushSize,
  ButtonCurrentBrushColor,
  SliderEraserPower,
  SliderEraserSize,
  SliderModifierPower,
  SliderModifierSize,
  ImageSkinColoration,
  ImageSkinAppearance,
  ImageSkinBrush,
  ImageSkinModifier,
  ImageSkinEraser,
  ImageSkinActions,
  ButtonLayerMoveBottom,
  ButtonLayerMoveTop,
  ButtonLayerHide,
  ButtonLayerShow,
  ButtonLayerDelete,
  ButtonLayerRegions,
  ButtonLayerCopyState,
  ButtonLayerReset,
  ButtonLayerSave,
  ButtonLayerPasteState,
  ButtonBaldHead,
  ButtonLayerFlipHorizontal,
  ButtonLayerUndo,
};
inline constexpr size_t kMainControlCount = static_cast<size_t>(MainControl::ButtonLayerUndo) + 1;

// The skin picture of each mode, in mode order 1..6.
inline constexpr std::array<MainControl, 6> kModeSkinControls = {
    MainControl::ImageSkinColoration, MainControl::ImageSkinAppearance, MainControl::ImageSkinModifier,
    MainControl::ImageSkinBrush,      MainControl::ImageSkinEraser,     MainControl::ImageSkinActions};

// The control's component name in the window and the interface description.
std::string_view MainControlName(MainControl control);

// What the window knows besides the desk: the panels' open state, the
// palette's pages, the interface's choices.
struct MainWindowState {
  bool layerToolsOpen = true;
  bool desktopToolsOpen = true;
  bool paletteHasPages = false;  // the colour slider's tag is above 0
  bool flipOffered = false;      // ButtonLayerFlipHorizontal's tag is 1
  // Whether each mode's skin picture (Coloration .. Actions, in mode order
  // 1..6) holds a picture.
  std::array<bool, 6> modeSkinLoaded{};
};

struct MainControlInputs {
  LayerMode mode = LayerMode::None;
  int layerCount = 0;
  bool hasActive = false;
  bool activeVisible = false;
  bool activeIsFirst = false;
  bool activeIsLast = false;
  bool activeHasUndo = false;
  bool hasPortrait = false;
  bool stateCopied = false;
  MainWindowState window;
};

// The inputs as the session's desk has them.
MainControlInputs InputsOf(const EditingSession& session, const MainWindowState& window);

struct ControlState {
  bool visible = false;
  bool enabled = false;
  friend bool operator==(const ControlState&, const ControlState&) = default;
};

struct MainControlStates {
  bool deskVisible = false;
  bool layerToolsVisible = false;
  bool desktopToolsVisible = false;
  // The rest is left as it was when the desk holds no layers.
  bool controlsApply = false;
  LayerMode pressedMode = LayerMode::None;
  std::array<ControlState, kMainControlCount> controls{};

  const ControlState& operator[](MainControl c) const { return controls[static_cast<size_t>(c)]; }
};

MainControlStates ComputeMainControls(const MainControlInputs& in);

}  // namespace lumena
