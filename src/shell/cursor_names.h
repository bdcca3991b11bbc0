#pragma once
// The numbers and names of the program's own cursors.
#include <string_view>

namespace lumena {

enum CursorNumber {
  crBrush = 101,
  crEraser = 102,
  crPipette = 103,
  crModify = 104,
  crEye = 105,
  crEyeLens = 107,
  crHandFlat = 108,
  crHandGrab = 109,
  crHandPoint = 110,
  crHandFlatAll = 111,
  crHandGrabAll = 112,
  crRotate = 113,
  crLasso = 114,
  crHandInfo = 115,
  crHand3D = 116,
  crHandVideo = 117,
};

// The cursor names in number order (106 is not used).
struct CursorName {
  int number;
  std::string_view name;
};
inline constexpr CursorName kCursorNames[] = {
    {101, "BRUSH"},     {102, "ERASER"},      {103, "PIPETTE"},     {104, "MODIFY"},
    {105, "EYE"},       {107, "EYELNS"},      {108, "HANDFLAT"},    {109, "HANDGRAB"},
    {110, "HANDPOINT"}, {111, "HANDFLATALL"}, {112, "HANDGRABALL"}, {113, "ROTATE"},
    {114, "LASSO"},     {115, "HANDINFO"},    {116, "HAND3D"},      {117, "HANDVIDEO"},
};

// The folder of the program folder that holds the cursor pictures, and the
// file that gives each cursor's hot spot ("NAME;x;y;" lines).
inline constexpr std::string_view kCursorFolder = "Cursors";
inline constexpr std::string_view kCursorHotSpotFile = "HotSpots.txt";

}  // namespace lumena
