#pragma once
#include "interface/window_layout.h"

namespace lumena {

inline constexpr std::string_view kMainFormButtonsKey = "MainFormButtons";
inline constexpr std::string_view kMainFormButtonsDefault = "ButMain.psd";
inline constexpr std::string_view kSystemButtonsKey = "SystemButtons";
inline constexpr std::string_view kSystemButtonsDefault = "ButSys.psd";

// The message window: its buttons take their cells from the main window's
// button picture; its close button is a copy of the main window's.
inline constexpr ControlLayout kMessageWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, 200, 19},
    {"ButtonExit", ControlKind::GraphicButton, 173, 0, 19, 20, {}, {}, {}, ButtonIcon::Close, "CaptionBar"},
    {"LabelMessage", ControlKind::Label, 27, 27, 145, 58},
    {"ButtonYes",
     ControlKind::GraphicButton,
     56,
     92,
     29,
     30,
     kMainFormButtonsKey,
     kMainFormButtonsDefault,
     {4, 168, 29, 30, 1, 3},
     ButtonIcon::Yes},
    {"ButtonNo",
     ControlKind::GraphicButton,
     105,
     93,
     29,
     29,
     kMainFormButtonsKey,
     kMainFormButtonsDefault,
     {98, 171, 29, 29, 1, 3},
     ButtonIcon::No},
};

inline constexpr WindowLayout kMessageWindowLayout{"FormMessage", "FormMess.psd", 200, 141, 19, kMessageWindowControls};

}  // namespace lumena
