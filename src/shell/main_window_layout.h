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

constexpr ControlLayout ColourSliderLayout(std::string_view name, std::string_view thumb, int left, int top) {
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
    ColourSliderLayout("SliderRedColor", "SliderRedColorThumb", 4, 183),
    ThumbLayout("SliderGreenColorThumb"),
    ColourSliderLayout("SliderGreenColor", "SliderGreenColorThumb", 4, 205),
    ThumbLayout("SliderBlueColorThumb"),
    ColourSliderLayout("SliderBlueColor", "SliderBlueColorThumb", 4, 227),
    ThumbLayout("SliderHueThumb"),
    ColourSliderLayout("SliderHue", "SliderHueThumb", 4, 251),
    ThumbLayout("SliderSaturationThumb"),
    ColourSliderLayout("SliderSaturation", "SliderSaturationThumb", 4, 273),
    ThumbLayout("SliderBrightnessThumb"),
    ColourSliderLayout("SliderBrightness", "SliderBrightnessThumb", 4, 198),
    ThumbLayout("SliderContrastThumb"),
    ColourSliderLayout("SliderContrast", "SliderContrastThumb", 4, 233),
    ThumbLayout("SliderOpacityThumb"),
    ColourSliderLayout("SliderOpacity", "SliderOpacityThumb", 4, 259),
};

inline constexpr WindowLayout kMainWindowLayout{"FormMain", "FormMain.psd", 1024, 768, 20, kMainWindowControls};

}  // namespace lumena
