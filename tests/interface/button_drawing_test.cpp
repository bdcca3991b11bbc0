#include "interface/button_drawing.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

Picture OnePixel(Pixel p) {
  Picture picture(1, 1);
  picture.At(0, 0) = p;
  return picture;
}

struct BlendCase {
  Pixel background, cell;
  int transparency;
  Pixel expected;
};

class BlendTest : public ::testing::TestWithParam<BlendCase> {};

// k = a / 255 * (1 - T / 100); channel = round((1 - k) * under) + round(k * over),
// each product rounded on its own, halves to even.
TEST_P(BlendTest, MatchesTheFormulaOnKnownPixels) {
  const BlendCase& c = GetParam();
  Picture output = OnePixel(c.background);
  BlendCell(output, OnePixel(c.cell), c.transparency);
  const Pixel got = output.At(0, 0);
  EXPECT_EQ(got.b, c.expected.b);
  EXPECT_EQ(got.g, c.expected.g);
  EXPECT_EQ(got.r, c.expected.r);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BlendTest,
    ::testing::Values(
        // opaque cell, T = 0: the cell
        BlendCase{{10, 20, 30, 255}, {200, 100, 50, 255}, 0, {200, 100, 50}},
        // opaque cell, T = 50: k = 0.5; 0.5*10=5, 0.5*200=100 -> 105; 0.5*21=10.5->10, 0.5*101=50.5->50 -> 60
        BlendCase{{10, 21, 30, 255}, {200, 101, 50, 255}, 50, {105, 60, 40}},
        // a = 0 leaves the background
        BlendCase{{10, 20, 30, 255}, {200, 100, 50, 0}, 0, {10, 20, 30}},
        // a = 51, T = 1: k = 0.2 * 0.99 = 0.198; blue 0.802*100=80.2->80 plus 0.198*255=50.49->50;
        // red 0.802*255=204.51->205
        BlendCase{{100, 0, 255, 255}, {255, 255, 0, 51}, 1, {130, 50, 205}},
        // T = 100: nothing of the cell
        BlendCase{{7, 8, 9, 255}, {200, 100, 50, 255}, 100, {7, 8, 9}},
        // white over white, T = 50: 127.5 rounds to 128 twice; the sum saturates at 255
        BlendCase{{255, 255, 255, 255}, {255, 255, 255, 255}, 50, {255, 255, 255}}));

TEST(ButtonDrawing, CopyOpaqueIgnoresOpacity) {
  Picture output = OnePixel({1, 2, 3, 255});
  CopyOpaque(output, OnePixel({40, 50, 60, 0}));
  EXPECT_EQ(output.At(0, 0).b, 40);
  EXPECT_EQ(output.At(0, 0).r, 60);
}

TEST(ButtonDrawing, RecolourThresholdIsTheColoursHighByte) {
  Picture cell(3, 1);
  cell.At(0, 0) = {1, 1, 1, 0};
  cell.At(1, 0) = {1, 1, 1, 254};
  cell.At(2, 0) = {1, 1, 1, 255};
  Picture onlyOpaque = cell;
  Recolour(onlyOpaque, 0xFF0000FFu);  // red, high byte 255
  EXPECT_EQ(onlyOpaque.At(1, 0).r, 1);
  EXPECT_EQ(onlyOpaque.At(2, 0), (Pixel{0, 0, 255, 255}));
  Picture every = cell;
  Recolour(every, 0x00FF0000u);  // blue, high byte 0
  for (int x = 0; x < 3; ++x) EXPECT_EQ(every.At(x, 0).b, 255) << x;
}

TEST(ButtonDrawing, TrackIsBlendedByItsOpacityAtItsPlaceClipped) {
  Picture output(3, 1);
  Picture track(2, 1);
  track.At(0, 0) = {255, 255, 255, 255};
  track.At(1, 0) = {255, 255, 255, 255};
  BlendTrack(output, track, {2, 0});
  EXPECT_EQ(output.At(1, 0).r, 0);
  EXPECT_EQ(output.At(2, 0).r, 255);
}

TEST(ButtonDrawing, CellsOutsideThePictureAreEmpty) {
  Picture source(2, 2);
  source.At(1, 1) = {9, 9, 9, 9};
  const Picture cell = CutCell(source, 1, 1, 2, 2);
  EXPECT_EQ(cell.At(0, 0), (Pixel{9, 9, 9, 9}));
  EXPECT_EQ(cell.At(1, 1), Pixel{});
}

}  // namespace
}  // namespace lumena
