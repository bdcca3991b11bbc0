#pragma once
// The portrait adjustment window's layout: the view of the picture at
// (21, 36) with the desk window's default size, the three kinds of picture
// and OK and Cancel under it.
#include "interface/window_layout.h"
#include "portrait/adjust_geometry.h"

namespace lumena {

inline constexpr std::string_view kAdjustButtonsKey = "FormAdjustButtons";
inline constexpr std::string_view kAdjustButtonsDefault = "ButAdjst.psd";
inline constexpr int kAdjustViewLeft = 21, kAdjustViewTop = 36;
inline constexpr int kAdjustViewWidth = 445, kAdjustViewHeight = 492;
inline constexpr int kAdjustButtonSide = 40, kAdjustButtonsTop = kAdjustViewTop + kAdjustViewHeight + 12;

constexpr ControlLayout AdjustButton(std::string_view name, ButtonIcon icon, int left, int row,
                                     std::string_view hintKey) {
  return SheetButton(name, icon, {kAdjustButtonsKey, kAdjustButtonsDefault},
                     {left, kAdjustButtonsTop, kAdjustButtonSide, kAdjustButtonSide}, 40 + row * kAdjustButtonSide,
                     hintKey);
}

inline constexpr ControlLayout kAdjustWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, 487, 20},
    {.name = "ButtonExit",
     .kind = ControlKind::GraphicButton,
     .left = 462,
     .top = 0,
     .width = 19,
     .height = 20,
     .pictureKey = kAdjustButtonsKey,
     .pictureDefault = kAdjustButtonsDefault,
     .cells = {0, 0, 19, 20, 1, 4},
     .icon = ButtonIcon::Close,
     .parent = "CaptionBar",
     .hintKey = "ButtonCloseHint"},
    {.name = "ResImage",
     .kind = ControlKind::Picture,
     .left = kAdjustViewLeft,
     .top = kAdjustViewTop,
     .width = kAdjustViewWidth,
     .height = kAdjustViewHeight},
    AdjustButton("ButtonFace", ButtonIcon::Face, 21, 0, "ButtonFaceHint"),
    AdjustButton("ButtonHand", ButtonIcon::Hand, 67, 1, "ButtonHandHint"),
    AdjustButton("ButtonBody", ButtonIcon::Body, 113, 2, "ButtonBodyHint"),
    AdjustButton("ButtonFigure", ButtonIcon::Figure, 159, 3, {}),
    AdjustButton("ButtonOK", ButtonIcon::Yes, 380, 4, "ButtonOKHint"),
    AdjustButton("ButtonCancel", ButtonIcon::No, 426, 5, "ButtonCancelHint"),
};

inline constexpr WindowLayout kAdjustWindowLayout{"FormAdjust", "FormAdjs.psd", 487, 592, 20, kAdjustWindowControls};

}  // namespace lumena
