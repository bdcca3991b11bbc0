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
Picture RoundPicture() {
  Picture picture(120, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      const int dx = x % 40 - 20, dy = y - 20;
      picture.At(x, y) = {200, 100, 50, static_cast<uint8_t>(dx * dx + dy * dy <= 18 * 18 ? 255 : 0)};
    }
  return picture;
}

class ButtonTest : public ::testing::Test {
 protected:
  ButtonTest() : images_(&parent_, "ImageButtons"), button_(&parent_, "Button") {
    parent_.resize(100, 100);
    images_.SetPicture(RoundPicture());
    button_.Resource.SetImage(&images_);
    button_.Resource.SetCells(0, 0, 40, 40, 1, 3);
    button_.setGeometry(10, 10, 40, 40);
    button_.OnClick = [this] { ++clicks_; };
    parent_.show();
  }
  QWidget parent_;
  TPictureControl images_;
  TGraphicButton button_;
  int clicks_ = 0;
};

TEST_F(ButtonTest, ActiveAlphaMakesOnlyTheOpaqueDiscClickable) {
  button_.SetActiveAlpha(128);
  QTest::mouseClick(&button_, Qt::LeftButton, {}, QPoint(1, 1));
  QTest::mouseClick(&button_, Qt::LeftButton, {}, QPoint(38, 38));
  EXPECT_EQ(clicks_, 0) << "the transparent corners do nothing";
  QTest::mouseClick(&button_, Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseClick(&button_, Qt::LeftButton, {}, QPoint(8, 20));
  EXPECT_EQ(clicks_, 2);
  button_.SetActiveAlpha(0);
  QTest::mouseClick(&button_, Qt::LeftButton, {}, QPoint(1, 1));
  EXPECT_EQ(clicks_, 3) << "with 0 the whole rectangle is active";
}

TEST_F(ButtonTest, WithoutAPictureAButtonNeverClicks) {
  button_.Resource.SetImage(nullptr);
  QTest::mouseClick(&button_, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(clicks_, 0);
}

TEST_F(ButtonTest, TransparencyOutOfRangeIsRefusedWithItsMessage) {
  try {
    button_.SetTransparency(101);
    FAIL() << "no error";
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "Trasparency value (101) is out of range [0..100]");
  }
  EXPECT_EQ(button_.Transparency(), 1);
  EXPECT_THROW(button_.SetTransparency(-1), std::out_of_range);
  button_.SetActiveAlpha(300);
  EXPECT_EQ(button_.ActiveAlpha(), 255);
}

TEST_F(ButtonTest, TransparencyZeroShowsTheCellOpaqueEvenWhereItIsTransparent) {
  button_.SetTransparency(0);
  const Picture output = button_.RenderOutput();
  EXPECT_EQ(output.At(0, 0).r, 50) << "the corner's colour although its opacity is 0";
}

TEST_F(ButtonTest, BlendingShowsWhatLiesBeneath) {
  QPalette palette = parent_.palette();
  palette.setColor(QPalette::Window, QColor(0, 0, 255));
  parent_.setPalette(palette);
  parent_.setAutoFillBackground(true);
  button_.InvalidateBackground();
  const Picture output = button_.RenderOutput();
  EXPECT_EQ(output.At(0, 0), (Pixel{255, 0, 0, 255})) << "the parent's blue shows at the transparent corner";
  EXPECT_EQ(output.At(20, 20).r, 50);
}

TEST_F(ButtonTest, CellsFollowTheMouse) {
  images_.SetPicture(Picture(120, 40));
  button_.Resource.SetCells(0, 0, 40, 40, 1, 3);
  button_.Resource.AutoEnter = 1;
  button_.Resource.AutoPressed = 2;
  button_.Resource.AutoLeave = 0;
  QTest::mouseMove(&button_, QPoint(20, 20));
  EXPECT_EQ(button_.Resource.Index, 1);
  QTest::mousePress(&button_, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(button_.Resource.Index, 2);
  QTest::mouseRelease(&button_, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(button_.Resource.Index, 1);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button_, &leave);
  EXPECT_EQ(button_.Resource.Index, 0);
}

class SliderTest : public ::testing::Test {
 protected:
  SliderTest() : images_(&parent_, "ImageButtons"), slider_(&parent_, "Slider"), thumb_(&parent_, "Thumb") {
    parent_.resize(200, 50);
    images_.SetPicture(Picture(120, 30));
    for (Pixel& p : const_cast<Picture&>(images_.GetPicture()).Pixels()) p.a = 255;
    slider_.Resource.SetImage(&images_);
    slider_.Resource.SetCells(0, 0, 100, 10, 1, 1);
    slider_.setGeometry(0, 0, 120, 20);
    slider_.ResImageLeft = 10;
    slider_.BeginOffset = 5;
    slider_.EndOffset = 5;
    thumb_.Resource.SetImage(&images_);
    thumb_.Resource.SetCells(100, 0, 10, 20, 1, 2);
    thumb_.resize(10, 20);
    slider_.SetSlideButton(&thumb_);
    slider_.OnChange = [this] { ++changes_; };
    parent_.show();
  }
  QWidget parent_;
  TPictureControl images_;
  TGraphicSlider slider_;
  TGraphicButton thumb_;
  int changes_ = 0;
};

TEST_F(SliderTest, ValueBeyondMaxStoresMaxAndChangesOnce) {
  slider_.SetValue(150);
  EXPECT_EQ(slider_.Value(), 100);
  EXPECT_EQ(changes_, 1);
  slider_.SetAllValues(0, 50, 80);
  EXPECT_EQ(slider_.Value(), 50);
  EXPECT_EQ(changes_, 2);
  slider_.SetAllValues(0, 50, 50);
  EXPECT_EQ(changes_, 2) << "nothing differs";
}

TEST_F(SliderTest, DraggingPastTheEndKeepsTheLastValueInsideTheTrack) {
  QTest::mousePress(&slider_, Qt::LeftButton, {}, QPoint(60, 5));
  EXPECT_EQ(slider_.Value(), 50);
  QTest::mouseMove(&slider_, QPoint(101, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(101, 5), slider_.mapToGlobal(QPointF(101, 5)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&slider_, &move);
  EXPECT_EQ(slider_.Value(), 96);
  QMouseEvent past(QEvent::MouseMove, QPointF(115, 5), slider_.mapToGlobal(QPointF(115, 5)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&slider_, &past);
  EXPECT_EQ(slider_.Value(), 96) << "not Max";
  QTest::mouseRelease(&slider_, Qt::LeftButton, {}, QPoint(115, 5));
  EXPECT_FALSE(slider_.Dragging());
}

TEST_F(SliderTest, ReversedAndEmptyRangesPutTheThumbAtTheEnds) {
  slider_.SetAllValues(3, 3, 3);
  EXPECT_EQ(slider_.ValuePix(), 15);
  slider_.Reversed = true;
  EXPECT_EQ(slider_.ValuePix(), 105);
  slider_.SetAllValues(0, 100, 100);
  EXPECT_EQ(slider_.ValuePix(), 15);
}

TEST(CaptionBar, TextStartsAfterLeftControlsAndBeforeRightOnes) {
  TCaptionBar bar;
  bar.resize(200, 19);
  TGraphicButton close(&bar, "ButtonExit");
  close.setGeometry(173, 0, 19, 20);
  EXPECT_EQ(bar.TextX(50), 2) << "nothing in the left half";
  bar.SetAlignment(Qt::AlignRight);
  EXPECT_EQ(bar.TextX(50), 173 - 50 - 2);
  TGraphicButton icon(&bar, "Icon");
  icon.setGeometry(0, 0, 20, 19);
  bar.SetAlignment(Qt::AlignHCenter);
  EXPECT_EQ(bar.TextX(51), 20 + 153 / 2 - 25);
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
  const auto wave = program.Write("Sound/Open.wav", "RIFF");
  TSoundHint hint;
  hint.ProgramFolder = QString::fromStdString(program.Path().string());
  hint.PathForWave = QString::fromStdString(program.Path().string() + "/sound\\");
  EXPECT_EQ(hint.FindSoundFile("Open a work@open.WAV"), QString::fromStdString(wave.string()))
      << "names compare without regard to case";
  EXPECT_EQ(hint.FindSoundFile("Open a work"), std::nullopt);
  hint.ShowHint("Open a work@Open.wav", QPoint(100, 100));
  EXPECT_EQ(hint.Window()->Text(), "Open a work");
  EXPECT_TRUE(hint.Window()->isVisible());
  EXPECT_EQ(hint.Player()->source(), QUrl::fromLocalFile(QString::fromStdString(wave.string())));
  hint.HideHint();
  hint.SoundEnabled = false;
  hint.Player()->setSource({});
  hint.ShowHint("Words only@Open.wav", QPoint(100, 100));
  EXPECT_EQ(hint.Window()->Text(), "Words only");
  EXPECT_TRUE(hint.Player()->source().isEmpty()) << "sounds off";
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
  info.Params = {{"FORMSETUP", "BUTTONOK", "RESLEFT", "30"},         {"FORMSETUP", "BUTTONOK", "WIDTH", "25"},
                 {"FORMSETUP", "BUTTONOK", "ACTIVEALPHA", "999"},    {"FORMSETUP", "SLIDERVOLUME", "RESWIDTH", "80"},
                 {"FORMSETUP", "SLIDERVOLUME", "BEGINOFFSET", "4"},  {"FORMSETUP", "SLIDERVOLUME", "REVERSED", "true"},
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
  QMouseEvent move(QEvent::MouseMove, QPointF(80, 25), bar.mapToGlobal(QPointF(80, 25)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&bar, &move);
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(80, 25));
  EXPECT_EQ(embedded.pos(), QPoint(130, 120));
  EXPECT_EQ(backdrop.pos(), backdropAt) << "the backdrop stays";
}

}  // namespace
}  // namespace lumena
