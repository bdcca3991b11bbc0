#pragma once
// The region editor's layout: the picture in its scroll box with the two
// scroll sliders, and at its right the tolerance, the lasso and grid
// switches with the grid's sliders, the restriction, Clear, OK and Cancel.
// Its cells are drawn in the regions window's button picture.
#include "editing/regions_window_layout.h"

namespace lumena {

inline constexpr PictureSheet kRegionEditSheet{"FormLayerRegionEditButtons", "ButLRegs.psd"};
inline constexpr int kRegionEditWidth = 680, kRegionEditHeight = 544, kRegionEditCaption = 20;
inline constexpr int kScrollBoxLeft = 12, kScrollBoxTop = 30, kScrollBoxWidth = 478, kScrollBoxHeight = 480;
inline constexpr int kScrollSliderSide = 16, kSmallTrackWidth = 120, kThumbLength = 12;
inline constexpr int kToolsLeft = 520;

// Below the button rows: the thumbs, then the tracks.
inline constexpr int kThumbAcrossTop = kRegionsButtonRows * kRegionsButtonSide;
inline constexpr int kThumbDownTop = kThumbAcrossTop + kScrollSliderSide;
inline constexpr int kTrackAcrossTop = kThumbDownTop + kThumbLength;
inline constexpr int kTrackDownTop = kTrackAcrossTop + kScrollSliderSide;
inline constexpr int kSmallTrackTop = kTrackDownTop + kScrollBoxHeight;

constexpr ControlLayout EditButton(std::string_view name, ButtonIcon icon, int left, int top, int row,
                                   std::string_view hintKey) {
  // Drawn in the regions window's sheet, so that one picture holds both.
  return SheetButton(name, icon, kRegionsSheet, {left, top, kRegionsButtonSide, kRegionsButtonSide},
                     row * kRegionsButtonSide, hintKey);
}

constexpr ControlLayout EditThumb(std::string_view name, bool across) {
  const int width = across ? kThumbLength : kScrollSliderSide, height = across ? kScrollSliderSide : kThumbLength;
  return SheetButton(name, ButtonIcon::SliderThumb, kRegionsSheet, {0, 0, width, height},
                     across ? kThumbAcrossTop : kThumbDownTop, {});
}

constexpr ControlLayout EditSlider(std::string_view name, std::string_view thumb, ControlPlace place, int cellTop,
                                   std::string_view hintKey) {
  return SheetSlider(name, thumb, kRegionsSheet, place, cellTop, hintKey);
}

constexpr ControlLayout EditLabel(std::string_view name, int left, int top, int width) {
  return {name, ControlKind::Label, left, top, width, 16};
}

inline constexpr ControlLayout kRegionEditWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, kRegionEditWidth, kRegionEditCaption},
    CaptionButton("ButtonExit", ButtonIcon::Close, kRegionEditWidth - 21, "ButtonCloseHint"),
    {"ScrollBox", ControlKind::Panel, kScrollBoxLeft, kScrollBoxTop, kScrollBoxWidth, kScrollBoxHeight},
    {.name = "ImageLayer",
     .kind = ControlKind::Picture,
     .left = 0,
     .top = 0,
     .width = kScrollBoxWidth,
     .height = kScrollBoxHeight,
     .parent = "ScrollBox"},
    EditThumb("SliderHPosThumb", true),
    EditSlider("SliderHPos", "SliderHPosThumb",
               {kScrollBoxLeft, kScrollBoxTop + kScrollBoxHeight + 4, kScrollBoxWidth, kScrollSliderSide},
               kTrackAcrossTop, {}),
    EditThumb("SliderVPosThumb", false),
    EditSlider("SliderVPos", "SliderVPosThumb",
               {kScrollBoxLeft + kScrollBoxWidth + 4, kScrollBoxTop, kScrollSliderSide, kScrollBoxHeight},
               kTrackDownTop, {}),
    EditLabel("LabelTolerance", kToolsLeft, 34, 100),
    EditLabel("EditTolerance", kToolsLeft + 110, 34, 36),
    EditThumb("SliderToleranceThumb", true),
    EditSlider("SliderTolerance", "SliderToleranceThumb", {kToolsLeft, 54, kSmallTrackWidth, kScrollSliderSide},
               kSmallTrackTop, "FormLayerRegionSliderToleranceHint"),
    EditButton("ButtonLasso", ButtonIcon::Lasso, kToolsLeft, 88, kRowLasso, "FormLayerRegionEditButtonLassoHint"),
    EditButton("ButtonGrid", ButtonIcon::Grid, kToolsLeft + 40, 88, kRowGrid, "FormLayerRegionEditButtonGridHint"),
    EditLabel("LabelGridCols", kToolsLeft, 132, 100),
    EditLabel("EditGridCols", kToolsLeft + 110, 132, 36),
    EditThumb("SliderGridColsThumb", true),
    EditSlider("SliderGridCols", "SliderGridColsThumb", {kToolsLeft, 152, kSmallTrackWidth, kScrollSliderSide},
               kSmallTrackTop, "FormLayerRegionSliderGridColsHint"),
    EditLabel("LabelGridRows", kToolsLeft, 180, 100),
    EditLabel("EditGridRows", kToolsLeft + 110, 180, 36),
    EditThumb("SliderGridRowsThumb", true),
    EditSlider("SliderGridRows", "SliderGridRowsThumb", {kToolsLeft, 200, kSmallTrackWidth, kScrollSliderSide},
               kSmallTrackTop, "FormLayerRegionSliderGridRowsHint"),
    EditButton("ButtonEditRegion", ButtonIcon::Restrict, kToolsLeft, 236, kRowRestrict,
               "FormLayerRegionEditButtonEditRegionHint"),
    EditButton("ButtonClear", ButtonIcon::ClearRegion, kToolsLeft + 40, 236, kRowClear,
               "FormLayerRegionEditButtonClearHint"),
    EditButton("ButtonOK", ButtonIcon::Yes, kToolsLeft, 470, kRowOK, "FormLayerRegionEditButtonOKHint"),
    EditButton("ButtonCancel", ButtonIcon::No, kToolsLeft + 40, 470, kRowCancel, "FormLayerRegionEditButtonCancelHint"),
};

inline constexpr WindowLayout kRegionEditWindowLayout{"FormLayerRegionEdit", "FormLrge.psd",
                                                      kRegionEditWidth,      kRegionEditHeight,
                                                      kRegionEditCaption,    kRegionEditWindowControls};

}  // namespace lumena
