#pragma once
#include <QImage>
#include <QPoint>
#include <string_view>

namespace lumena::tools {

struct CursorArt {
  QImage image;  // 32 x 32 with opacity
  QPoint hotSpot;
};

// Draws the program's cursor of that name (BRUSH, ERASER, ... HANDVIDEO).
CursorArt DrawCursor(std::string_view name);

}  // namespace lumena::tools
