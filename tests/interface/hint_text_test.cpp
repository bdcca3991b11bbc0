#include "interface/hint_text.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

TEST(HintText, WordsBeforeTheDelimiterAndTheSoundAfterIt) {
  const HintParts withSound = SplitHint("Open a work@open.wav");
  EXPECT_EQ(withSound.text, "Open a work");
  EXPECT_EQ(withSound.sound, "open.wav");
  const HintParts plain = SplitHint("Open a work");
  EXPECT_EQ(plain.text, "Open a work");
  EXPECT_EQ(plain.sound, std::nullopt);
  EXPECT_EQ(HintSoundPath("/p/Sound", "/p/", "open.wav"), "/p/Sound\\open.wav");
  EXPECT_EQ(HintSoundPath("", "/p/", "open.wav"), "/p/\\open.wav");
}

TEST(HintText, GlowIsFullInTheCentreAndLeavesTheCornersAlone) {
  Picture screen(21, 11);
  for (Pixel& p : screen.Pixels()) p = {10, 10, 10, 255};
  PaintGlow(screen, ColorValue(200, 100, 50));
  EXPECT_EQ(screen.At(10, 5), (Pixel{50, 100, 200, 255}));
  EXPECT_EQ(screen.At(0, 0), (Pixel{10, 10, 10, 255}));
  // x = 15: m = (5/10)^2 = 0.25; red = round(0.75 * 200 + 0.25 * 10) = 152.5 -> 152
  EXPECT_EQ(screen.At(15, 5).r, 152);
}

}  // namespace
}  // namespace lumena
