#include "work/desk_geometry.h"

#include <algorithm>
#include <cmath>

namespace lumena {

void DeskGeometry::centreView() {
  viewWidth = static_cast<int>(windowWidth * scale);
  viewHeight = static_cast<int>(windowHeight * scale);
  viewLeft = static_cast<int>((tableWidth - viewWidth) / 2.0);
  viewTop = static_cast<int>((tableHeight - viewHeight) / 2.0);
}

int DeskGeometry::scaleSliderMaximum() const {
  // nearbyint rounds halves to even in the default rounding mode.
  const double byWidth = std::nearbyint(static_cast<double>(tableWidth) / windowWidth * 100);
  const double byHeight = std::nearbyint(static_cast<double>(tableHeight) / windowHeight * 100);
  return static_cast<int>(std::min(byWidth, byHeight));
}

}  // namespace lumena
