#include "interface/window_region.h"

namespace lumena {

std::vector<Rect> RegionRectsFromPicture(const Picture& picture, uint32_t keyColour) {
  std::vector<Rect> rects;
  if (picture.empty()) return rects;
  const Pixel key{colorBlue(keyColour), colorGreen(keyColour), colorRed(keyColour), 0};
  auto isKey = [&](const Pixel& p) { return p.r == key.r && p.g == key.g && p.b == key.b; };
  for (int y = 0; y < picture.height(); ++y) {
    const auto row = picture.row(y);
    int x = 0;
    while (x < picture.width()) {
      while (x < picture.width() && isKey(row[x])) ++x;
      const int start = x;
      while (x < picture.width() && !isKey(row[x])) ++x;
      if (x > start) rects.push_back({start, y, x, y + 1});
    }
  }
  // A skin made only of the key colour would have no shape at all.
  if (rects.empty()) rects.push_back({0, 0, picture.width(), picture.height()});
  return rects;
}

}  // namespace lumena
