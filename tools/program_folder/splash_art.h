#pragma once
#include <QImage>

namespace lumena::tools {

// The intro picture shown at start.
QImage DrawSplash();

}  // namespace lumena::tools
