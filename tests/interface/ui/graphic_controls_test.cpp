#include <gtest/gtest.h>

#include <QTest>

#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/graphic_slider.h"
#include "interface/ui/picture_control.h"
#include "interface/ui/skinned_form.h"

namespace lumena {
namespace {

// Three 40 x 40 cells in a row (normal, hover, pressed), each an opaque
// disc of radius 18 on a transparent ground.
Picture roundPicture() {
  Picture picture(120, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      const int dx = x % 40 - 20, dy = y - 20;
      picture.at(x, y) = {200, 100, 50, static_cast<uint8_t>(dx * dx + dy * dy <= 18 * 18 ? 255 : 0)};
    }
  return picture;
}

class ButtonTest : public ::testing::Test {
 protected:
  ButtonTest() : images(&parent, "ImageButtons"), button(&parent, "Button") {
    parent.resize(100, 100);
    images.setPicture(roundPicture());
    button.Resource.SetImage(&images);
    button.Resource.SetCells(0, 0, 40, 40, 1, 3);
    button.setGeometry(10, 10, 40, 40);
    button.OnClick = [this] { ++clicks; };
    parent.show();
  }
  QWidget parent;
  TPictureControl images;
  TGraphicButton button;
  int clicks = 0;
};

TEST_F(ButtonTest, ActiveAlphaMakesOnlyTheOpaqueDiscClickable) {
  button.SetActiveAlpha(128);
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(1, 1));
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(38, 38));
  EXPECT_EQ(clicks, 0) << "the transparent corners do nothing";
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, 20));
  EXPECT_EQ(clicks, 2);
  button.SetActiveAlpha(0);
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(1, 1));
  EXPECT_EQ(clicks, 3) << "with 0 the whole rectangle is active";
}

TEST_F(ButtonTest, WithoutAPictureAButtonNeverClicks) {
  button.Resource.SetImage(nullptr);
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, TransparencyOutOfRangeIsRefusedWithItsMessage) {
  try {
    button.SetTransparency(101);
    FAIL() << "no error";
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "Trasparency value (101) is out of range [0..100]");
  }
  EXPECT_EQ(button.Transparency(), 1);
  EXPECT_THROW(button.SetTransparency(-1), std::out_of_range);
  button.SetActiveAlpha(300);
  EXPECT_EQ(button.ActiveAlpha(), 255);
}

TEST_F(ButtonTest, TransparencyZeroShowsTheCellOpaqueEvenWhereItIsTransparent) {
  button.SetTransparency(0);
  const Picture output = button.RenderOutput();
  EXPECT_EQ(output.at(0, 0).r, 50) << "the corner's colour although its opacity is 0";
}

TEST_F(ButtonTest, BlendingShowsWhatLiesBeneath) {
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(0, 0, 255));
  parent.setPalette(palette);
  parent.setAutoFillBackground(true);
  button.InvalidateBackground();
  const Picture output = button.RenderOutput();
  EXPECT_EQ(output.at(0, 0), (Pixel{255, 0, 0, 255})) << "the parent's blue shows at the transparent corner";
  EXPECT_EQ(output.at(20, 20).r, 50);
}

TEST_F(ButtonTest, CellsFollowTheMouse) {
  images.setPicture(Picture(120, 40));
  button.Resource.SetCells(0, 0, 40, 40, 1, 3);
  button.Resource.AutoEnter = 1;
  button.Resource.AutoPressed = 2;
  button.Resource.AutoLeave = 0;
  QTest::mouseMove(&button, QPoint(20, 20));
  EXPECT_EQ(button.Resource.Index, 1);
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(button.Resource.Index, 2);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(button.Resource.Index, 1);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_EQ(button.Resource.Index, 0);
}

class SliderTest : public ::testing::Test {
 protected:
  SliderTest() : images(&parent, "ImageButtons"), slider(&parent, "Slider"), thumb(&parent, "Thumb") {
    parent.resize(200, 50);
    images.setPicture(Picture(120, 30));
    for (Pixel& p : const_cast<Picture&>(images.picture()).pixels()) p.a = 255;
    slider.Resource.SetImage(&images);
    slider.Resource.SetCells(0, 0, 100, 10, 1, 1);
    slider.setGeometry(0, 0, 120, 20);
    slider.ResImageLeft = 10;
    slider.BeginOffset = 5;
    slider.EndOffset = 5;
    thumb.Resource.SetImage(&images);
    thumb.Resource.SetCells(100, 0, 10, 20, 1, 2);
    thumb.resize(10, 20);
    slider.SetSlideButton(&thumb);
    slider.OnChange = [this] { ++changes; };
    parent.show();
  }
  QWidget parent;
  TPictureControl images;
  TGraphicSlider slider;
  TGraphicButton thumb;
  int changes = 0;
};

TEST_F(SliderTest, ValueBeyondMaxStoresMaxAndChangesOnce) {
  slider.SetValue(150);
  EXPECT_EQ(slider.Value(), 100);
  EXPECT_EQ(changes, 1);
  slider.SetAllValues(0, 50, 80);
  EXPECT_EQ(slider.Value(), 50);
  EXPECT_EQ(changes, 2);
  slider.SetAllValues(0, 50, 50);
  EXPECT_EQ(changes, 2) << "nothing differs";
}

TEST_F(SliderTest, DraggingPastTheEndKeepsTheLastValueInsideTheTrack) {
  QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(60, 5));
  EXPECT_EQ(slider.Value(), 50);
  QTest::mouseMove(&slider, QPoint(101, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(101, 5), slider.mapToGlobal(QPointF(101, 5)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&slider, &move);
  EXPECT_EQ(slider.Value(), 96);
  QMouseEvent past(QEvent::MouseMove, QPointF(115, 5), slider.mapToGlobal(QPointF(115, 5)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&slider, &past);
  EXPECT_EQ(slider.Value(), 96) << "not Max";
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(115, 5));
  EXPECT_FALSE(slider.dragging());
}

TEST_F(SliderTest, ReversedAndEmptyRangesPutTheThumbAtTheEnds) {
  slider.SetAllValues(3, 3, 3);
  EXPECT_EQ(slider.ValuePix(), 15);
  slider.Reversed = true;
  EXPECT_EQ(slider.ValuePix(), 105);
  slider.SetAllValues(0, 100, 100);
  EXPECT_EQ(slider.ValuePix(), 15);
}

TEST(CaptionBar, TextStartsAfterLeftControlsAndBeforeRightOnes) {
  TCaptionBar bar;
  bar.resize(200, 19);
  TGraphicButton close(&bar, "ButtonExit");
  close.setGeometry(173, 0, 19, 20);
  EXPECT_EQ(bar.textX(50), 2) << "nothing in the left half";
  bar.setAlignment(Qt::AlignRight);
  EXPECT_EQ(bar.textX(50), 173 - 50 - 2);
  TGraphicButton icon(&bar, "Icon");
  icon.setGeometry(0, 0, 20, 19);
  bar.setAlignment(Qt::AlignHCenter);
  EXPECT_EQ(bar.textX(51), 20 + 153 / 2 - 25);
}

}  // namespace
}  // namespace lumena

#include <QMediaPlayer>

#include "interface/ui/sound_hint.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

TEST(SoundHint, ShowsTheWordsAndPlaysTheSoundFromTheSoundFolder) {
  testing::TempFolder program;
  const auto wave = program.write("Sound/Open.wav", "RIFF");
  TSoundHint hint;
  hint.ProgramFolder = QString::fromStdString(program.path().string());
  hint.PathForWave = QString::fromStdString(program.path().string() + "/sound\\");
  EXPECT_EQ(hint.SoundFileOf("Open a work@open.WAV"), QString::fromStdString(wave.string()))
      << "names compare without regard to case";
  EXPECT_EQ(hint.SoundFileOf("Open a work"), std::nullopt);
  hint.ShowHint("Open a work@Open.wav", QPoint(100, 100));
  EXPECT_EQ(hint.window()->text(), "Open a work");
  EXPECT_TRUE(hint.window()->isVisible());
  EXPECT_EQ(hint.player()->source(), QUrl::fromLocalFile(QString::fromStdString(wave.string())));
  hint.HideHint();
  hint.SoundEnabled = false;
  hint.player()->setSource({});
  hint.ShowHint("Words only@Open.wav", QPoint(100, 100));
  EXPECT_EQ(hint.window()->text(), "Words only");
  EXPECT_TRUE(hint.player()->source().isEmpty()) << "sounds off";
}

}  // namespace
}  // namespace lumena

#include "interface/interface_info.h"
#include "interface/ui/apply_interface_info.h"

namespace lumena {
namespace {

TEST(GraphicControlsInterface, DescriptionSetsCellsOffsetsAndActiveAlpha) {
  QWidget window;
  window.setObjectName("FormSetup");
  TGraphicButton button(&window, "ButtonOK");
  TGraphicSlider slider(&window, "SliderVolume");
  TOrvInterfaceInfo info;
  info.Loaded = true;
  info.Params = {{"FORMSETUP", "BUTTONOK", "RESLEFT", "30"},     {"FORMSETUP", "BUTTONOK", "WIDTH", "25"},
                 {"FORMSETUP", "BUTTONOK", "ACTIVEALPHA", "999"}, {"FORMSETUP", "SLIDERVOLUME", "RESWIDTH", "80"},
                 {"FORMSETUP", "SLIDERVOLUME", "BEGINOFFSET", "4"}, {"FORMSETUP", "SLIDERVOLUME", "REVERSED", "true"},
                 {"FORMSETUP", "SLIDERVOLUME", "SLIDEBTNTOP", "$10"}};
  ApplyInterfaceInfo(&window, info, nullptr);
  EXPECT_EQ(button.Resource.Left, 30);
  EXPECT_EQ(button.ActiveAlpha(), 255);
  EXPECT_EQ(button.Resource.Width, 25) << "a plain button's cell takes its own size";
  EXPECT_EQ(slider.Resource.Width, 80) << "a slider keeps its cell width";
  EXPECT_EQ(slider.BeginOffset, 4);
  EXPECT_TRUE(slider.Reversed);
  EXPECT_EQ(slider.SlideBtnTop, 16);
}

}  // namespace
}  // namespace lumena

namespace lumena {
namespace {

TEST(CaptionBar, DraggingMovesAnEmbeddedWindowWithinItsParent) {
  QWidget backdrop;
  backdrop.resize(800, 600);
  TSkinnedForm embedded("FormMain", &backdrop, TSkinnedForm::Kind::Embedded);
  embedded.setGeometry(100, 100, 300, 200);
  TCaptionBar bar(&embedded);
  bar.setGeometry(0, 0, 300, 19);
  backdrop.show();
  const QPoint backdropAt = backdrop.pos();
  QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(50, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(80, 25), bar.mapToGlobal(QPointF(80, 25)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&bar, &move);
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(80, 25));
  EXPECT_EQ(embedded.pos(), QPoint(130, 120));
  EXPECT_EQ(backdrop.pos(), backdropAt) << "the backdrop stays";
}

}  // namespace
}  // namespace lumena
