#pragma once
#include "interface/message_window_layout.h"
#include "interface/window_layout.h"

namespace lumena {

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
};

inline constexpr WindowLayout kMainWindowLayout{"FormMain", "FormMain.psd", 1024, 768, 20, kMainWindowControls};

}  // namespace lumena
