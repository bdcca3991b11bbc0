#include "interface/screen_resolution.h"

#include <algorithm>
#include <array>

namespace lumena {

namespace {
constexpr std::array<TScreenResolution, 3> kResolutions{{
    {800, 600, "800-600\\"},
    {1024, 768, "1024-768\\"},
    {1280, 1024, "1280-1024\\"},
}};
constexpr int kHighestUsedLevel = 2;
}  // namespace

std::span<const TScreenResolution, 3> ScreenResolutions() { return kResolutions; }

const TScreenResolution& ScreenResolution(int level) { return kResolutions.at(static_cast<size_t>(level - 1)); }

int ResolutionLevelFor(int screenWidth, int screenHeight) {
  int level = 1;
  for (int candidate = 3; candidate >= 1; --candidate) {
    const TScreenResolution& row = ScreenResolution(candidate);
    if (row.Width <= screenWidth && row.Height <= screenHeight) {
      level = candidate;
      break;
    }
  }
  return std::min(level, kHighestUsedLevel);
}

}  // namespace lumena
