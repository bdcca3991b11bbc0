#pragma once
// A layer's undo history: at most 30 records, oldest first.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>

#include "images/picture.h"
#include "images/rect.h"
#include "work/colouring_parameters.h"

namespace lumena {

// What a record undoes.
enum class UndoKind : uint8_t {
  Colour = 0,  // a colour slider or the palette
  Move = 1,
  Resize = 2,
  Rotate = 3,
  Brush = 4,
  Eraser = 5,
  Modifier = 6,
  PasteState = 7,
  Calibration = 8,
  Reset = 9,
  RegionReset = 10,  // one per changed region, stacked above the Reset record
  BaldHead = 11,
  Flip = 12,
};

inline constexpr size_t kUndoLimit = 30;

struct TUndoRecord {
  UndoKind Kind = UndoKind::Colour;
  int32_t Region = 0;       // the mask's current region when recorded, 0 none
  ColourParameters Params;  // the layer's, or the region's for kinds 0 and 10
  int32_t X = 0, Y = 0, Width = 0, Height = 0;
  // For Rotate the desk replaces Angle, when the drag ends, by the rotation
  // the drag made.
  int32_t Angle = 0, PivotX = -1, PivotY = -1;
  uint8_t TransformMode = 1;
  Rect Area;  // empty when the record saved no pixels
  Picture SavedPicture;
};

class TUndoList {
 public:
  // Appends a record filled by `fill`, discarding the oldest first when the
  // list is full. When filling runs out of memory the oldest records are
  // discarded one by one and filling is tried again; nullptr when even an
  // empty list has no room.
  TUndoRecord* Push(const std::function<void(TUndoRecord&)>& fill);

  bool Empty() const { return records_.empty(); }
  size_t Size() const { return records_.size(); }
  const TUndoRecord& operator[](size_t i) const { return records_[i]; }
  TUndoRecord& Newest() { return records_.back(); }
  const TUndoRecord& Newest() const { return records_.back(); }
  void PopNewest() { records_.pop_back(); }
  void Clear() { records_.clear(); }

 private:
  std::deque<TUndoRecord> records_;
};

}  // namespace lumena
