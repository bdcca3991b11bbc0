#include "interface/window_region.h"

namespace lumena {

std::vector<Rect> RegionRectsFromPicture(const Picture& picture, uint32_t keyColour) {
  std::vector<Rect> rects;
  if (picture.Empty()) return rects;
  const Pixel key{ColorBlue(keyColour), ColorGreen(keyColour), ColorRed(keyColour), 0};
  auto isKey = [&](const Pixel& p) { return p.r == key.r && p.g == key.g && p.b == key.b; };
  for (int y = 0; y < picture.Height(); ++y) {
    const auto row = picture.Row(y);
    int x = 0;
    while (x < picture.Width()) {
      while (x < picture.Width() && isKey(row[x])) ++x;
      const int start = x;
      while (x < picture.Width() && !isKey(row[x])) ++x;
      if (x > start) rects.push_back({start, y, x, y + 1});
    }
  }
  // A skin made only of the key colour would have no shape at all.
  if (rects.empty()) rects.push_back({0, 0, picture.Width(), picture.Height()});
  return rects;
}

}  // namespace lumena
