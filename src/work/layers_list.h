#pragma once
// The layers list's arithmetic, free of windows: each layer's entry with its
// thumbnail, the states of the layer commands for the selected entry, and
// the mouse over the entries (pick, drag and drop to reorder).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "images/picture.h"
#include "images/rect.h"

namespace lumena {

class TWorkDesk;

inline constexpr int kThumbnailSide = 44;
inline constexpr int kListEntryHeight = 50;
// A drag this close to the list's top or bottom scrolls it a line a tick.
inline constexpr int kAutoScrollMargin = 20;
inline constexpr int kAutoScrollMilliseconds = 150;

// Where a picture of width x height stands in its thumbnail: at its own size
// and centred when it fits, otherwise scaled to touch two opposite sides,
// never thinner than a pixel. Empty for an empty picture.
Rect ThumbnailPlace(int width, int height);

// The picture's 44 x 44 thumbnail; its transparent parts and the margins
// around it are black.
Picture LayerThumbnail(const Picture& picture);

struct LayersListEntry {
  std::string name;
  Picture thumbnail;
};

// One entry per layer of the desk, front first.
std::vector<LayersListEntry> ListEntriesOf(const TWorkDesk& desk);

struct CommandState {
  bool shown = true;
  bool enabled = false;
  friend bool operator==(const CommandState&, const CommandState&) = default;
};

struct LayerCommandStates {
  CommandState moveTop, moveBottom, remove, hide, show;
  friend bool operator==(const LayerCommandStates&, const LayerCommandStates&) = default;
};

// The five commands for the selected entry of `count` (-1: none); hide and
// show stand in one place and only one of them shows.
LayerCommandStates LayerCommandsFor(int selected, int count, bool selectedVisible);

enum class AutoScroll : uint8_t { None, Up, Down };
// What a drag at `y` in a list `height` pixels high does to the scrolling.
AutoScroll AutoScrollAt(int y, int height);

// What a release that ended no drag asks for.
struct ListClick {
  enum class Kind : uint8_t { None, Activate, OpenMenu };
  Kind kind = Kind::None;
  int entry = -1;
  friend bool operator==(const ListClick&, const ListClick&) = default;
};

struct LayerMove {
  int from = -1, to = -1;
  friend bool operator==(const LayerMove&, const LayerMove&) = default;
};

// The mouse over the list's entries. `entry` arguments are the entry under
// the mouse, -1 for none.
class LayersListPointer {
 public:
  void Press(Point at, bool left, int entry);
  // True when this move starts a drag: with the left button, from an entry
  // of at least two, past the drag threshold.
  bool Move(Point at, bool leftHeld, int count);
  // A release that ended no drag: a left click activates, another button
  // opens the menu, both only on an entry and near the press.
  ListClick Release(Point at);
  // During a drag; true when the drop target changed.
  bool DragOver(int entry);
  // A drop onto another entry than the dragged one.
  bool DropAllowed() const { return dragging_ && dropTarget_ >= 0 && dropTarget_ != pressed_; }
  // Ends the drag; the move to make when the drop is allowed.
  std::optional<LayerMove> Drop();
  // Ends a drag (or a press) without a drop.
  void Cancel();

  int PressedEntry() const { return pressed_; }
  int DropTarget() const { return dropTarget_; }
  bool Dragging() const { return dragging_; }

 private:
  Point pressPoint_;
  bool left_ = false;
  bool dragging_ = false;
  int pressed_ = -1;
  int dropTarget_ = -1;
};

}  // namespace lumena
