#pragma once
// Works for the end-to-end flows, written by the program's own saving.
#include <filesystem>
#include <vector>

#include "images/picture.h"
#include "images/rect.h"

namespace lumena::e2e {

struct WorkLayer {
  Picture picture;
  Point at;               // table position
  int templateType = -1;  // -1: made by no template, so in no group
};

// Saves the layers, the first in front, as a work file.
void MakeWork(const std::filesystem::path& file, const std::vector<WorkLayer>& layers);

// A picture of one colour; `hole` is cut out fully transparent.
Picture Filled(int width, int height, Pixel colour, Rect hole = {});

}  // namespace lumena::e2e
