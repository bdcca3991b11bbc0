// The palette as a user meets it: paging through the palettes, a swatch
// that tints the laid hair, the colour dialog of the right button, a swatch
// that gives the brush its colour, and Ctrl+Z taking it all back.
#include <gtest/gtest.h>

#include "e2e/support/looks.h"
#include "interface/main_form_params.h"
#include "work/palette_grid.h"

namespace lumena::e2e {
namespace {

// A point of the laid hair.
constexpr Point kHair = kSampleHair;
constexpr std::string_view kColourDialog = "Choose a colour";

int Red(QRgb c) { return qRed(c); }
int Blue(QRgb c) { return qBlue(c); }

class PaletteTest : public LooksTest {
 protected:
  // The centre of swatch n (from 1) of the default grid, on the screen.
  QPoint Swatch(int n) const {
    const ScreenRect main = screen_.MainWindow();
    const Point at = PointList(kDefaultPaletteBtnShowPos)[static_cast<size_t>(n - 1)];
    return {main.left + kLayerPanelPlace.left + at.x + kSwatchWidth / 2,
            main.top + kLayerPanelPlace.top + at.y + kSwatchHeight / 2};
  }
  bool SwatchShows(int n, QRgb colour) const {
    return WaitUntil(
        [&] { return (screen_.PixelAt(Swatch(n).x(), Swatch(n).y()) & 0xFFFFFFu) == (colour & 0xFFFFFFu); });
  }
  void ClickSwatch(int n, unsigned button = 1) {
    x_.MoveTo(Swatch(n).x(), Swatch(n).y());
    x_.Click(Swatch(n).x(), Swatch(n).y(), button);
  }
  bool HairChangesFrom(QRgb before) {
    return WaitUntil([&] { return !Near(ShownAt(kHair), before); });
  }
};

TEST_F(PaletteTest, AUserTintsTheHairFromThePaletteAndTheDialogPaintsWithASwatchAndUndoes) {
  ASSERT_NO_FATAL_FAILURE(LayTheSampleFace());
  ASSERT_NO_FATAL_FAILURE(LayAHairstyle());
  // The palettes page both ways: natural hair, then fashion hair.
  const bool jetBlack = SwatchShows(1, qRgb(20, 16, 14));
  screen_.Screenshot("palette-first");
  ASSERT_TRUE(jetBlack) << "the first palette's jet black";
  ClickWhenShown("ButtonPaletteNext");
  ASSERT_TRUE(SwatchShows(1, qRgb(255, 160, 205))) << "the next palette's pastel pink";
  ClickWhenShown("ButtonPalettePrev");
  ASSERT_TRUE(SwatchShows(1, qRgb(20, 16, 14))) << "back to the first palette";
  ClickWhenShown("ButtonPaletteNext");
  ASSERT_TRUE(SwatchShows(5, qRgb(30, 90, 255)));
  screen_.Screenshot("palette");

  // Electric blue on the hair.
  const QRgb laid = ShownAt(kHair);
  ClickSwatch(5);
  ASSERT_TRUE(HairChangesFrom(laid)) << "the swatch left the hair as it was";
  const QRgb blue = ShownAt(kHair);
  EXPECT_GT(Blue(blue), Blue(laid) + 30);

  // Green through the colour dialog of the right button, typed as HTML.
  ClickSwatch(1, 3);
  ASSERT_TRUE(WaitForWindowTitled(kColourDialog));
  x_.Key("h", {"Alt_L"});
  x_.Key("a", {"Control_L"});
  x_.Type("#00ff00");
  x_.Key("Return");
  ASSERT_TRUE(WaitUntil([&] { return !screen_.WindowTitled(kColourDialog); })) << "the dialog stayed";
  ASSERT_TRUE(HairChangesFrom(blue));
  const QRgb green = ShownAt(kHair);
  EXPECT_GT(qGreen(green), qGreen(blue) + 30);
  EXPECT_LT(Blue(green), Blue(blue));

  // Pastel pink for the brush, and a stroke across the hair.
  ChooseMode("ButtonBrush");
  ClickSwatch(1);
  // Moves come as fast as the pointer goes and leave separate dabs: the
  // stroke ends on the hair's point, where the last dab lies.
  const QPoint from = OnScreen({kHair.x - 40, kHair.y});
  x_.MoveTo(from.x(), from.y());
  x_.Press(1);
  for (int step = 1; step <= 20; ++step) x_.MoveTo(from.x() + step * 2, from.y());
  x_.Release(1);
  ASSERT_TRUE(HairChangesFrom(green)) << "the stroke left no paint";
  EXPECT_GT(Red(ShownAt(kHair)), Red(green) + 40) << "the stroke is pink under the green tint";
  screen_.Screenshot("palette-painted");

  // Ctrl+Z takes the stroke back, then the dialog's green.
  x_.Key("z", {"Control_L"});
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt(kHair), green); })) << "the stroke stayed";
  x_.Key("z", {"Control_L"});
  ASSERT_TRUE(WaitUntil([&] { return Near(ShownAt(kHair), blue); })) << "the green tint stayed";
}

}  // namespace
}  // namespace lumena::e2e
