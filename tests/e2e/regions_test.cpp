// A hairstyle's regions as a user works them: the regions window chooses a
// region for the colour sliders, and the region editor changes it only
// through OK; deleting the layer under an open editor closes it.
#include <gtest/gtest.h>

#include "e2e/support/looks.h"
#include "editing/region_edit_window_layout.h"

namespace lumena::e2e {
namespace {

constexpr Point kEye = kSampleEye, kHair = kSampleHair;
// Portrait points well away from the hair.
constexpr Point kAway[] = {{kEye.x + 44, kEye.y + 71}, {kEye.x + 44, kEye.y + 20}, {kEye.x - 10, kEye.y + 40}};

class RegionsTest : public LooksTest {
 protected:
  // Opens the regions window from the layer commands.
  ScreenRect OpenRegions() {
    ChooseMode("ButtonActions");
    ClickWhenShown("ButtonLayerRegions");
    std::optional<ShownWindow> shown;
    EXPECT_TRUE(WaitUntil([&] { return (shown = screen_.Window(kRegionsWindowLayout)).has_value(); }))
        << "the regions window never showed";
    EXPECT_TRUE(shown && WaitUntil([&] { return screen_.Drawn(shown->rect); }));
    return shown ? shown->rect : ScreenRect{};
  }
  // Clicks an entry and waits until it is drawn selected (navy).
  void ChooseEntry(const ScreenRect& regions, int entry) {
    const QPoint p = EntryCentre(regions, entry);
    x_.MoveTo(p.x(), p.y());
    x_.Click(p.x(), p.y());
    const ScreenRect list = LumenaScreen::Control(regions, kRegionsWindowLayout, "ListBox");
    EXPECT_TRUE(WaitUntil([&] { return Near(screen_.PixelAt(list.left + list.width - 8, p.y()), 0x000080); }))
        << "entry " << entry << " was not chosen";
  }
  QPoint EntryCentre(const ScreenRect& regions, int entry) const {
    const ScreenRect list = LumenaScreen::Control(regions, kRegionsWindowLayout, "ListBox");
    return {list.left + list.width / 2, list.top + entry * kRegionsItemHeight + kRegionsItemHeight / 2};
  }
  QImage ListShown(const ScreenRect& regions) const {
    const ScreenRect list = LumenaScreen::Control(regions, kRegionsWindowLayout, "ListBox");
    return x_.GrabScreen().copy(list.left, list.top, list.width, list.height);
  }
  ScreenRect OpenEditor(const ScreenRect& regions, int entry) {
    const QPoint p = EntryCentre(regions, entry);
    x_.MoveTo(p.x(), p.y());
    x_.Click(p.x(), p.y());
    x_.Click(p.x(), p.y());
    std::optional<ShownWindow> shown;
    EXPECT_TRUE(WaitUntil([&] { return (shown = screen_.Window(kRegionEditWindowLayout)).has_value(); }))
        << "the editor never showed";
    return shown ? shown->rect : ScreenRect{};
  }
  // A colour click in the middle of the picture and a lasso beside it.
  void ClickAndLasso(const ScreenRect& editor) {
    const ScreenRect box = LumenaScreen::Control(editor, kRegionEditWindowLayout, "ScrollBox");
    ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn(box); }));
    x_.MoveTo(box.CentreX(), box.CentreY());
    x_.Click(box.CentreX(), box.CentreY());
    screen_.ClickControl(editor, kRegionEditWindowLayout, "ButtonLasso");
    Drag({box.CentreX() - 60, box.CentreY() - 60}, {box.CentreX() + 40, box.CentreY() + 50});
  }
  std::vector<QRgb> Desk() const {
    std::vector<QRgb> shown{ShownAt(kHair)};
    for (const Point p : kAway) shown.push_back(ShownAt(p));
    return shown;
  }
  // The desk around the hair, on the screen.
  QImage HairShown() const {
    const QPoint p = OnScreen(kHair);
    return x_.GrabScreen().copy(p.x() - 120, p.y() - 60, 240, 240);
  }
  bool EditorGone() const { return !screen_.Window(kRegionEditWindowLayout); }
};

TEST_F(RegionsTest, ARegionIsRecolouredAloneAndEditedOnlyThroughOK) {
  LayTheSampleFace();
  LayAHairstyle();
  ScreenRect regions = OpenRegions();
  ChooseEntry(regions, 1);
  screen_.Screenshot("regions-window");
  // The list stays open beside the colour sliders.
  ChooseMode("ButtonColoration");

  // The hue slider now moves region 1 (the hair) alone.
  const std::vector<QRgb> laid = Desk();
  const ScreenRect hue = LumenaScreen::Control(screen_.MainWindow(), kMainWindowLayout, "SliderHue");
  ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn(hue); })) << "the hue slider never showed";
  Drag({hue.CentreX(), hue.CentreY()}, {hue.CentreX() + 45, hue.CentreY()});
  ASSERT_TRUE(WaitUntil([&] { return !Near(ShownAt(kHair), laid[0]); })) << "the region kept its colour";
  for (size_t i = 1; i < laid.size(); ++i) EXPECT_TRUE(Near(Desk()[i], laid[i])) << "the portrait changed at " << i;
  screen_.Screenshot("regions-window-hue");

  // Cancel: neither the desk nor the thumbnails change.
  const std::vector<QRgb> recoloured = Desk();
  const QImage hair = HairShown();
  const QImage thumbnails = ListShown(regions);
  ScreenRect editor = OpenEditor(regions, 1);
  ClickAndLasso(editor);
  screen_.Screenshot("region-editor");
  screen_.ClickControl(editor, kRegionEditWindowLayout, "ButtonCancel");
  ASSERT_TRUE(WaitUntil([&] { return EditorGone(); }));
  EXPECT_EQ(Desk(), recoloured);
  EXPECT_TRUE(HairShown() == hair) << "the desk changed";
  EXPECT_TRUE(ListShown(regions) == thumbnails) << "the thumbnails changed";

  // OK: the thumbnails and the desk follow.
  editor = OpenEditor(regions, 1);
  ClickAndLasso(editor);
  screen_.ClickControl(editor, kRegionEditWindowLayout, "ButtonOK");
  ASSERT_TRUE(WaitUntil([&] { return EditorGone(); }));
  EXPECT_TRUE(WaitUntil([&] { return ListShown(regions) != thumbnails; })) << "the thumbnails stayed";
  EXPECT_TRUE(WaitUntil([&] { return HairShown() != hair; })) << "the desk stayed";
  screen_.Screenshot("regions-window-after-ok");
}

TEST_F(RegionsTest, DeletingTheLayerUnderAnOpenEditorClosesIt) {
  LayTheSampleFace();
  const QRgb bare = ShownAt(kHair);
  LayAHairstyle();
  const ScreenRect regions = OpenRegions();
  ChooseEntry(regions, 1);
  const ScreenRect editor = OpenEditor(regions, 1);
  ClickAndLasso(editor);
  x_.Key("Delete");
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");
  EXPECT_TRUE(WaitUntil([&] { return EditorGone(); })) << "the editor stayed on a deleted layer";
  EXPECT_TRUE(WaitUntil([&] { return Near(ShownAt(kHair), bare); })) << "the hair stayed";
  EXPECT_TRUE(screen_.MainWindowShown());
  EXPECT_TRUE(screen_.Window(kRegionsWindowLayout).has_value()) << "the regions window follows the portrait";
}

}  // namespace
}  // namespace lumena::e2e
