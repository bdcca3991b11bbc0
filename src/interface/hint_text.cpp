#include "interface/hint_text.h"

#include "images/rounding.h"
#include "platform/text.h"

namespace lumena {

HintParts SplitHint(std::string_view hint, std::string_view delimiter) {
  const size_t at = delimiter.empty() ? std::string_view::npos : hint.find(delimiter);
  if (at == std::string_view::npos) return {std::string(hint), std::nullopt};
  return {std::string(hint.substr(0, at)), std::string(hint.substr(at + delimiter.size()))};
}

std::string HintSoundPath(std::string_view folder, std::string_view programFolder, std::string_view name) {
  return WithTrailingBackslash(folder.empty() ? programFolder : folder) + std::string(name);
}

void PaintGlow(Picture& screen, uint32_t glowColour) {
  const int cx = screen.Width() / 2, cy = screen.Height() / 2;
  if (cx == 0 || cy == 0) return;
  const double glow[3] = {static_cast<double>(ColorBlue(glowColour)), static_cast<double>(ColorGreen(glowColour)),
                          static_cast<double>(ColorRed(glowColour))};
  for (int y = 0; y < screen.Height(); ++y) {
    const double dy = (y - cy) / static_cast<double>(cy);
    for (int x = 0; x < screen.Width(); ++x) {
      const double dx = (x - cx) / static_cast<double>(cx);
      const double m = dx * dx + dy * dy;
      if (m > 1) continue;
      Pixel& p = screen.At(x, y);
      p.b = static_cast<uint8_t>(Round((1 - m) * glow[0] + m * p.b));
      p.g = static_cast<uint8_t>(Round((1 - m) * glow[1] + m * p.g));
      p.r = static_cast<uint8_t>(Round((1 - m) * glow[2] + m * p.r));
    }
  }
}

}  // namespace lumena
