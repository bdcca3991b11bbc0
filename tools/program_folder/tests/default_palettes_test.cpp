// The default palettes: enough of them, well formed, and colours that give
// the looks they name when they tint the collection's pictures.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "images/element_picture.h"
#include "work/colouring_pipeline.h"
#include "work/palette.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = LUMENA_PROGRAM_FOLDER;

PaletteChoice PaletteNumbered(int number) {
  PaletteChoice choice;
  choice.number = number;
  ReadPalette(choice, kFolder / kPaletteFileName);
  return choice;
}

TEST(DefaultPalettes, EightPalettesOfEightToTwentyFourNamedColours) {
  const int count = PaletteNumbered(1).count;
  EXPECT_GE(count, 8);
  for (int n = 1; n <= count; ++n) {
    const Palette palette = PaletteNumbered(n).palette;
    EXPECT_FALSE(palette.name.empty()) << n;
    EXPECT_GE(palette.colours.size(), 8u) << palette.name;
    EXPECT_LE(palette.colours.size(), 24u) << palette.name;
    for (const PaletteColour& c : palette.colours) EXPECT_FALSE(c.name.empty()) << palette.name;
  }
}

// The colour of that name in the palette of that name.
uint32_t ColourNamed(std::string_view palette, std::string_view colour) {
  for (int n = 1; n <= PaletteNumbered(1).count; ++n) {
    const Palette p = PaletteNumbered(n).palette;
    if (p.name != palette) continue;
    for (const PaletteColour& c : p.colours)
      if (c.name == colour) return c.colour;
  }
  ADD_FAILURE() << palette << " has no " << colour;
  return 0;
}

struct Mean {
  double r = 0, g = 0, b = 0;
};

// The mean colour of the picture's visible pixels under the layer tint.
Mean TintedMean(const fs::path& file, uint32_t colour) {
  Picture picture;
  LoadElementPicture(picture, file);
  ColourParameters tint;
  tint.Color = static_cast<int32_t>(colour);
  const TMask noRegions;
  Picture rendering = picture;
  ColourRendering(rendering, {tint, noRegions, picture, {0, 0, picture.Width(), picture.Height()}, 1.0});
  Mean mean;
  double count = 0;
  for (const Pixel& p : rendering.Pixels()) {
    if (p.a < 128) continue;
    mean.r += p.r;
    mean.g += p.g;
    mean.b += p.b;
    ++count;
  }
  if (count > 0) mean = {mean.r / count, mean.g / count, mean.b / count};
  return mean;
}

TEST(DefaultPalettes, TintsGiveTheLooksTheyNameOnTheCollection) {
  struct Case {
    const char* picture;
    std::string_view palette, colour;
    std::function<bool(const Mean&)> looks;
  };
  const Case cases[] = {
      {"Hair/hair_curls_dark.psd", "Natural hair", "Copper", [](const Mean& m) { return m.r > m.g + 30 && m.g > m.b; }},
      {"Hair/hair_curls_dark.psd", "Natural hair", "Golden blonde",
       [](const Mean& m) { return m.r > 120 && m.g > 90 && m.g > m.b + 20; }},
      {"Hair/hair_bob_platinum.psd", "Fashion hair", "Electric blue",
       [](const Mean& m) { return m.b > m.r + 30 && m.b > m.g; }},
      {"Lips/lips_coral_shine.psd", "Lips", "Classic red",
       [](const Mean& m) { return m.r > 2 * m.g && m.r > 2 * m.b; }},
  };
  for (const Case& c : cases) {
    const Mean m = TintedMean(kFolder / c.picture, ColourNamed(c.palette, c.colour));
    EXPECT_TRUE(c.looks(m)) << c.colour << " on " << c.picture << ": " << m.r << ", " << m.g << ", " << m.b;
  }
}

}  // namespace
}  // namespace lumena
