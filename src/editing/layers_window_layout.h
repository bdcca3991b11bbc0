#pragma once
// The layers list window's layout: the list of layers under the caption,
// and under it the main window's layer commands in a row; hide and show
// share a place, since only one of them shows.
#include "interface/window_layout.h"

namespace lumena {

inline constexpr int kLayersWidth = 220, kLayersHeight = 386, kLayersCaption = 20;
inline constexpr int kLayersListLeft = 8, kLayersListTop = 28, kLayersListWidth = 204, kLayersListHeight = 302;
// The copies keep the size of the main window's layer buttons.
inline constexpr int kLayersButtonSide = 36, kLayersButtonsTop = 338;

// A copy of the main window's button of the same name in the `slot`-th place.
constexpr ControlLayout CopiedLayerButton(std::string_view name, ButtonIcon icon, int slot, std::string_view hintKey) {
  return {.name = name,
          .kind = ControlKind::GraphicButton,
          .left = 18 + slot * 48,
          .top = kLayersButtonsTop,
          .width = kLayersButtonSide,
          .height = kLayersButtonSide,
          .icon = icon,
          .hintKey = hintKey};
}

inline constexpr ControlLayout kLayersWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, kLayersWidth, kLayersCaption},
    CaptionButton("ButtonMinimize", ButtonIcon::Minimize, kLayersWidth - 41, "ButtonMinimizeHint"),
    CaptionButton("ButtonExit", ButtonIcon::Close, kLayersWidth - 21, "ButtonCloseHint"),
    // The holder of the list box.
    {"PanelList", ControlKind::Panel, kLayersListLeft, kLayersListTop, kLayersListWidth, kLayersListHeight},
    CopiedLayerButton("ButtonLayerMoveTop", ButtonIcon::MoveTop, 0, "ButtonLayerMoveTopHint"),
    CopiedLayerButton("ButtonLayerMoveBottom", ButtonIcon::MoveBottom, 1, "ButtonLayerMoveBottomHint"),
    CopiedLayerButton("ButtonLayerHide", ButtonIcon::Hide, 2, "ButtonLayerHideHint"),
    CopiedLayerButton("ButtonLayerShow", ButtonIcon::Show, 2, "ButtonLayerShowHint"),
    CopiedLayerButton("ButtonLayerDelete", ButtonIcon::Delete, 3, "ButtonLayerDeleteHint"),
};

inline constexpr WindowLayout kLayersWindowLayout{"FormLayers",  "FormLayr.psd", kLayersWidth,
                                                  kLayersHeight, kLayersCaption, kLayersWindowControls};

}  // namespace lumena
