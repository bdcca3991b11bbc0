#pragma once
// The load and save window's layout: a row of five ways to load under
// "Load", a row of three ways to save and two to send under "Save".
#include "interface/window_layout.h"

namespace lumena {

inline constexpr PictureSheet kLoadSaveSheet{"FormLoadSaveButtons", "ButLoSa.psd"};
inline constexpr int kLoadSaveWidth = 277, kLoadSaveHeight = 178, kLoadSaveCaption = 20;
inline constexpr int kLoadSaveSide = 44, kLoadSaveStep = 52, kLoadRowTop = 46, kSaveRowTop = 118;

// The `index`-th button of a row; its cells are the sheet's `row`-th.
constexpr ControlLayout LoadSaveButton(std::string_view name, ButtonIcon icon, int index, int top, int row,
                                       std::string_view hintKey) {
  return SheetButton(name, icon, kLoadSaveSheet, {12 + index * kLoadSaveStep, top, kLoadSaveSide, kLoadSaveSide},
                     row * kLoadSaveSide, hintKey);
}

inline constexpr ControlLayout kLoadSaveWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, kLoadSaveWidth, kLoadSaveCaption},
    CaptionButton("ButtonExit", ButtonIcon::Close, 253, "ButtonCloseHint"),
    {"LabelLoad", ControlKind::Label, 12, kLoadRowTop - 20, 200, 16},
    LoadSaveButton("ButtonLoadImage", ButtonIcon::LoadImage, 0, kLoadRowTop, 0, "ButtonLoadImageHint"),
    LoadSaveButton("ButtonLoadWork", ButtonIcon::LoadWork, 1, kLoadRowTop, 1, "ButtonLoadWorkHint"),
    LoadSaveButton("ButtonLoadClipboard", ButtonIcon::LoadClipboard, 2, kLoadRowTop, 2, "ButtonLoadClipboardHint"),
    LoadSaveButton("ButtonLoadCamera", ButtonIcon::LoadCamera, 3, kLoadRowTop, 3, "ButtonLoadCameraHint"),
    LoadSaveButton("ButtonLoadTwain", ButtonIcon::LoadScanner, 4, kLoadRowTop, 4, "ButtonLoadTwainHint"),
    {"LabelSave", ControlKind::Label, 12, kSaveRowTop - 20, 200, 16},
    LoadSaveButton("ButtonSaveImage", ButtonIcon::SaveImage, 0, kSaveRowTop, 5, "ButtonSaveImageHint"),
    LoadSaveButton("ButtonSaveWork", ButtonIcon::SaveWork, 1, kSaveRowTop, 6, "ButtonSaveWorkHint"),
    LoadSaveButton("ButtonSaveClipboard", ButtonIcon::SaveClipboard, 2, kSaveRowTop, 7, "ButtonSaveClipboardHint"),
    LoadSaveButton("ButtonSendImage", ButtonIcon::SendImage, 3, kSaveRowTop, 8, "ButtonSendImageHint"),
    LoadSaveButton("ButtonSendWork", ButtonIcon::SendWork, 4, kSaveRowTop, 9, "ButtonSendWorkHint"),
};

inline constexpr WindowLayout kLoadSaveWindowLayout{"FormLoadSave",  "FormLoSa.psd",   kLoadSaveWidth,
                                                    kLoadSaveHeight, kLoadSaveCaption, kLoadSaveWindowControls};

}  // namespace lumena
