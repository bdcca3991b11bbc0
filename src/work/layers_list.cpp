#include "work/layers_list.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "images/rounding.h"
#include "images/stretch.h"
#include "work/work_desk.h"

namespace lumena {

namespace {

// A mouse that stays this close to its press point has not moved.
constexpr int kClickSlack = 2;

}  // namespace

Rect ThumbnailPlace(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  constexpr int kSide = kThumbnailSide;
  if (width <= kSide && height <= kSide) {
    const int x = (kSide - width) / 2, y = (kSide - height) / 2;
    return {x, y, x + width, y + height};
  }
  // A picture thinner than the thumbnail's pixel keeps one pixel.
  if (height > width) {
    const int shown = std::max(1, Round32(static_cast<double>(width) * kSide / height));
    const int x = Round32((kSide - shown) / 2.0);
    return {x, 0, x + shown, kSide};
  }
  const int shown = std::max(1, Round32(static_cast<double>(height) * kSide / width));
  const int y = Round32((kSide - shown) / 2.0);
  return {0, y, kSide, y + shown};
}

Picture LayerThumbnail(const Picture& picture) {
  Picture thumbnail(kThumbnailSide, kThumbnailSide);
  const Rect place = ThumbnailPlace(picture.Width(), picture.Height());
  if (!place.Empty()) StretchThumbnail(thumbnail, place, picture);
  return thumbnail;
}

std::vector<LayersListEntry> ListEntriesOf(const TWorkDesk& desk) {
  std::vector<LayersListEntry> entries;
  entries.reserve(static_cast<size_t>(desk.Count()));
  for (int i = 0; i < desk.Count(); ++i) {
    const TLayer& layer = desk.Layer(i);
    entries.push_back({layer.DisplayName(), LayerThumbnail(layer.WorkPicture())});
  }
  return entries;
}

LayerCommandStates LayerCommandsFor(int selected, int count, bool selectedVisible) {
  if (selected < 0 || selected >= count)
    return {.moveTop = {true, false},
            .moveBottom = {true, false},
            .remove = {true, false},
            .hide = {false, false},
            .show = {true, false}};
  return {.moveTop = {true, selected > 0},
          .moveBottom = {true, selected < count - 1},
          .remove = {true, true},
          .hide = {selectedVisible, selectedVisible},
          .show = {!selectedVisible, !selectedVisible}};
}

AutoScroll AutoScrollAt(int y, int height) {
  if (y >= 0 && y < kAutoScrollMargin) return AutoScroll::Up;
  if (y < height && y >= height - kAutoScrollMargin) return AutoScroll::Down;
  return AutoScroll::None;
}

void LayersListPointer::Press(Point at, bool left, int entry) {
  pressPoint_ = at;
  left_ = left;
  pressed_ = entry;
  dropTarget_ = -1;
  dragging_ = false;
}

bool LayersListPointer::Move(Point at, bool leftHeld, int count) {
  if (!leftHeld || dragging_ || count < 2 || pressed_ < 0) return false;
  dragging_ = std::abs(at.x - pressPoint_.x) > kClickSlack || std::abs(at.y - pressPoint_.y) > kClickSlack;
  return dragging_;
}

ListClick LayersListPointer::Release(Point at) {
  if (dragging_) return {};
  const bool still = std::abs(at.x - pressPoint_.x) <= kClickSlack && std::abs(at.y - pressPoint_.y) <= kClickSlack;
  const int entry = std::exchange(pressed_, -1);
  if (!still || entry < 0) return {};
  return {left_ ? ListClick::Kind::Activate : ListClick::Kind::OpenMenu, entry};
}

bool LayersListPointer::DragOver(int entry) {
  if (!dragging_) return false;
  return std::exchange(dropTarget_, entry) != entry;
}

std::optional<LayerMove> LayersListPointer::Drop() {
  std::optional<LayerMove> move;
  if (DropAllowed()) move = LayerMove{pressed_, dropTarget_};
  Cancel();
  return move;
}

void LayersListPointer::Cancel() {
  dragging_ = false;
  dropTarget_ = -1;
  pressed_ = -1;
}

}  // namespace lumena
