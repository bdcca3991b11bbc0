// The main window's palette offscreen: the swatch grid the interface
// description asks for, paging through palettes and colours, the hint, and
// what a swatch's release does to the work.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QMouseEvent>

#include "editing/editing_session.h"
#include "editing/scripted_questions.h"
#include "editing/ui/form_montage.h"
#include "interface/interface_context.h"
#include "interface/interface_parser.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/graphic_slider.h"
#include "interface/ui/window_services.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/message_boxes.h"
#include "shell/ui/cursors.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_screen.h"
#include "support/temp_folder.h"
#include "work/work_desk_test_host.h"
#include "workfile/ui/modal_actions.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;

// Eight warm colours (two pages on a 2 x 2 grid) and two cool ones.
constexpr std::string_view kPalettes =
    "# Test palettes\r\n"
    "Warm;8;250,0,0;C0;0,250,0;C1;0,0,250;C2;250,250,0;C3;0,250,250;C4;250,0,250;C5;100,100,100;C6;9,9,9;C7;\r\n"
    "\r\n"
    "Cool;2;10,20,200;Navy;40,200,220;Aqua;\r\n";

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
  const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
  SendMouse(widget, QEvent::MouseButtonPress, button);
  SendMouse(widget, QEvent::MouseButtonRelease, button);
}

class FormMainPaletteTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fs::copy(fs::path(LUMENA_PROGRAM_FOLDER) / "Intfaces", Program().Path() / "Intfaces", fs::copy_options::recursive);
    Program().Write("PalData.txt", kPalettes);
  }
  static testing::TempFolder& Program() {
    static testing::TempFolder folder;
    return folder;
  }

  FormMainPaletteTest() {
    InterfaceContext& ui = CurrentInterface();
    ui.AppFolder = Program().Path();
    ui.ResolutionLevel = 2;
    // A 2 x 2 grid at four places of the tray.
    ui.Info = TOrvInterfaceInfo{ParseInterfaceText("SECTION FormMain TFormMain\n"
                                                   "PaletteBtnCols = 2; PaletteBtnRows = 2\n"
                                                   "PaletteBtnShowPos = '11,105; 52,105; 11,130; 52,130'\n"
                                                   "END"),
                                true};
    SetBoxHandler([](BoxKind, const std::string& text) {
      ADD_FAILURE() << text;
      return 6;
    });
    Services().backdrop = &screen_;
    screen_.show();
    main_ = std::make_unique<TFormMain>(&screen_);
    montage_ = std::make_unique<TFormMontage>(main_.get(), session_, DeskCursorShape);
    main_->AttachWork(session_, *montage_);
    main_->show();
    layer_ = &desk_.Add(100, 100, 20, 20, {80, 80, 80, 255});
    desk_.desk.SetActive(0);
    main_->SetLayerMode(LayerMode::Coloration);
    Settle();
  }
  ~FormMainPaletteTest() override {
    main_->close();
    montage_.reset();
    main_.reset();
    CurrentInterface().Info.reset();
    SetBoxHandler(nullptr);
  }

  // The posted shows and hides take effect.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  template <class T>
  T* Control(std::string_view name) const {
    T* control = ChildByName<T>(*main_, name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  TGraphicButton* Swatch(int n) const { return Control<TGraphicButton>("PaletteButtonPattern" + std::to_string(n)); }
  void Press(std::string_view button) {
    Control<TGraphicButton>(button)->OnClick();
    Settle();
  }
  QString HintOf(int n) const {
    SendMouse(Swatch(n), QEvent::MouseMove, Qt::NoButton);
    return Swatch(n)->toolTip();
  }
  QString PaletteName() const { return Control<QLabel>("LabelPaletteName")->text(); }

  TFormScreen screen_;
  testing::DeskFixture desk_;
  testing::ScriptedQuestions questions_;
  EditingSession session_{desk_.desk, questions_};
  std::unique_ptr<TFormMain> main_;
  std::unique_ptr<TFormMontage> montage_;
  TLayer* layer_ = nullptr;
};

TEST_F(FormMainPaletteTest, TheGridTakesTheInterfacesColumnsRowsAndPlaces) {
  const std::vector<QPoint> places = {{11, 105}, {52, 105}, {11, 130}, {52, 130}};
  for (int n = 1; n <= 4; ++n) {
    ASSERT_NE(Swatch(n), nullptr);
    EXPECT_EQ(Swatch(n)->pos(), places[static_cast<size_t>(n - 1)]) << n;
    EXPECT_TRUE(Swatch(n)->isVisible()) << n;
  }
  EXPECT_EQ(ChildByName<QWidget>(*main_, "PaletteButtonPattern5"), nullptr);
  EXPECT_EQ(PaletteName(), "Warm");
  EXPECT_EQ(HintOf(1), "C0");
  EXPECT_EQ(Swatch(1)->cursor().shape(), CursorFor(crPipette).shape());
  // The swatch shows its colour inside the tray's frame.
  const Picture face = Swatch(2)->RenderOutput();
  EXPECT_EQ(face.At(face.Width() / 2, face.Height() / 2), (Pixel{0, 250, 0, 255}));
}

TEST_F(FormMainPaletteTest, TheArrowsPageThroughPalettesBothWays) {
  auto* slider = Control<TGraphicSlider>("SliderPaletteColor");
  EXPECT_TRUE(slider->isVisible()) << "eight colours page on four cells";
  EXPECT_EQ(slider->Max(), 2);
  Press("ButtonPaletteNext");
  EXPECT_EQ(PaletteName(), "Cool");
  EXPECT_EQ(HintOf(2), "Aqua");
  EXPECT_FALSE(Swatch(3)->isVisible()) << "two colours leave two cells empty";
  EXPECT_FALSE(slider->isVisible()) << "a palette that fits has no paging";
  Press("ButtonPaletteNext");
  EXPECT_EQ(PaletteName(), "Warm") << "the last palette wraps to the first";
  Press("ButtonPalettePrev");
  EXPECT_EQ(PaletteName(), "Cool") << "the first palette wraps to the last";
}

TEST_F(FormMainPaletteTest, TheSliderAndItsArrowsPageThroughAPalette) {
  auto* slider = Control<TGraphicSlider>("SliderPaletteColor");
  Press("ButtonPaletteColorNext");
  EXPECT_EQ(slider->Value(), 1);
  EXPECT_EQ(HintOf(1), "C2");
  slider->SetValue(2);
  Settle();
  EXPECT_EQ(HintOf(4), "C7");
  Press("ButtonPaletteColorNext");
  EXPECT_EQ(slider->Value(), 2) << "the arrow stops at the end";
  Press("ButtonPaletteColorPrev");
  EXPECT_EQ(HintOf(1), "C2");
  Press("ButtonPaletteNext");
  EXPECT_EQ(HintOf(1), "Navy") << "a new palette starts at its first colour";
}

TEST_F(FormMainPaletteTest, ASwatchTintsTheActiveLayerAndTheRightButtonAsksForAColour) {
  Click(Swatch(4));
  EXPECT_EQ(layer_->Params().Color, static_cast<int32_t>(ColorValue(250, 250, 0)));
  EXPECT_EQ(layer_->UndoList().Size(), 1u);

  testing::WhenModal([](QWidget& modal) {
    auto* dialog = qobject_cast<QColorDialog*>(&modal);
    if (!dialog) return false;
    dialog->setCurrentColor(QColor(12, 34, 56));
    dialog->accept();
    return true;
  });
  Click(Swatch(1), Qt::RightButton);
  EXPECT_EQ(layer_->Params().Color, static_cast<int32_t>(ColorValue(12, 34, 56)));

  testing::WhenModal([](QWidget& modal) {
    auto* dialog = qobject_cast<QColorDialog*>(&modal);
    if (dialog) dialog->reject();
    return dialog != nullptr;
  });
  Click(Swatch(1), Qt::RightButton);
  EXPECT_EQ(layer_->Params().Color, static_cast<int32_t>(ColorValue(12, 34, 56))) << "cancelled: nothing changes";
  EXPECT_EQ(layer_->UndoList().Size(), 2u);
}

TEST_F(FormMainPaletteTest, WhilePaintingASwatchAndTheBrushButtonChooseTheBrushColour) {
  main_->SetLayerMode(LayerMode::Paint);
  Settle();
  EXPECT_TRUE(Swatch(1)->isVisible());
  Click(Swatch(3));
  EXPECT_EQ(montage_->Pointer().brushColour, (Pixel{250, 0, 0, 255}));
  EXPECT_EQ(layer_->Params().Color, -1) << "the layer keeps its tint";

  testing::WhenModal([](QWidget& modal) {
    auto* dialog = qobject_cast<QColorDialog*>(&modal);
    if (!dialog) return false;
    EXPECT_EQ(dialog->currentColor(), QColor(0, 0, 250)) << "the dialog starts from the brush colour";
    dialog->setCurrentColor(QColor(200, 100, 50));
    dialog->accept();
    return true;
  });
  Press("ButtonCurrentBrushColor");
  EXPECT_EQ(montage_->Pointer().brushColour, (Pixel{50, 100, 200, 255}));
}

}  // namespace
}  // namespace lumena
