#pragma once
// The portrait preview window: a caption bar with the main window's
// minimise and close buttons, and the preview under it with a 5-pixel margin.
#include "interface/window_layout.h"

namespace lumena {

inline constexpr int kPreviewWidth = 315, kPreviewHeight = 380, kPreviewCaption = 20, kPreviewMargin = 5;

inline constexpr ControlLayout kPreviewWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, kPreviewWidth, kPreviewCaption},
    {.name = "ButtonMinimize",
     .kind = ControlKind::GraphicButton,
     .left = 275,
     .top = 0,
     .width = 19,
     .height = 20,
     .icon = ButtonIcon::Minimize,
     .parent = "CaptionBar",
     .hintKey = "ButtonMinimizeHint"},
    {.name = "ButtonExit",
     .kind = ControlKind::GraphicButton,
     .left = 295,
     .top = 0,
     .width = 19,
     .height = 20,
     .icon = ButtonIcon::Close,
     .parent = "CaptionBar",
     .hintKey = "ButtonCloseHint"},
    {.name = "ResImage",
     .kind = ControlKind::Picture,
     .left = kPreviewMargin,
     .top = kPreviewCaption + kPreviewMargin,
     .width = kPreviewWidth - 2 * kPreviewMargin,
     .height = kPreviewHeight - 2 * kPreviewCaption - 2 * kPreviewMargin},
};

inline constexpr WindowLayout kPreviewWindowLayout{"FormPreview",  "FormPreview.psd", kPreviewWidth,
                                                   kPreviewHeight, kPreviewCaption,   kPreviewWindowControls};

}  // namespace lumena
