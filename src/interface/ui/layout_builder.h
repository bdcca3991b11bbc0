#pragma once
// Builds a window's controls from its built-in layout table.
#include <QString>
#include <functional>

#include "interface/window_layout.h"

class QWidget;

namespace lumena {

class TPictureControl;

// The picture control that holds the cells of a picture key.
using PictureResolver = std::function<TPictureControl*(std::string_view pictureKey)>;

// Creates every control of the layout on `window` or the control it names
// as its parent, named, placed, with their cells and hints. Buttons show cell 0
// normally, 1 under the mouse, 2 pressed, and 3 when disabled where the
// grid has a fourth column.
void BuildLayoutControls(QWidget* window, const WindowLayout& layout, const PictureResolver& pictures);

}  // namespace lumena
