#include "work/desk_geometry.h"

#include <algorithm>

#include "images/rounding.h"

namespace lumena {

void DeskGeometry::CentreView() {
  viewWidth = static_cast<int>(windowWidth * scale);
  viewHeight = static_cast<int>(windowHeight * scale);
  viewLeft = static_cast<int>((tableWidth - viewWidth) / 2.0);
  viewTop = static_cast<int>((tableHeight - viewHeight) / 2.0);
}

int DeskGeometry::ScaleSliderMaximum() const {
  const int64_t byWidth = Round(static_cast<double>(tableWidth) / windowWidth * 100);
  const int64_t byHeight = Round(static_cast<double>(tableHeight) / windowHeight * 100);
  return static_cast<int>(std::min(byWidth, byHeight));
}

}  // namespace lumena
