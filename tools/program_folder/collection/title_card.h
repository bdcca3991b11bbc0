#pragma once
#include <QImage>

#include "interface/window_layout.h"

namespace lumena::tools {

// The small picture of a title entry: the type's button icon on a card.
QImage DrawTitleCard(ButtonIcon icon);

}  // namespace lumena::tools
