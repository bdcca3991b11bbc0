#pragma once
// The main window's layout for a 1024 x 768 screen, and the places its
// top-level controls move to on an 800 x 600 one.
#include <array>

#include "images/rect.h"
#include "interface/message_window_layout.h"
#include "interface/window_layout.h"

namespace lumena {

inline constexpr PictureSheet kSystemSheet{kSystemButtonsKey, kSystemButtonsDefault};
inline constexpr PictureSheet kPublisherSheet{kMainFormButtonsKey, kMainFormButtonsDefault};
inline constexpr PictureSheet kTemplateSheet{"TemplateButtons", "ButTempl.psd"};
inline constexpr PictureSheet kLayerModeSheet{"LayerModeButtons", "ButLMode.psd"};
inline constexpr PictureSheet kLayerToolsSheet{"LayerToolsButtons", "ButLayer.psd"};
inline constexpr PictureSheet kSlidersSheet{"SlidersLayer", "Sliders.psd"};
inline constexpr PictureSheet kDesktopToolsSheet{"DesktopToolsButtons", "ButDesk.psd"};
inline constexpr PictureSheet kButtonSheets[] = {kSystemSheet,     kPublisherSheet, kTemplateSheet,    kLayerModeSheet,
                                                 kLayerToolsSheet, kSlidersSheet,   kDesktopToolsSheet};

inline constexpr std::string_view kLayerPanel = "PanelLayerTools";
inline constexpr std::string_view kDesktopPanel = "PanelDesktopTools";
inline constexpr int kSliderWidth = 140, kSliderHeight = 20, kThumbWidth = 12;
inline constexpr int kToolSide = 36, kModeSide = 40, kTemplateSide = 56;

// A round tool button of a panel; its cells are the sheet's `row`-th.
constexpr ControlLayout ToolButton(std::string_view name, ButtonIcon icon, PictureSheet sheet, int left, int top,
                                   int row, std::string_view hintKey, std::string_view parent) {
  return SheetButton(name, icon, sheet, {left, top, kToolSide, kToolSide}, row * kToolSide, hintKey, parent);
}

constexpr ControlLayout LayerButton(std::string_view name, ButtonIcon icon, int left, int top, int row,
                                    std::string_view hintKey) {
  return ToolButton(name, icon, kLayerToolsSheet, left, top, row, hintKey, kLayerPanel);
}

constexpr ControlLayout ModeButton(std::string_view name, ButtonIcon icon, int row, std::string_view hintKey) {
  return SheetButton(name, icon, kLayerModeSheet, {560, 70 + row * 44, kModeSide, kModeSide}, row * kModeSide, hintKey);
}

// The system buttons' cells follow the caption bar's two.
constexpr ControlLayout SystemButton(std::string_view name, ButtonIcon icon, int left, int row,
                                     std::string_view hintKey) {
  return SheetButton(name, icon, kSystemSheet, {left, 23, kToolSide, kToolSide}, 40 + row * kToolSide, hintKey);
}

constexpr ControlLayout TemplateButton(std::string_view name, ButtonIcon icon, int row, std::string_view hintKey = {}) {
  return SheetButton(name, icon, kTemplateSheet, {0, 0, kTemplateSide, kTemplateSide}, 112 + row * kTemplateSide,
                     hintKey);
}

constexpr ControlLayout Thumb(std::string_view name, std::string_view parent) {
  return {.name = name,
          .kind = ControlKind::GraphicButton,
          .left = 0,
          .top = 0,
          .width = kThumbWidth,
          .height = kSliderHeight,
          .pictureKey = kSlidersSheet.key,
          .pictureDefault = kSlidersSheet.file,
          .cells = {0, kSliderHeight, kThumbWidth, kSliderHeight, 1, 4},
          .icon = ButtonIcon::SliderThumb,
          .parent = parent};
}

// A slider with its thumb standing in the same holder.
constexpr ControlLayout Slider(std::string_view name, std::string_view thumb, ControlPlace place, int cellTop,
                               std::string_view hintKey, std::string_view parent) {
  return SheetSlider(name, thumb, kSlidersSheet, place, cellTop, hintKey, parent);
}

constexpr ControlLayout PanelSlider(std::string_view name, std::string_view thumb, int left, int top,
                                    std::string_view parent = kLayerPanel) {
  return Slider(name, thumb, {left, top, kSliderWidth, kSliderHeight}, 0, {}, parent);
}

// A whole picture shown as it is: a panel's skin, a mode's skin, the
// palette's tray.
constexpr ControlLayout WholePicture(std::string_view name, ControlKind kind, PictureSheet sheet, ControlPlace place,
                                     ButtonIcon icon = ButtonIcon::None, std::string_view parent = {}) {
  return {.name = name,
          .kind = kind,
          .left = place.left,
          .top = place.top,
          .width = place.width,
          .height = place.height,
          .pictureKey = sheet.key,
          .pictureDefault = sheet.file,
          .icon = icon,
          .parent = parent};
}

// The desk window's default place (the interface description gives it).
inline constexpr ControlPlace kDeskPlace{97, 62, 445, 492};
inline constexpr ControlPlace kLayerPanelPlace{612, 62, 176, 300};
inline constexpr ControlPlace kDesktopPanelPlace{612, 372, 176, 140};
inline constexpr ControlPlace kModeSkinPlace{0, 0, 176, 300};

// The palette's small arrows and its paging slider take their cells right
// of the vertical position slider's track.
inline constexpr int kPaletteCellsLeft = 40;
constexpr ControlLayout PaletteArrow(std::string_view name, ButtonIcon icon, int left, int top, int cellTop,
                                     std::string_view hintKey) {
  ControlLayout arrow = SheetButton(name, icon, kSlidersSheet, {left, top, 16, 16}, cellTop, hintKey, kLayerPanel);
  arrow.cells.left = kPaletteCellsLeft;
  return arrow;
}

constexpr ControlLayout PaletteSlider() {
  ControlLayout slider = Slider("SliderPaletteColor", "SliderPaletteColorThumb", {24, 156, 104, kSliderHeight}, 124,
                                "SliderPaletteColorHint", kLayerPanel);
  slider.cells.left = kPaletteCellsLeft;
  return slider;
}

inline constexpr ControlLayout kMainWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, 1024, 20},
    SheetButton("ButtonMinimize", ButtonIcon::Minimize, kSystemSheet, {979, 0, 19, 20}, 0, "ButtonMinimizeHint",
                "CaptionBar"),
    SheetButton("ButtonExit", ButtonIcon::Close, kSystemSheet, {1000, 0, 19, 20}, 20, "ButtonCloseHint", "CaptionBar"),
    // The windows the program opens, in a row above the desk.
    SystemButton("ButtonLoadSave", ButtonIcon::LoadSave, 97, 0, "ButtonLoadSaveHint"),
    SystemButton("ButtonPrint", ButtonIcon::Print, 137, 1, "ButtonPrintHint"),
    SystemButton("ButtonInternet", ButtonIcon::Internet, 177, 2, "ButtonInternet"),
    SystemButton("ButtonMessages", ButtonIcon::Messages, 217, 3, "ButtonMessagesHint"),
    SystemButton("ButtonQueries", ButtonIcon::Queries, 257, 4, "ButtonQueriesHint"),
    SystemButton("ButtonSetup", ButtonIcon::Setup, 297, 5, "ButtonSetupHint"),
    SystemButton("ButtonHelp", ButtonIcon::Help, 337, 6, "ButtonHelpHint"),
    SystemButton("ButtonCatalog", ButtonIcon::Catalog, 377, 7, "ButtonCatalogHint"),
    SystemButton("ButtonExitMain", ButtonIcon::ExitMain, 968, 8, "ButtonExitHint"),
    // The publisher's pages.
    SheetButton("ButtonLogoPBC", ButtonIcon::PublisherLogo, kPublisherSheet, {820, 62, 160, 60}, 210, {}),
    SheetButton("ButtonSubscribe", ButtonIcon::Subscribe, kPublisherSheet, {830, 134, 40, 40}, 270,
                "ButtonSubscribeHint"),
    SheetButton("ButtonMoreGames", ButtonIcon::MoreGames, kPublisherSheet, {880, 134, 40, 40}, 310,
                "ButtonMoreGamesHint"),
    SheetButton("ButtonTellaFriend", ButtonIcon::TellaFriend, kPublisherSheet, {930, 134, 40, 40}, 350,
                "ButtonTellaFriendHint"),
    // The template strip under the desk; its buttons take their slots from
    // the interface description.
    SheetButton("ButtonTemplatePrev", ButtonIcon::StripPrevious, kTemplateSheet, {66, 594, 24, kTemplateSide}, 0,
                "ButtonTemplatePrevHint"),
    SheetButton("ButtonTemplateNext", ButtonIcon::StripNext, kTemplateSheet, {532, 594, 24, kTemplateSide},
                kTemplateSide, "ButtonTemplateNextHint"),
    TemplateButton("ButtonTemplateEtalon", ButtonIcon::Template, 0),
    TemplateButton("ButtonHairstyles", ButtonIcon::Hairstyles, 1, "ButtonHairstylesHint"),
    TemplateButton("ButtonMakeup", ButtonIcon::Makeup, 2, "ButtonMakeupHint"),
    TemplateButton("ButtonEyes", ButtonIcon::Eyes, 3, "ButtonEyesHint"),
    TemplateButton("ButtonLips", ButtonIcon::Lips, 4, "ButtonLipsHint"),
    TemplateButton("ButtonNails", ButtonIcon::Nails, 5, "ButtonNailsHint"),
    TemplateButton("ButtonJewellery", ButtonIcon::Jewellery, 6, "ButtonJewelleryHint"),
    TemplateButton("ButtonClothes", ButtonIcon::Clothes, 7, "ButtonClothesHint"),
    TemplateButton("ButtonGlasses", ButtonIcon::Glasses, 8, "ButtonGlassesHint"),
    TemplateButton("ButtonHats", ButtonIcon::Hats, 9, "ButtonHatsHint"),
    TemplateButton("ButtonFrames", ButtonIcon::Frames, 10, "ButtonFramesHint"),
    // The layer modes, in a column beside the desk, and Undo under them.
    ModeButton("ButtonColoration", ButtonIcon::Coloration, 0, "ButtonColorationHint"),
    ModeButton("ButtonAppearance", ButtonIcon::Appearance, 1, "ButtonAppearanceHint"),
    ModeButton("ButtonBrush", ButtonIcon::Brush, 2, "ButtonBrushHint"),
    ModeButton("ButtonEraser", ButtonIcon::Eraser, 3, "ButtonEraserHint"),
    ModeButton("ButtonModifier", ButtonIcon::Modifier, 4, "ButtonModifierHint"),
    ModeButton("ButtonActions", ButtonIcon::Actions, 5, "ButtonActionsHint"),
    ToolButton("ButtonLayerUndo", ButtonIcon::Undo, kLayerToolsSheet, 562, 340, 6, "ButtonLayerUndoHint", {}),
    // The layer tool panel; the open button stands in its place while it is
    // closed.
    ToolButton("BBLayerTools", ButtonIcon::PanelOpen, kDesktopToolsSheet, kLayerPanelPlace.left, kLayerPanelPlace.top,
               7, {}, {}),
    WholePicture(kLayerPanel, ControlKind::Panel, {"PanelLayer", "PanLayer.psd"}, kLayerPanelPlace),
    WholePicture("ImageSkinColoration", ControlKind::Picture, {"SkinColoration", "SkinCol.psd"}, kModeSkinPlace,
                 ButtonIcon::Coloration, kLayerPanel),
    WholePicture("ImageSkinAppearance", ControlKind::Picture, {"SkinAppearance", "SkinAprn.psd"}, kModeSkinPlace,
                 ButtonIcon::Appearance, kLayerPanel),
    WholePicture("ImageSkinBrush", ControlKind::Picture, {"SkinBrush", "SkinBrus.psd"}, kModeSkinPlace,
                 ButtonIcon::Brush, kLayerPanel),
    WholePicture("ImageSkinModifier", ControlKind::Picture, {"SkinModifier", "SkinMod.psd"}, kModeSkinPlace,
                 ButtonIcon::Modifier, kLayerPanel),
    WholePicture("ImageSkinEraser", ControlKind::Picture, {"SkinEraser", "SkinEras.psd"}, kModeSkinPlace,
                 ButtonIcon::Eraser, kLayerPanel),
    WholePicture("ImageSkinActions", ControlKind::Picture, {"SkinActions", "SkinAct.psd"}, kModeSkinPlace,
                 ButtonIcon::Actions, kLayerPanel),
    // The palette: its name between two arrows, the tray of swatches and the
    // paging of a long palette.
    WholePicture("ImagePalette", ControlKind::Picture, {"Palette", "Palette.psd"}, {4, 98, 144, 56}, ButtonIcon::None,
                 kLayerPanel),
    {.name = "LabelPaletteName",
     .kind = ControlKind::Label,
     .left = 24,
     .top = 76,
     .width = 104,
     .height = 18,
     .parent = kLayerPanel},
    PaletteArrow("ButtonPalettePrev", ButtonIcon::ArrowLeft, 4, 77, 92, "ButtonPalettePrevHint"),
    PaletteArrow("ButtonPaletteNext", ButtonIcon::ArrowRight, 132, 77, 108, "ButtonPaletteNextHint"),
    PaletteArrow("ButtonPaletteColorPrev", ButtonIcon::ArrowLeft, 4, 158, 92, {}),
    PaletteArrow("ButtonPaletteColorNext", ButtonIcon::ArrowRight, 132, 158, 108, {}),
    Thumb("SliderPaletteColorThumb", kLayerPanel),
    PaletteSlider(),
    // The colour sliders.
    Thumb("SliderRedColorThumb", kLayerPanel),
    PanelSlider("SliderRedColor", "SliderRedColorThumb", 4, 183),
    Thumb("SliderGreenColorThumb", kLayerPanel),
    PanelSlider("SliderGreenColor", "SliderGreenColorThumb", 4, 205),
    Thumb("SliderBlueColorThumb", kLayerPanel),
    PanelSlider("SliderBlueColor", "SliderBlueColorThumb", 4, 227),
    Thumb("SliderHueThumb", kLayerPanel),
    PanelSlider("SliderHue", "SliderHueThumb", 4, 251),
    Thumb("SliderSaturationThumb", kLayerPanel),
    PanelSlider("SliderSaturation", "SliderSaturationThumb", 4, 273),
    Thumb("SliderBrightnessThumb", kLayerPanel),
    PanelSlider("SliderBrightness", "SliderBrightnessThumb", 4, 198),
    Thumb("SliderContrastThumb", kLayerPanel),
    PanelSlider("SliderContrast", "SliderContrastThumb", 4, 233),
    Thumb("SliderOpacityThumb", kLayerPanel),
    PanelSlider("SliderOpacity", "SliderOpacityThumb", 4, 259),
    // The painting tools' sliders and the brush colour.
    Thumb("SliderBrushPowerThumb", kLayerPanel),
    PanelSlider("SliderBrushPower", "SliderBrushPowerThumb", 4, 212),
    Thumb("SliderBrushSizeThumb", kLayerPanel),
    PanelSlider("SliderBrushSize", "SliderBrushSizeThumb", 4, 258),
    SheetButton("ButtonCurrentBrushColor", ButtonIcon::BrushColour, kLayerToolsSheet, {4, 281, 140, 16}, 13 * kToolSide,
                "ButtonCurrentBrushColorHint", kLayerPanel),
    Thumb("SliderEraserPowerThumb", kLayerPanel),
    PanelSlider("SliderEraserPower", "SliderEraserPowerThumb", 0, 140),
    Thumb("SliderEraserSizeThumb", kLayerPanel),
    PanelSlider("SliderEraserSize", "SliderEraserSizeThumb", 0, 190),
    Thumb("SliderModifierPowerThumb", kLayerPanel),
    PanelSlider("SliderModifierPower", "SliderModifierPowerThumb", 0, 140),
    Thumb("SliderModifierSizeThumb", kLayerPanel),
    PanelSlider("SliderModifierSize", "SliderModifierSizeThumb", 0, 190),
    // The layer commands of the Actions mode.
    LayerButton("ButtonLayerMoveTop", ButtonIcon::MoveTop, 13, 100, 0, "ButtonLayerMoveTopHint"),
    LayerButton("ButtonLayerMoveBottom", ButtonIcon::MoveBottom, 55, 100, 1, "ButtonLayerMoveBottomHint"),
    LayerButton("ButtonLayerSave", ButtonIcon::SaveTemplate, 94, 102, 2, "ButtonLayerSaveHint"),
    LayerButton("ButtonLayerHide", ButtonIcon::Hide, 13, 140, 3, "ButtonLayerHideHint"),
    LayerButton("ButtonLayerShow", ButtonIcon::Show, 13, 151, 4, "ButtonLayerShowHint"),
    LayerButton("ButtonLayerDelete", ButtonIcon::Delete, 57, 150, 5, "ButtonLayerDeleteHint"),
    LayerButton("ButtonLayerRegions", ButtonIcon::Regions, 13, 188, 7, "ButtonLayerRegionsHint"),
    LayerButton("ButtonBaldHead", ButtonIcon::BaldHead, 55, 188, 8, "FormMainButtonBaldHeadHint"),
    LayerButton("ButtonLayerFlipHorizontal", ButtonIcon::Flip, 95, 188, 9, "ButtonLayerFlipHorizontalHint"),
    LayerButton("ButtonLayerCopyState", ButtonIcon::CopyState, 13, 230, 10, "ButtonLayerCopyStateHint"),
    LayerButton("ButtonLayerPasteState", ButtonIcon::PasteState, 55, 230, 11, "ButtonLayerPasteStateHint"),
    LayerButton("ButtonLayerReset", ButtonIcon::Reset, 95, 240, 12, "ButtonLayerResetHint"),
    SheetButton("BBPLayerTools", ButtonIcon::PanelClose, kDesktopToolsSheet, {154, 4, 18, 18}, 8 * kToolSide, {},
                kLayerPanel),
    // The view's position under and beside the desk.
    Thumb("SliderHPosThumb", {}),
    Slider("SliderHPos", "SliderHPosThumb", {97, 560, 445, kSliderHeight}, 40, "SliderHorizontalPositionHint", {}),
    {.name = "SliderVPosThumb",
     .kind = ControlKind::GraphicButton,
     .left = 0,
     .top = 0,
     .width = kSliderHeight,
     .height = kThumbWidth,
     .pictureKey = kSlidersSheet.key,
     .pictureDefault = kSlidersSheet.file,
     .cells = {kSliderHeight, 60, kSliderHeight, kThumbWidth, 1, 4},
     .icon = ButtonIcon::SliderThumb},
    {.name = "SliderVPos",
     .kind = ControlKind::GraphicSlider,
     .left = 73,
     .top = 62,
     .width = kSliderHeight,
     .height = 492,
     .pictureKey = kSlidersSheet.key,
     .pictureDefault = kSlidersSheet.file,
     .cells = {0, 60, kSliderHeight, 492, 1, 1},
     .icon = ButtonIcon::SliderTrack,
     .slideButton = "SliderVPosThumb",
     .hintKey = "SliderVerticalPositionHint"},
    // The desktop tool panel: the scale, the view and the whole work.
    ToolButton("BBDesktopTools", ButtonIcon::PanelOpen, kDesktopToolsSheet, kDesktopPanelPlace.left,
               kDesktopPanelPlace.top, 7, {}, {}),
    WholePicture(kDesktopPanel, ControlKind::Panel, {"PanelDesktop", "PanDesk.psd"}, kDesktopPanelPlace),
    Thumb("SliderScaleThumb", kDesktopPanel),
    PanelSlider("SliderScale", "SliderScaleThumb", 4, 26, kDesktopPanel),
    ToolButton("ButtonOriginalSize", ButtonIcon::OriginalSize, kDesktopToolsSheet, 4, 56, 0,
               "FormMainButtonOriginalSizeHint", kDesktopPanel),
    ToolButton("ButtonCentering", ButtonIcon::Centre, kDesktopToolsSheet, 46, 56, 1, "FormMainButtonCenteringHint",
               kDesktopPanel),
    ToolButton("ButtonLayerList", ButtonIcon::LayerList, kDesktopToolsSheet, 88, 56, 2, "FormMainButtonLayerListHint",
               kDesktopPanel),
    ToolButton("ButtonClearWork", ButtonIcon::ClearWork, kDesktopToolsSheet, 130, 56, 3, "FormMainButtonClearWorkHint",
               kDesktopPanel),
    ToolButton("ButtonColorCalibration", ButtonIcon::Calibration, kDesktopToolsSheet, 4, 98, 4,
               "FormMainButtonColorCalibrationHint", kDesktopPanel),
    ToolButton("ButtonPreview", ButtonIcon::Preview, kDesktopToolsSheet, 46, 98, 5, "FormMainButtonPreviewHint",
               kDesktopPanel),
    ToolButton("ButtonShopping", ButtonIcon::Shopping, kDesktopToolsSheet, 88, 98, 6, "FormMainButtonShoppingHint",
               kDesktopPanel),
    SheetButton("BBPDesktopTools", ButtonIcon::PanelClose, kDesktopToolsSheet, {154, 4, 18, 18}, 8 * kToolSide, {},
                kDesktopPanel),
};

inline constexpr WindowLayout kMainWindowLayout{"FormMain", "FormMain.psd", 1024, 768, 20, kMainWindowControls};

// The template types of the default interface, in the strip's order, and
// its slots.
inline constexpr std::array<std::string_view, 10> kDefaultTemplateButtons = {
    "ButtonHairstyles", "ButtonMakeup",  "ButtonEyes",    "ButtonLips", "ButtonNails",
    "ButtonJewellery",  "ButtonClothes", "ButtonGlasses", "ButtonHats", "ButtonFrames"};

// On an 800 x 600 screen the window is smaller: the desk shrinks and the
// top-level controls move (sizes of zero keep the table's).
struct SmallScreenPlace {
  std::string_view name;
  ControlPlace place;
};
inline constexpr int kSmallScreenWidth = 800, kSmallScreenHeight = 600;
inline constexpr ControlPlace kSmallScreenDesk{76, 62, 347, 340};
inline constexpr SmallScreenPlace kSmallScreenPlaces[] = {
    {"ButtonLoadSave", {76, 23, 0, 0}},       {"ButtonPrint", {116, 23, 0, 0}},
    {"ButtonInternet", {156, 23, 0, 0}},      {"ButtonMessages", {196, 23, 0, 0}},
    {"ButtonQueries", {236, 23, 0, 0}},       {"ButtonSetup", {276, 23, 0, 0}},
    {"ButtonHelp", {316, 23, 0, 0}},          {"ButtonCatalog", {356, 23, 0, 0}},
    {"ButtonExitMain", {748, 23, 0, 0}},      {"ButtonLogoPBC", {480, 516, 0, 0}},
    {"ButtonSubscribe", {648, 526, 0, 0}},    {"ButtonMoreGames", {698, 526, 0, 0}},
    {"ButtonTellaFriend", {748, 526, 0, 0}},  {"ButtonTemplatePrev", {44, 432, 0, 0}},
    {"ButtonTemplateNext", {386, 432, 0, 0}}, {"ButtonColoration", {432, 62, 0, 0}},
    {"ButtonAppearance", {432, 106, 0, 0}},   {"ButtonBrush", {432, 150, 0, 0}},
    {"ButtonEraser", {432, 194, 0, 0}},       {"ButtonModifier", {432, 238, 0, 0}},
    {"ButtonActions", {432, 282, 0, 0}},      {"ButtonLayerUndo", {434, 330, 0, 0}},
    {"BBLayerTools", {480, 62, 0, 0}},        {"PanelLayerTools", {480, 62, 0, 0}},
    {"BBDesktopTools", {480, 368, 0, 0}},     {"PanelDesktopTools", {480, 368, 0, 0}},
    {"SliderHPos", {76, 406, 347, 0}},        {"SliderVPos", {52, 62, 0, 340}},
};

// The template strip's slots, one row under the desk.
inline constexpr std::array<Point, 7> kTemplateSlots = {
    {{97, 594}, {159, 594}, {221, 594}, {283, 594}, {345, 594}, {407, 594}, {469, 594}}};
inline constexpr std::array<Point, 5> kSmallScreenTemplateSlots = {
    {{70, 432}, {130, 432}, {190, 432}, {250, 432}, {310, 432}}};

}  // namespace lumena
