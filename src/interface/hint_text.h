#pragma once
// Hints may carry a sound: "words@file.wav" shows the words and plays the
// file from the sound folder.
#include <optional>
#include <string>
#include <string_view>

#include "images/picture.h"

namespace lumena {

struct HintParts {
  std::string text;
  std::optional<std::string> sound;  // the file name after the delimiter
};

HintParts SplitHint(std::string_view hint, std::string_view delimiter = "@");

// The sound file's path: the folder (the program's when empty) with a
// trailing "\" and the name.
std::string HintSoundPath(std::string_view folder, std::string_view programFolder, std::string_view name);

// The hint window's glow over the captured screen: inside the ellipse that
// fills the picture each channel becomes round((1 - m) * glow + m * screen),
// m = ((x - cx) / cx)^2 + ((y - cy) / cy)^2; outside it the screen stays.
void PaintGlow(Picture& screen, uint32_t glowColour);

}  // namespace lumena
