#pragma once
// The layer regions window's layout: the list of the no-region entry and
// regions 1 to 8, each with its thumbnail, and the edit and save buttons
// under it. The region editor's buttons share its button picture.
#include "interface/window_layout.h"

namespace lumena {

inline constexpr PictureSheet kRegionsSheet{"FormLayerRegionsButtons", "ButLRegs.psd"};
inline constexpr int kRegionsWidth = 194, kRegionsHeight = 530, kRegionsCaption = 20;
inline constexpr int kRegionsItemHeight = 50, kRegionsEntries = 9;
inline constexpr int kRegionsListTop = 28, kRegionsButtonSide = 32;
inline constexpr int kRegionsButtonTop = kRegionsListTop + kRegionsEntries * kRegionsItemHeight + 10;

// The sheet's rows of 32-pixel button cells, both windows' buttons.
enum RegionsSheetRow : int {
  kRowEditRegion,
  kRowSaveRegion,
  kRowLasso,
  kRowGrid,
  kRowRestrict,
  kRowClear,
  kRowOK,
  kRowCancel,
  kRegionsButtonRows
};

constexpr ControlLayout RegionsButton(std::string_view name, ButtonIcon icon, ControlPlace place, int row,
                                      std::string_view hintKey) {
  return SheetButton(name, icon, kRegionsSheet, place, row * kRegionsButtonSide, hintKey);
}

inline constexpr ControlLayout kRegionsWindowControls[] = {
    {"CaptionBar", ControlKind::CaptionBar, 0, 0, kRegionsWidth, kRegionsCaption},
    CaptionButton("ButtonMinimize", ButtonIcon::Minimize, 153, "ButtonMinimizeHint"),
    CaptionButton("ButtonExit", ButtonIcon::Close, 173, "ButtonCloseHint"),
    {"ListBox", ControlKind::Picture, 12, kRegionsListTop, 170, kRegionsEntries* kRegionsItemHeight},
    RegionsButton("ButtonEditRegion", ButtonIcon::EditRegion,
                  {12, kRegionsButtonTop, kRegionsButtonSide, kRegionsButtonSide}, kRowEditRegion,
                  "FormLayerRegionsButtonEditRegionHint"),
    RegionsButton("ButtonSaveRegion", ButtonIcon::SaveRegion,
                  {52, kRegionsButtonTop, kRegionsButtonSide, kRegionsButtonSide}, kRowSaveRegion,
                  "FormLayerRegionsButtonSaveRegionHint"),
};

inline constexpr WindowLayout kRegionsWindowLayout{"FormLayerRegions", "FormLrgs.psd",  kRegionsWidth,
                                                   kRegionsHeight,     kRegionsCaption, kRegionsWindowControls};

}  // namespace lumena
