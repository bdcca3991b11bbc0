#pragma once
#include "interface/message_window_layout.h"
#include "interface/window_layout.h"

namespace lumena {

inline constexpr std::string_view kLayerModeButtonsKey = "LayerModeButtons";
inline constexpr std::string_view kLayerModeButtonsDefault = "ButLMode.psd";
inline constexpr std::string_view kSlidersKey = "SlidersLayer";
inline constexpr std::string_view kSlidersDefault = "Sliders.psd";

// The layer tool panel's place in the main window; its controls keep their
// places inside it.
inline constexpr int kLayerPanelLeft = 616, kLayerPanelTop = 0;
inline constexpr int kSliderWidth = 140, kSliderHeight = 20, kThumbWidth = 12;

constexpr ControlLayout SliderLayout(std::string_view name, std::string_view thumb, int left, int top) {
  return {name,
          ControlKind::GraphicSlider,
          kLayerPanelLeft + left,
          kLayerPanelTop + top,
          kSliderWidth,
          kSliderHeight,
          kSlidersKey,
          kSlidersDefault,
          {0, 0, kSliderWidth, kSliderHeight, 1, 1},
          ButtonIcon::SliderTrack,
          false,
          thumb};
}

inline constexpr std::string_view kLayerToolsButtonsKey = "LayerToolsButtons";
inline constexpr std::string_view kLayerToolsButtonsDefault = "ButLayer.psd";
inline constexpr int kLayerButtonSide = 36;

// A layer command button of the panel; `row` is its row of cells.
constexpr ControlLayout LayerButtonLayout(std::string_view name, ButtonIcon icon, int left, int top, int row) {
  return {name,
          ControlKind::GraphicButton,
          kLayerPanelLeft + left,
          kLayerPanelTop + top,
          kLayerButtonSide,
          kLayerButtonSide,
          kLayerToolsButtonsKey,
          kLayerToolsButtonsDefault,
          {0, row * kLayerButtonSide, kLayerButtonSide, kLayerButtonSide, 1, 4},
          icon};
}

inline constexpr std::string_view kDesktopToolsButtonsKey = "DesktopToolsButtons";
inline constexpr std::string_view kDesktopToolsButtonsDefault = "ButDesk.psd";

constexpr ControlLayout ThumbLayout(std::string_view name) {
  return {name,
          ControlKind::GraphicButton,
          0,
          0,
          kThumbWidth,
          kSliderHeight,
          kSlidersKey,
          kSlidersDefault,
          {0, kSliderHeight, kThumbWidth, kSliderHeight, 1, 4},
          ButtonIcon::SliderThumb};
}

// The main window: it covers a 1024 x 768 screen; the caption bar's right
// end holds the minimise and close buttons, cut from the system buttons'
// picture (four cells each: normal, hover, pressed, disabled).
inline constexpr ControlLayout kMainWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, 1024, 20},
    {"ButtonMinimize",
     ControlKind::GraphicButton,
     979,
     0,
     19,
     20,
     kSystemButtonsKey,
     kSystemButtonsDefault,
     {0, 0, 19, 20, 1, 4},
     ButtonIcon::Minimize,
     true},
    {"ButtonExit",
     ControlKind::GraphicButton,
     1000,
     0,
     19,
     20,
     kSystemButtonsKey,
     kSystemButtonsDefault,
     {0, 20, 19, 20, 1, 4},
     ButtonIcon::Close,
     true},
    // The layer modes, in a column beside the desk.
    {"ButtonColoration",
     ControlKind::GraphicButton,
     560,
     70,
     40,
     40,
     kLayerModeButtonsKey,
     kLayerModeButtonsDefault,
     {0, 0, 40, 40, 1, 4},
     ButtonIcon::Coloration},
    {"ButtonAppearance",
     ControlKind::GraphicButton,
     560,
     114,
     40,
     40,
     kLayerModeButtonsKey,
     kLayerModeButtonsDefault,
     {0, 40, 40, 40, 1, 4},
     ButtonIcon::Appearance},
    {"ButtonBrush",
     ControlKind::GraphicButton,
     560,
     158,
     40,
     40,
     kLayerModeButtonsKey,
     kLayerModeButtonsDefault,
     {0, 80, 40, 40, 1, 4},
     ButtonIcon::Brush},
    {"ButtonEraser",
     ControlKind::GraphicButton,
     560,
     202,
     40,
     40,
     kLayerModeButtonsKey,
     kLayerModeButtonsDefault,
     {0, 120, 40, 40, 1, 4},
     ButtonIcon::Eraser},
    {"ButtonModifier",
     ControlKind::GraphicButton,
     560,
     246,
     40,
     40,
     kLayerModeButtonsKey,
     kLayerModeButtonsDefault,
     {0, 160, 40, 40, 1, 4},
     ButtonIcon::Modifier},
    {"ButtonActions",
     ControlKind::GraphicButton,
     560,
     290,
     40,
     40,
     kLayerModeButtonsKey,
     kLayerModeButtonsDefault,
     {0, 200, 40, 40, 1, 4},
     ButtonIcon::Actions},
    // The colour sliders, each after its thumb.
    ThumbLayout("SliderRedColorThumb"),
    SliderLayout("SliderRedColor", "SliderRedColorThumb", 4, 183),
    ThumbLayout("SliderGreenColorThumb"),
    SliderLayout("SliderGreenColor", "SliderGreenColorThumb", 4, 205),
    ThumbLayout("SliderBlueColorThumb"),
    SliderLayout("SliderBlueColor", "SliderBlueColorThumb", 4, 227),
    ThumbLayout("SliderHueThumb"),
    SliderLayout("SliderHue", "SliderHueThumb", 4, 251),
    ThumbLayout("SliderSaturationThumb"),
    SliderLayout("SliderSaturation", "SliderSaturationThumb", 4, 273),
    ThumbLayout("SliderBrightnessThumb"),
    SliderLayout("SliderBrightness", "SliderBrightnessThumb", 4, 198),
    ThumbLayout("SliderContrastThumb"),
    SliderLayout("SliderContrast", "SliderContrastThumb", 4, 233),
    ThumbLayout("SliderOpacityThumb"),
    SliderLayout("SliderOpacity", "SliderOpacityThumb", 4, 259),
    // The painting tools' sliders.
    ThumbLayout("SliderBrushPowerThumb"),
    SliderLayout("SliderBrushPower", "SliderBrushPowerThumb", 4, 212),
    ThumbLayout("SliderBrushSizeThumb"),
    SliderLayout("SliderBrushSize", "SliderBrushSizeThumb", 4, 258),
    ThumbLayout("SliderEraserPowerThumb"),
    SliderLayout("SliderEraserPower", "SliderEraserPowerThumb", 0, 140),
    ThumbLayout("SliderEraserSizeThumb"),
    SliderLayout("SliderEraserSize", "SliderEraserSizeThumb", 0, 190),
    ThumbLayout("SliderModifierPowerThumb"),
    SliderLayout("SliderModifierPower", "SliderModifierPowerThumb", 0, 140),
    ThumbLayout("SliderModifierSizeThumb"),
    SliderLayout("SliderModifierSize", "SliderModifierSizeThumb", 0, 190),
    // The layer commands of the Actions mode.
    LayerButtonLayout("ButtonLayerMoveTop", ButtonIcon::MoveTop, 13, 100, 0),
    LayerButtonLayout("ButtonLayerMoveBottom", ButtonIcon::MoveBottom, 55, 100, 1),
    LayerButtonLayout("ButtonLayerSave", ButtonIcon::SaveTemplate, 94, 102, 2),
    LayerButtonLayout("ButtonLayerHide", ButtonIcon::Hide, 13, 140, 3),
    LayerButtonLayout("ButtonLayerShow", ButtonIcon::Show, 13, 151, 4),
    LayerButtonLayout("ButtonLayerDelete", ButtonIcon::Delete, 57, 150, 5),
    LayerButtonLayout("ButtonLayerUndo", ButtonIcon::Undo, -54, 340, 6),  // under the mode buttons
    LayerButtonLayout("ButtonLayerRegions", ButtonIcon::Regions, 13, 188, 7),
    LayerButtonLayout("ButtonBaldHead", ButtonIcon::BaldHead, 55, 188, 8),
    LayerButtonLayout("ButtonLayerFlipHorizontal", ButtonIcon::Flip, 95, 188, 9),
    LayerButtonLayout("ButtonLayerCopyState", ButtonIcon::CopyState, 13, 230, 10),
    LayerButtonLayout("ButtonLayerPasteState", ButtonIcon::PasteState, 55, 230, 11),
    LayerButtonLayout("ButtonLayerReset", ButtonIcon::Reset, 95, 240, 12),
    // The desktop tools: the view's position under and beside the desk, its
    // scale in the right column.
    ThumbLayout("SliderHPosThumb"),
    {"SliderHPos",
     ControlKind::GraphicSlider,
     97,
     560,
     445,
     kSliderHeight,
     kSlidersKey,
     kSlidersDefault,
     {0, 40, 445, kSliderHeight, 1, 1},
     ButtonIcon::SliderTrack,
     false,
     "SliderHPosThumb"},
    {"SliderVPosThumb",
     ControlKind::GraphicButton,
     0,
     0,
     kSliderHeight,
     kThumbWidth,
     kSlidersKey,
     kSlidersDefault,
     {kSliderHeight, 60, kSliderHeight, kThumbWidth, 1, 4},
     ButtonIcon::SliderThumb},
    {"SliderVPos",
     ControlKind::GraphicSlider,
     73,
     62,
     kSliderHeight,
     492,
     kSlidersKey,
     kSlidersDefault,
     {0, 60, kSliderHeight, 492, 1, 1},
     ButtonIcon::SliderTrack,
     false,
     "SliderVPosThumb"},
    ThumbLayout("SliderScaleThumb"),
    SliderLayout("SliderScale", "SliderScaleThumb", 4, 330),
    {"ButtonOriginalSize",
     ControlKind::GraphicButton,
     kLayerPanelLeft + 13,
     kLayerPanelTop + 360,
     kLayerButtonSide,
     kLayerButtonSide,
     kDesktopToolsButtonsKey,
     kDesktopToolsButtonsDefault,
     {0, 0, kLayerButtonSide, kLayerButtonSide, 1, 4},
     ButtonIcon::OriginalSize},
    {"ButtonCentering",
     ControlKind::GraphicButton,
     kLayerPanelLeft + 55,
     kLayerPanelTop + 360,
     kLayerButtonSide,
     kLayerButtonSide,
     kDesktopToolsButtonsKey,
     kDesktopToolsButtonsDefault,
     {0, kLayerButtonSide, kLayerButtonSide, kLayerButtonSide, 1, 4},
     ButtonIcon::Centre},
};

inline constexpr WindowLayout kMainWindowLayout{"FormMain", "FormMain.psd", 1024, 768, 20, kMainWindowControls};

}  // namespace lumena
