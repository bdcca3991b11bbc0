#pragma once
// The templates window's layout: the grid of previews with its scroll
// arrows and slider at its right, the counters and the filter button under
// it, and a row of switches: replace-same-type, or the five nail buttons.
#include "interface/window_layout.h"

namespace lumena {

inline constexpr std::string_view kTemplatesButtonsKey = "FormTemplatesButtons";
inline constexpr std::string_view kTemplatesButtonsDefault = "ButFtemp.psd";
inline constexpr int kTemplatesWidth = 240, kTemplatesHeight = 384, kTemplatesCaption = 20;
inline constexpr int kGridLeft = 12, kGridTop = 30, kGridWidth = 184, kGridHeight = 265;
inline constexpr int kSwitchSide = 32, kSwitchTop = 340;

// A button with four cells in the window's button picture, in row `row`.
constexpr ControlLayout TemplatesButton(std::string_view name, ButtonIcon icon, ControlPlace place, int row,
                                        std::string_view hintKey) {
  return SheetButton(name, icon, {kTemplatesButtonsKey, kTemplatesButtonsDefault}, place, row * kSwitchSide, hintKey);
}

constexpr ControlLayout NailSwitch(std::string_view name, ButtonIcon icon, int index) {
  return TemplatesButton(name, icon, {kGridLeft + index * 38, kSwitchTop, kSwitchSide, kSwitchSide}, 4 + index, {});
}

inline constexpr ControlLayout kTemplatesWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, kTemplatesWidth, kTemplatesCaption},
    CaptionButton("ButtonMinimize", ButtonIcon::Minimize, 199, "ButtonMinimizeHint"),
    CaptionButton("ButtonExit", ButtonIcon::Close, 219, "ButtonCloseHint"),
    {"ResImage", ControlKind::Picture, kGridLeft, kGridTop, kGridWidth, kGridHeight},
    {"LabelPartsName", ControlKind::Label, kGridLeft, kGridTop, 92, 14},
    TemplatesButton("ButtonPreviewScrollUp", ButtonIcon::ScrollUp, {204, kGridTop, 24, 24}, 0,
                    "FormTemplatesButtonPreviewScrollUpHint"),
    TemplatesButton("SliderScrollThumb", ButtonIcon::SliderThumb, {0, 0, 20, 12}, 9, {}),
    SheetSlider("SliderScrollPreview", "SliderScrollThumb", {kTemplatesButtonsKey, kTemplatesButtonsDefault},
                {206, kGridTop + 27, 20, 211}, 10 * kSwitchSide, {}),
    TemplatesButton("ButtonPreviewScrollDown", ButtonIcon::ScrollDown, {204, kGridTop + kGridHeight - 24, 24, 24}, 1,
                    "FormTemplatesButtonPreviewScrollDownHint"),
    {.name = "LabelNumPartsShow",
     .kind = ControlKind::Label,
     .left = kGridLeft,
     .top = 302,
     .width = 40,
     .height = 18,
     .hintKey = "FormTemplatesLabelNumPartsShowHint"},
    {.name = "LabelNumPartsTotal",
     .kind = ControlKind::Label,
     .left = kGridLeft + 40,
     .top = 302,
     .width = 48,
     .height = 18,
     .hintKey = "FormTemplatesLabelNumPartsTotalHint"},
    TemplatesButton("ButtonSetTemplatesFilter", ButtonIcon::Filter, {196, 300, kSwitchSide, kSwitchSide}, 2,
                    "ButtonSetTemplatesFilterHint"),
    TemplatesButton("ButtonReplaceSameType", ButtonIcon::ReplaceSameType,
                    {kGridLeft, kSwitchTop, kSwitchSide, kSwitchSide}, 3, "FormTemplatesButtonReplaceSameTypeHint"),
    NailSwitch("ButtonNail1", ButtonIcon::Nail1, 0),
    NailSwitch("ButtonNail2", ButtonIcon::Nail2, 1),
    NailSwitch("ButtonNail3", ButtonIcon::Nail3, 2),
    NailSwitch("ButtonNail4", ButtonIcon::Nail4, 3),
    NailSwitch("ButtonNail5", ButtonIcon::Nail5, 4),
};

inline constexpr WindowLayout kTemplatesWindowLayout{"FormTemplates",  "FormTmpl.psd",    kTemplatesWidth,
                                                     kTemplatesHeight, kTemplatesCaption, kTemplatesWindowControls};

}  // namespace lumena
