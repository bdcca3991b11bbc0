#pragma once
// The built-in layout of a window: its size, skin and controls with their
// picture cells. The windows build themselves from these tables and the
// generator of the default interface draws its pictures from the same ones,
// so skins and windows cannot disagree.
#include <span>
#include <string_view>

namespace lumena {

// A panel holds the controls that name it as their parent; their places
// are inside it.
enum class ControlKind { CaptionBar, GraphicButton, GraphicSlider, Label, Picture, Panel };

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
  BrushColour,
  // The desktop tools and the panels.
  OriginalSize,
  Centre,
  LayerList,
  ClearWork,
  Calibration,
  Preview,
  Shopping,
  PanelOpen,
  PanelClose,
  ArrowLeft,
  ArrowRight,
  // The system buttons.
  LoadSave,
  Print,
  Internet,
  Messages,
  Queries,
  Setup,
  Help,
  Catalog,
  ExitMain,
  // The publisher's pages.
  PublisherLogo,
  Subscribe,
  MoreGames,
  TellaFriend,
  // The template strip.
  StripPrevious,
  StripNext,
  Template,
  Hairstyles,
  Makeup,
  Eyes,
  Lips,
  Nails,
  Jewellery,
  Clothes,
  Glasses,
  Hats,
  Frames,
  // The templates window.
  ScrollUp,
  ScrollDown,
  Filter,
  ReplaceSameType,
  Nail1,
  Nail2,
  Nail3,
  Nail4,
  Nail5,
  // The kinds of portrait picture.
  Face,
  Hand,
  Body,
  Figure,
  // The load and save window.
  LoadImage,
  LoadWork,
  LoadClipboard,
  LoadCamera,
  LoadScanner,
  SaveImage,
  SaveWork,
  SaveClipboard,
  SendImage,
  SendWork,
  // The camera window.
  VideoSource,
  VideoFormat,
  VideoDisplay,
  Snapshot,
  // The layer regions windows.
  EditRegion,
  SaveRegion,
  Lasso,
  Grid,
  Restrict,
  ClearRegion,
};

struct CellGrid {
  int left = 0, top = 0, width = 0, height = 0;
  int rows = 1, cols = 3;
  // normal, hover, pressed (and, with four columns, disabled)
};

struct ControlPlace {
  int left, top, width, height;
  friend bool operator==(const ControlPlace&, const ControlPlace&) = default;
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
  std::string_view parent = {};       // the caption bar or panel that holds it; "" for the window
  std::string_view slideButton = {};  // a slider's thumb: the control of that name
  std::string_view hintKey = {};      // the text key of its hint
};

// A picture that button cells are cut from: its interface key and default.
struct PictureSheet {
  std::string_view key, file;
};

// A button with four cells in a row (normal, hover, pressed, disabled),
// the row starting `cellTop` pixels down its sheet.
constexpr ControlLayout SheetButton(std::string_view name, ButtonIcon icon, PictureSheet sheet, ControlPlace place,
                                    int cellTop, std::string_view hintKey, std::string_view parent = {}) {
  return {.name = name,
          .kind = ControlKind::GraphicButton,
          .left = place.left,
          .top = place.top,
          .width = place.width,
          .height = place.height,
          .pictureKey = sheet.key,
          .pictureDefault = sheet.file,
          .cells = {0, cellTop, place.width, place.height, 1, 4},
          .icon = icon,
          .parent = parent,
          .hintKey = hintKey};
}

// A slider whose track is one cell of its sheet, `cellTop` pixels down;
// `thumb` names the button that slides on it.
constexpr ControlLayout SheetSlider(std::string_view name, std::string_view thumb, PictureSheet sheet,
                                    ControlPlace place, int cellTop, std::string_view hintKey,
                                    std::string_view parent = {}) {
  return {.name = name,
          .kind = ControlKind::GraphicSlider,
          .left = place.left,
          .top = place.top,
          .width = place.width,
          .height = place.height,
          .pictureKey = sheet.key,
          .pictureDefault = sheet.file,
          .cells = {0, cellTop, place.width, place.height, 1, 1},
          .icon = ButtonIcon::SliderTrack,
          .parent = parent,
          .slideButton = thumb,
          .hintKey = hintKey};
}

// A caption bar's button that copies the main window's at run time.
constexpr ControlLayout CaptionButton(std::string_view name, ButtonIcon icon, int left, std::string_view hintKey) {
  return {.name = name,
          .kind = ControlKind::GraphicButton,
          .left = left,
          .top = 0,
          .width = 19,
          .height = 20,
          .icon = icon,
          .parent = "CaptionBar",
          .hintKey = hintKey};
}

struct WindowLayout {
  std::string_view name;  // component name, e.g. "FormMessage"
  std::string_view skinDefault;
  int width, height;  // client size before a skin replaces it
  int captionHeight;
  std::span<const ControlLayout> controls;

  constexpr const ControlLayout* Control(std::string_view controlName) const {
    for (const ControlLayout& c : controls)
      if (c.name == controlName) return &c;
    return nullptr;
  }

  // A control's place in the window's own coordinates, through its parents.
  constexpr ControlPlace PlaceInWindow(const ControlLayout& c) const {
    ControlPlace place{c.left, c.top, c.width, c.height};
    for (const ControlLayout* p = Control(c.parent); p; p = Control(p->parent)) {
      place.left += p->left;
      place.top += p->top;
    }
    return place;
  }
};

}  // namespace lumena
