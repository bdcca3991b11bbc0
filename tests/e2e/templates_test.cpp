// Trying looks on as a user does: a template-type button of the strip opens
// the templates window, a click in its grid lays the look on the adjusted
// portrait, a slider recolours it and the Delete key takes it off; the
// command-line try-on makes the same work from the same choices.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/support/looks.h"

namespace lumena::e2e {
namespace {

namespace fs = std::filesystem;

// The strip's order: hairstyles first, lips fourth, glasses eighth.
constexpr size_t kHair = 0, kLips = 3, kGlasses = 7;
// The other eye lies 89 pixels to the right of the face anchor.
constexpr Point kEye = kSampleEye;

class TemplatesTest : public LooksTest {
 protected:
  // Waits until a point of the desk shows another colour than `before`.
  bool ChangesFrom(Point table, QRgb before) {
    return WaitUntil([&] { return !Near(ShownAt(table), before); });
  }
};

TEST_F(TemplatesTest, AUserTriesOnHairGlassesAndLipstickRecoloursTheHairAndTakesTheGlassesOff) {
  LayTheSampleFace();
  const Point hairPoint{kEye.x + 44, kEye.y - 130}, mouth{kEye.x + 44, kEye.y + 71};
  const QRgb bareHair = ShownAt(hairPoint), bareEye = ShownAt(kEye), bareMouth = ShownAt(mouth);

  ScreenRect window = OpenType(kHair);
  screen_.Screenshot("templates-window");
  ChooseCell(window, 1);
  ASSERT_TRUE(ChangesFrom(hairPoint, bareHair)) << "no hair was laid";
  window = OpenType(kGlasses);
  ChooseCell(window, 1);
  ASSERT_TRUE(ChangesFrom(kEye, bareEye)) << "no glasses were laid";
  window = OpenType(kLips);
  ChooseCell(window, 1);
  ASSERT_TRUE(ChangesFrom(mouth, bareMouth)) << "no lipstick was laid";
  screen_.Screenshot("templates-three-looks");
  screen_.ClickControl(window, kTemplatesWindowLayout, "ButtonExit");
  ASSERT_TRUE(WaitUntil([&] { return !screen_.Window(kTemplatesWindowLayout); }));

  // The hair, chosen on the desk, turns another colour by the hue slider.
  ChooseMode("ButtonActions");
  ClickAt(hairPoint);
  ChooseMode("ButtonColoration");
  const QRgb laidHair = ShownAt(hairPoint);
  const ScreenRect hue = LumenaScreen::Control(screen_.MainWindow(), kMainWindowLayout, "SliderHue");
  ASSERT_TRUE(WaitUntil([&] { return screen_.Drawn(hue); })) << "the hue slider never showed";
  Drag({hue.CentreX(), hue.CentreY()}, {hue.CentreX() + 45, hue.CentreY()});
  ASSERT_TRUE(ChangesFrom(hairPoint, laidHair)) << "the hair kept its colour";

  // The glasses, chosen on the desk, go with the Delete key.
  const QRgb withGlasses = ShownAt(kEye);
  ChooseMode("ButtonActions");
  ClickAt(kEye);
  x_.Key("Delete");
  screen_.ClickControl(WaitForMessage(), kMessageWindowLayout, "ButtonYes");
  ASSERT_TRUE(ChangesFrom(kEye, withGlasses)) << "the glasses stayed";
  EXPECT_TRUE(WaitUntil([&] { return Near(ShownAt(kEye), bareEye); })) << "the eye does not show bare again";
  screen_.Screenshot("templates-hair-recoloured-glasses-off");
  ReadBackTheWork();
  ASSERT_EQ(saved_.Count(), 3) << "the portrait, the hair and the lips";

  // The same choices from the command line make the same layers.
  std::string templates;
  for (int i = 0; i < saved_.Count(); ++i)
    if (&saved_.Layer(i) != saved_.PortraitLayer())
      templates +=
          " " + fs::path(saved_.Layer(i).SourcePath().substr(saved_.Layer(i).SourcePath().rfind('\\') + 1)).string();
  const fs::path tried = run_.Home() / "tried.lmu";
  const std::string command = std::string(LUMENA_TOOL_PATH) + " try-on " + LUMENA_SAMPLE_PORTRAIT + templates + " -o " +
                              tried.string() + " --program-folder " + run_.ProgramFolder().string();
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  DeskObserver observer;
  TWorkDesk tool{observer, geometry_};
  PlacementAnchors toolAnchors;
  ReadWorkFile(tried, tool, toolAnchors);
  EXPECT_EQ(toolAnchors.face, anchors_.face);
  ASSERT_EQ(tool.Count(), saved_.Count());
  for (int i = 0; i < tool.Count(); ++i) {
    const TLayer& a = saved_.Layer(i);
    const TLayer& b = tool.Layer(i);
    EXPECT_EQ(b.DisplayName(), a.DisplayName());
    EXPECT_EQ(b.TemplateType(), a.TemplateType());
    EXPECT_EQ(b.Depth(), a.Depth());
    EXPECT_EQ(b.TableRect(), a.TableRect()) << a.DisplayName();
  }
}

}  // namespace
}  // namespace lumena::e2e
