#pragma once
// The screen-resolution folders of an interface.
#include <span>
#include <string_view>

namespace lumena {

struct TScreenResolution {
  int Width;
  int Height;
  std::string_view Folder;  // with its trailing backslash
};

// Rows 1 to 3 of the table, at indexes 0 to 2.
std::span<const TScreenResolution, 3> ScreenResolutions();
// The row of a level from 1 to 3.
const TScreenResolution& ScreenResolution(int level);

// The largest level whose size fits the screen (1 when none does), limited to
// 2: larger screens get the 1024 by 768 layout.
int ResolutionLevelFor(int screenWidth, int screenHeight);

}  // namespace lumena
