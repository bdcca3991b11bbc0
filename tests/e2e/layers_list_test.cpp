// The layers list as a user works it: over the adjusted sample portrait with
// a hairstyle laid, the list's button opens it, dragging the hairstyle's
// entry below the portrait's puts it behind the face and back again, a right
// click brings up the layer menu, and the list's hide button hides a layer.
#include "work/layers_list.h"

#include <gtest/gtest.h>

#include "e2e/support/looks.h"
#include "editing/layers_window_layout.h"

namespace lumena::e2e {
namespace {

constexpr Point kHairPoint = kSampleHair;

class LayersListTest : public LooksTest {
 protected:
  ScreenRect OpenTheList() {
    ClickWhenShown("ButtonLayerList");
    std::optional<ShownWindow> shown;
    EXPECT_TRUE(WaitUntil([&] { return (shown = screen_.Window(kLayersWindowLayout)).has_value(); }))
        << "the layers list never showed";
    return shown ? shown->rect : ScreenRect{};
  }

  // The middle of an entry's name, on the screen (inside the list's frame).
  static QPoint Entry(const ScreenRect& window, int row) {
    const ScreenRect list = LumenaScreen::Control(window, kLayersWindowLayout, "PanelList");
    return {list.left + 1 + kThumbnailSide + 40, list.top + 1 + row * kListEntryHeight + kListEntryHeight / 2};
  }

  // Something is drawn over the screen to the right of and below a point.
  bool ChangedBelowRight(const QImage& before, QPoint at) const {
    const QImage now = x_.GrabScreen();
    for (int y = at.y() + 4; y < at.y() + 40; y += 3)
      for (int x = at.x() + 4; x < at.x() + 80; x += 3)
        if (now.pixel(x, y) != before.pixel(x, y)) return true;
    return false;
  }

  QRgb bare_ = 0;
};

TEST_F(LayersListTest, AUserDragsTheHairBehindTheFaceAndBackOpensTheMenuAndHidesTheHair) {
  LayTheSampleFace();
  bare_ = ShownAt(kHairPoint);
  ASSERT_NO_FATAL_FAILURE(LayAHairstyle());
  const QRgb hair = ShownAt(kHairPoint);

  const ScreenRect window = OpenTheList();
  ASSERT_NE(window.width, 0);
  // Entries are drawn once the list is filled: the hair's, then the portrait's.
  ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn({Entry(window, 1).x(), Entry(window, 1).y(), 20, 10}); }));
  screen_.Screenshot("layers-list");

  Drag(Entry(window, 0), Entry(window, 1));
  EXPECT_TRUE(WaitUntil([&] { return Near(ShownAt(kHairPoint), bare_); })) << "the hair stayed in front of the face";
  screen_.Screenshot("layers-list-hair-behind");
  Drag(Entry(window, 1), Entry(window, 0));
  EXPECT_TRUE(WaitUntil([&] { return Near(ShownAt(kHairPoint), hair); })) << "the hair did not come back";

  // A right click on the portrait's entry brings up the layer menu; Escape
  // closes it and the hair stays the active layer.
  const QPoint portrait = Entry(window, 1);
  x_.MoveTo(portrait.x(), portrait.y());
  const QImage before = x_.GrabScreen();
  x_.Click(portrait.x(), portrait.y(), 3);
  EXPECT_TRUE(WaitUntil([&] { return ChangedBelowRight(before, portrait); })) << "no menu showed";
  screen_.Screenshot("layers-list-menu");
  x_.Key("Escape");
  EXPECT_TRUE(WaitUntil([&] { return !ChangedBelowRight(before, portrait); })) << "the menu stayed";

  // The list's hide button hides the active layer: the hair.
  screen_.ClickControl(window, kLayersWindowLayout, "ButtonLayerHide");
  EXPECT_TRUE(WaitUntil([&] { return Near(ShownAt(kHairPoint), bare_); })) << "the hair still shows";
  screen_.Screenshot("layers-list-hair-hidden");
}

}  // namespace
}  // namespace lumena::e2e
