#pragma once
// The built-in layout of a window: its size, skin and controls with their
// picture cells. The windows build themselves from these tables and the
// generator of the default interface draws its pictures from the same ones,
// so skins and windows cannot disagree.
#include <span>
#include <string_view>

namespace lumena {

enum class ControlKind { CaptionBar, GraphicButton, GraphicSlider, Label, Picture };

// What the generator draws in a button's cells.
enum class ButtonIcon {
  None,
  Close,
  Minimize,
  Yes,
  No,
  // A slider's track and thumb.
  SliderTrack,
  SliderThumb,
  // The layer modes.
  Coloration,
  Appearance,
  Modifier,
  Brush,
  Eraser,
  Actions,
  // The layer commands.
  MoveTop,
  MoveBottom,
  Hide,
  Show,
  Delete,
  Regions,
  BaldHead,
  CopyState,
  PasteState,
  Reset,
  Flip,
  SaveTemplate,
  Undo,
  // The desktop tools.
  OriginalSize,
  Centre,
};

struct CellGrid {
  int left = 0, top = 0, width = 0, height = 0;
  int rows = 1, cols = 3;
  // normal, hover, pressed (and, with four columns, disabled)
};

struct ControlLayout {
  std::string_view name;
  ControlKind kind;
  int left, top, width, height;
  // The interface key and default file of the picture the cells are cut
  // from ("" for controls without cells).
  std::string_view pictureKey = {};
  std::string_view pictureDefault = {};
  CellGrid cells = {};
  ButtonIcon icon = ButtonIcon::None;
  bool onCaptionBar = false;          // a child of the caption bar (its coordinates are the same)
  std::string_view slideButton = {};  // a slider's thumb: the control of that name
};

struct WindowLayout {
  std::string_view name;  // component name, e.g. "FormMessage"
  std::string_view skinDefault;
  int width, height;  // client size before a skin replaces it
  int captionHeight;
  std::span<const ControlLayout> controls;

  const ControlLayout* Control(std::string_view controlName) const {
    for (const ControlLayout& c : controls)
      if (c.name == controlName) return &c;
    return nullptr;
  }
};

}  // namespace lumena
