#include "interface/ui/apply_interface_info.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollArea>
#include <QTextBrowser>
#include <map>
#include <memory>

#include "interface/interface_context.h"
#include "interface/interface_parser.h"
#include "interface/ui/interface_color.h"
#include "interface/ui/interface_param_target.h"

namespace lumena {
namespace {

// Stands in for a graphic button: takes its own parameters, leaves the rest.
class FakeGraphicButton : public QWidget, public InterfaceParamTarget {
 public:
  using QWidget::QWidget;
  bool ApplyInterfaceParam(std::string_view upperName, std::string_view value, std::optional<int> number) override {
    seen[std::string(upperName)] = {std::string(value), number};
    return upperName.starts_with("RES");
  }
  void AfterInterfaceApplied() override {
    ++finished;
    cellWidth = width();
  }
  std::map<std::string, std::pair<std::string, std::optional<int>>> seen;
  int finished = 0;
  int cellWidth = 0;
};

template <typename W>
W* Make(QWidget* parent, const char* name) {
  auto* w = new W(parent);  // owned by its parent
  w->setObjectName(name);
  return w;
}

class ApplyInterfaceInfoTest : public ::testing::Test {
 protected:
  ApplyInterfaceInfoTest() {
    main_->setObjectName("FormMain");
    main_->move(100, 50);
    window_->setObjectName("FormLoadSave");
    window_->setGeometry(0, 0, 400, 300);
    panel_ = Make<QFrame>(window_.get(), "PanelTop");
    inner_ = Make<QLabel>(panel_, "LabelInside");
    label_ = Make<QLabel>(window_.get(), "LabelTitle");
    edit_ = Make<QLineEdit>(window_.get(), "EditName");
    date_ = Make<QDateEdit>(window_.get(), "DateBirth");
    list_ = Make<QListWidget>(window_.get(), "ListFiles");
    combo_ = Make<QComboBox>(window_.get(), "ComboKind");
    scroll_ = Make<QScrollArea>(window_.get(), "ScrollThumbs");
    viewer_ = Make<QTextBrowser>(window_.get(), "ViewerHelp");
    progress_ = Make<QProgressBar>(window_.get(), "ProgressSend");
    button_ = Make<FakeGraphicButton>(window_.get(), "ButtonExit");
    button_->resize(32, 32);
  }

  void Apply(std::string_view text, bool loaded = true) {
    const TOrvInterfaceInfo info{ParseInterfaceText(text), loaded};
    ApplyInterfaceInfo(window_.get(), info, main_.get());
  }

  std::unique_ptr<QWidget> main_ = std::make_unique<QWidget>();
  std::unique_ptr<QWidget> window_ = std::make_unique<QWidget>();
  QFrame* panel_;
  QLabel* inner_;
  QLabel* label_;
  QLineEdit* edit_;
  QDateEdit* date_;
  QListWidget* list_;
  QComboBox* combo_;
  QScrollArea* scroll_;
  QTextBrowser* viewer_;
  QProgressBar* progress_;
  FakeGraphicButton* button_;
};

TEST_F(ApplyInterfaceInfoTest, WindowPositionIsRelativeToTheMainWindow) {
  Apply("SECTION FormLoadSave TFormLoadSave\nLeft = 20; Top = 30; Color = $000000FF\nEND");
  EXPECT_EQ(window_->pos(), QPoint(120, 80));
  EXPECT_TRUE(window_->autoFillBackground());
  EXPECT_EQ(window_->palette().color(window_->backgroundRole()), QColor(255, 0, 0));
}

TEST_F(ApplyInterfaceInfoTest, ControlsArePlacedSizedAndHidden) {
  Apply(
      "SECTION formloadsave TFormLoadSave\n"
      "OBJECT panelTOP TPanel\nLeft = 5; Top = 6; Width = 70; Height = 40; Color = $00FF0000\nEND\n"
      "OBJECT LabelInside TLabel\nLeft = 2; Visible = FALSE\nEND\n"
      "END");
  EXPECT_EQ(panel_->geometry(), QRect(5, 6, 70, 40));
  EXPECT_TRUE(panel_->autoFillBackground());
  EXPECT_EQ(panel_->palette().color(QPalette::Window), QColor(0, 0, 255));
  // Components owned deeper in the tree are found too; LEFT stays relative to the parent.
  EXPECT_EQ(inner_->x(), 2);
  EXPECT_TRUE(inner_->isHidden());
}

struct VisibleCase {
  std::string_view value;
  bool startHidden;
  bool hidden;
};

TEST_F(ApplyInterfaceInfoTest, VisibleIsTrueOnlyForTheWordTrue) {
  const VisibleCase cases[] = {{"FALSE", false, true}, {"false", false, true}, {"TRUE", true, false},
                               {"tRuE", true, false},  {"1", true, true},      {"0", false, false},
                               {"yes", false, true}};
  for (const VisibleCase& c : cases) {
    label_->setHidden(c.startHidden);
    Apply("SECTION FormLoadSave TFormLoadSave\nOBJECT LabelTitle TLabel\nVisible = '" + std::string(c.value) +
          "'\nEND\nEND");
    EXPECT_EQ(label_->isHidden(), c.hidden) << c.value;
  }
}

TEST_F(ApplyInterfaceInfoTest, FontsOnTextControls) {
  Apply(
      "SECTION FormLoadSave TFormLoadSave\n"
      "OBJECT LabelTitle TLabel\nFontName = 'DejaVu Serif'; FontSize = 14; FontColor = $0000FF00\nEND\n"
      "OBJECT EditName TEdit\nFontSize = 11; FontColor = $00FF0000\nEND\n"
      "OBJECT DateBirth TDateEdit\nFontName = Courier\nEND\n"
      "OBJECT ListFiles TListBox\nFontSize = 9; Color = $00123456\nEND\n"
      "OBJECT ComboKind TComboBox\nFontName = Arial; Color = $00FFFFFF\nEND\n"
      "END");
  EXPECT_EQ(label_->font().family(), "DejaVu Serif");
  EXPECT_EQ(label_->font().pointSize(), 14);
  EXPECT_EQ(label_->palette().color(QPalette::WindowText), QColor(0, 255, 0));
  EXPECT_EQ(edit_->font().pointSize(), 11);
  EXPECT_EQ(edit_->palette().color(QPalette::Text), QColor(0, 0, 255));
  EXPECT_EQ(date_->font().family(), "Courier");
  EXPECT_EQ(list_->font().pointSize(), 9);
  EXPECT_EQ(list_->palette().color(QPalette::Base), QColor(0x56, 0x34, 0x12));
  EXPECT_EQ(combo_->font().family(), "Arial");
  EXPECT_EQ(combo_->palette().color(QPalette::Button), QColor(255, 255, 255));
}

TEST_F(ApplyInterfaceInfoTest, HtmlViewerTakesDefaultFontAndTag) {
  Apply(
      "SECTION FormLoadSave TFormLoadSave\n"
      "OBJECT ViewerHelp THTMLViewer\nFontName = 'DejaVu Sans'; FontSize = 13; FontColor = $00000080; Tag = 4\nEND\n"
      "OBJECT ProgressSend TProgressBar\nTag = $10\nEND\n"
      "END");
  EXPECT_EQ(viewer_->document()->defaultFont().family(), "DejaVu Sans");
  EXPECT_EQ(viewer_->document()->defaultFont().pointSize(), 13);
  EXPECT_EQ(viewer_->palette().color(QPalette::Text), QColor(128, 0, 0));
  EXPECT_EQ(viewer_->property("tag").toInt(), 4);
  EXPECT_EQ(progress_->property("tag").toInt(), 16);
}

TEST_F(ApplyInterfaceInfoTest, ParametersTheControlDoesNotTakeDoNothing) {
  const QFont labelFont = label_->font();
  Apply(
      "SECTION FormLoadSave TFormLoadSave\n"
      // The object type is only checked by the parser; the real class decides.
      "OBJECT LabelTitle TPanel\nColor = $000000FF; Width = abc\nEND\n"
      "OBJECT ProgressSend TListBox\nFontSize = 20; Color = 255\nEND\n"
      "OBJECT LabelTitle THTMLViewer\nFontName = 12; Tag = x\nEND\n"
      "OBJECT NoSuchControl TLabel\nLeft = 1\nEND\n"
      "END");
  EXPECT_FALSE(label_->autoFillBackground());
  EXPECT_EQ(label_->font(), labelFont);
  EXPECT_FALSE(label_->property("tag").isValid());
  EXPECT_FALSE(progress_->autoFillBackground());
  EXPECT_NE(progress_->font().pointSize(), 20);
}

TEST_F(ApplyInterfaceInfoTest, ScrollBoxTakesColour) {
  Apply("SECTION FormLoadSave TFormLoadSave\nOBJECT ScrollThumbs TScrollBox\nColor = $0000FFFF\nEND\nEND");
  EXPECT_TRUE(scroll_->autoFillBackground());
  EXPECT_EQ(scroll_->palette().color(QPalette::Window), QColor(255, 255, 0));
}

TEST_F(ApplyInterfaceInfoTest, GraphicControlsAreAskedFirstAndFinishedAfterwards) {
  Apply(
      "SECTION FormLoadSave TFormLoadSave\n"
      "OBJECT ButtonExit TGraphicButton\nResLeft = 10; ResWidth = 99; Width = 48; Visible = FALSE; ActiveAlpha = "
      "x\nEND\n"
      "END");
  ASSERT_EQ(button_->seen.count("RESLEFT"), 1u);
  EXPECT_EQ(button_->seen["RESLEFT"].second, 10);
  EXPECT_EQ(button_->seen["ACTIVEALPHA"].second, std::nullopt);
  EXPECT_EQ(button_->seen["ACTIVEALPHA"].first, "x");
  // Declined parameters fall through to the standard rules.
  EXPECT_EQ(button_->width(), 48);
  EXPECT_TRUE(button_->isHidden());
  EXPECT_EQ(button_->finished, 1);
  EXPECT_EQ(button_->cellWidth, 48);
}

TEST_F(ApplyInterfaceInfoTest, OtherSectionsGlobalsAndUnloadedDescriptionsDoNothing) {
  window_->move(1, 2);
  Apply("Left = 9\nSECTION FormTips TFormTips\nLeft = 7\nEND\nSECTION FormLoadSave TFormLoadSave\nEND");
  EXPECT_EQ(window_->pos(), QPoint(1, 2));
  EXPECT_EQ(button_->finished, 1);
  Apply("SECTION FormLoadSave TFormLoadSave\nLeft = 7\nEND", false);
  EXPECT_EQ(window_->pos(), QPoint(1, 2));
  EXPECT_EQ(button_->finished, 1);
}

TEST_F(ApplyInterfaceInfoTest, ProcessWideDescriptionAndMainWindow) {
  InterfaceContext& context = CurrentInterface();
  context.Info =
      TOrvInterfaceInfo{ParseInterfaceText("SECTION FormLoadSave TFormLoadSave\nLeft = 5; Top = 5\nEND"), true};
  SetInterfaceMainWindow(main_.get());
  EXPECT_EQ(InterfaceMainWindow(), main_.get());
  ApplyInterfaceInfo(window_.get());
  EXPECT_EQ(window_->pos(), QPoint(105, 55));
  SetInterfaceMainWindow(nullptr);
  ApplyInterfaceInfo(window_.get());
  EXPECT_EQ(window_->pos(), QPoint(5, 5));
  context.Free();
}

TEST(InterfaceColorTest, ColourNumbers) {
  EXPECT_EQ(ColorFromNumber(0x000000FF), QColor(255, 0, 0));
  EXPECT_EQ(ColorFromNumber(0x00FF0000), QColor(0, 0, 255));
  EXPECT_EQ(ColorFromNumber(0x00123456), QColor(0x56, 0x34, 0x12));
  EXPECT_EQ(ColorFromNumber(static_cast<int>(0x8000000F)), QGuiApplication::palette().color(QPalette::Button));
  EXPECT_EQ(ColorFromNumber(static_cast<int>(0x80000005)), QGuiApplication::palette().color(QPalette::Base));
}

}  // namespace
}  // namespace lumena
