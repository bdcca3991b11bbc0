#pragma once
// The portrait preview window: a caption bar with the main window's
// minimise and close buttons, and the preview under it with a 5-pixel margin.
#include "interface/window_layout.h"

namespace lumena {

inline constexpr int kPreviewWidth = 315, kPreviewHeight = 380, kPreviewCaption = 20, kPreviewMargin = 5;

inline constexpr ControlLayout kPreviewWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, kPreviewWidth, kPreviewCaption},
    CaptionButton("ButtonMinimize", ButtonIcon::Minimize, 275, "ButtonMinimizeHint"),
    CaptionButton("ButtonExit", ButtonIcon::Close, 295, "ButtonCloseHint"),
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
