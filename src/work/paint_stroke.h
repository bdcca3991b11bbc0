#pragma once
// One stroke of the brush, the eraser or the modifier on the active layer,
// from the press to the release: each dab records the action, opens the
// stroke's one undo record on its first use, paints, renders and repaints
// the dab's square; the release cuts the undo copy down to what was touched.
#include <cstdint>

#include "work/paint_dabs.h"
#include "work/work_desk.h"

namespace lumena {

enum class PaintTool : uint8_t { Brush, Eraser, Modifier };

class PaintStroke {
 public:
  // The press at a table point, with `layer` active. `restore` is the right
  // button: the brush and the eraser work back towards the base picture,
  // the modifier relaxes the field left by the previous stroke (it neither
  // resets it nor opens an undo record).
  PaintStroke(TWorkDesk& desk, TLayer& layer, PaintTool tool, bool restore, PaintToolSettings settings,
              Pixel brushColour, Point press);

  // A mouse move to a table point; nothing when it has not moved.
  void MoveTo(Point point);
  // The release: completes the undo record this stroke opened, or drops it
  // when the stroke never touched the layer.
  void Finish();

 private:
  Rect DabSquare(Point centre) const;
  void GrowUndoArea(Point centre);
  void RepaintTable(const Rect& square);

  TWorkDesk& desk_;
  TLayer& layer_;
  PaintTool tool_;
  bool restore_;
  PaintToolSettings settings_;
  Pixel colour_;
  Point last_;
  int32_t strokeRight_, strokeBottom_;
  bool opened_ = false;
};

}  // namespace lumena
