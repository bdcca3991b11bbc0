#include "work/colouring.h"

#include <gtest/gtest.h>

#include "work/colouring_pipeline.h"
#include "work/hsv.h"

namespace lumena {
namespace {

Pixel Rgb(int r, int g, int b, int a = 255) {
  return {static_cast<uint8_t>(b), static_cast<uint8_t>(g), static_cast<uint8_t>(r), static_cast<uint8_t>(a)};
}

// Colours one pixel with the layer's parameters alone.
Pixel ColourOne(Pixel p, const ColourParameters& params, const Picture* work = nullptr) {
  Picture picture(1, 1);
  picture.At(0, 0) = p;
  TMask mask;
  ColourRendering(picture, {params, mask, work ? *work : picture, {0, 0, 1, 1}, 1.0});
  return picture.At(0, 0);
}

struct ColourCase {
  const char* what;
  Pixel in;
  ColourParameters params;
  Pixel expected;
};

ColourParameters With(void (*set)(ColourParameters&)) {
  ColourParameters p;
  set(p);
  return p;
}

TEST(Colouring, ExamplesOfEachStep) {
  const ColourCase cases[] = {
      // Value 39 % comes back as Round(0.39 * 255) = 99: grey, in whole percent.
      {"grey stays grey under a hue shift", Rgb(100, 100, 100), With([](ColourParameters& p) { p.Hue = 150; }),
       Rgb(99, 99, 99)},
      {"+120 degrees turns red green", Rgb(255, 0, 0), With([](ColourParameters& p) { p.Hue = 220; }), Rgb(0, 255, 0)},
      {"Red 100 scales by 255/128", Rgb(100, 7, 9), With([](ColourParameters& p) { p.Red = 100; }), Rgb(199, 7, 9)},
      {"Red 100 caps at 255 from 129", Rgb(129, 7, 9), With([](ColourParameters& p) { p.Red = 100; }), Rgb(255, 7, 9)},
      {"Red 0 clears red", Rgb(200, 7, 9), With([](ColourParameters& p) { p.Red = 0; }), Rgb(0, 7, 9)},
      {"Green 100 leaves red and blue", Rgb(10, 60, 20), With([](ColourParameters& p) { p.Green = 100; }),
       Rgb(10, 119, 20)},
      {"neutral changes nothing", Rgb(1, 2, 3), ColourParameters{}, Rgb(1, 2, 3)},
      {"half transparent pixels are coloured", Rgb(200, 7, 9, 128), With([](ColourParameters& p) { p.Red = 0; }),
       Rgb(0, 7, 9, 128)},
      {"tint mixes 140 and 115", Rgb(0, 100, 255), With([](ColourParameters& p) { p.Color = 0x0000FF; }),
       Rgb((0 * 140 + 255 * 115) >> 8, (100 * 140) >> 8, (255 * 140) >> 8)},
      {"saturation 0 gives grey of the value", Rgb(200, 100, 50), With([](ColourParameters& p) { p.Saturation = 0; }),
       Rgb(199, 199, 199)},
      {"brightness 200 saturates the value", Rgb(200, 100, 50), With([](ColourParameters& p) { p.Brightness = 200; }),
       Rgb(255, 127, 63)},
  };
  for (const ColourCase& c : cases) EXPECT_EQ(ColourOne(c.in, c.params), c.expected) << c.what;
}

TEST(Colouring, ContrastAboutTheMeanLuminance) {
  // Mean luminance of one pixel (r 200, g 100, b 50): (50*30 + 100*59 + 200*11) / 100 = 96.
  Picture work(1, 1);
  work.At(0, 0) = Rgb(200, 100, 50);
  EXPECT_EQ(MeanLuminance(work), 96);
  ColourParameters zero;
  zero.Contrast = 0;
  EXPECT_EQ(ColourOne(Rgb(200, 100, 50), zero, &work), Rgb(96, 96, 96));
  ColourParameters doubled;
  doubled.Contrast = 200;
  EXPECT_EQ(ColourOne(Rgb(200, 100, 50), doubled, &work), Rgb(255, 104, 4));
  EXPECT_EQ(ApplyContrast(Rgb(10, 96, 150), 200, 96), Rgb(0, 96, 204));
}

TEST(Colouring, MeanLuminanceWeighsBlueThirtyAndSkipsTransparentPixels) {
  Picture picture(3, 1);
  picture.At(0, 0) = Rgb(0, 0, 100);  // blue 100 -> 30
  picture.At(1, 0) = Rgb(100, 0, 0);  // red 100 -> 11
  picture.At(2, 0) = Rgb(255, 255, 255, 0);
  EXPECT_EQ(MeanLuminance(picture), 20) << "(30 + 11) / 2 = 20.5 rounds to even";
  EXPECT_EQ(MeanLuminance(Picture(2, 2)), 0);
}

TEST(Colouring, TransparentPixelsAreUntouched) {
  ColourParameters all;
  all.Color = 0x123456;
  all.Red = 90;
  all.Hue = 30;
  all.Contrast = 10;
  EXPECT_EQ(ColourOne(Rgb(10, 20, 30, 0), all), Rgb(10, 20, 30, 0));
}

TEST(Hsv, ConversionsRoundGreyAndTruncateColours) {
  EXPECT_EQ(RGBtoHSV(Rgb(100, 100, 100)), (HsvColour{0, 0, 39, 255}));
  EXPECT_EQ(RGBtoHSV(Rgb(255, 0, 0, 7)), (HsvColour{0, 100, 100, 7}));
  EXPECT_EQ(RGBtoHSV(Rgb(0, 255, 0)), (HsvColour{120, 100, 100, 255}));
  EXPECT_EQ(RGBtoHSV(Rgb(200, 200, 0)).h, 60) << "red wins the tie with green";
  EXPECT_EQ(RGBtoHSV(Rgb(255, 0, 1)).h, 360) << "just below a full turn";
  EXPECT_EQ(HSVtoRGB(0, 0, 50, 9), Rgb(128, 128, 128, 9)) << "127.5 rounds to even";
  EXPECT_EQ(HSVtoRGB(-240, 100, 100, 255), Rgb(0, 255, 0));
  EXPECT_EQ(HSVtoRGB(30, 150, -5, 255), Rgb(0, 0, 0)) << "clamped saturation and value";
  EXPECT_EQ(HSVtoRGB(30, 50, 50, 255), Rgb(127, 95, 63));
}

TEST(Colouring, ChannelScaleAndTintByteArithmetic) {
  EXPECT_EQ(ChannelFactor(50), 127);
  EXPECT_EQ(ScaleChannel(128, 255), 255);
  EXPECT_EQ(ScaleChannel(100, 127), 99) << "50 is not exactly neutral, hence the skip";
  Pixel p = Rgb(255, 255, 255);
  Tint(p, 0);
  EXPECT_EQ(p, Rgb(139, 139, 139));
}

}  // namespace
}  // namespace lumena
