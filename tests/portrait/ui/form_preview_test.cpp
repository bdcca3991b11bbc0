// The portrait preview window on its own.
#include "portrait/ui/form_preview.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <algorithm>
#include <string>

#include "images/element_picture.h"
#include "interface/interface_context.h"
#include "interface/interface_parser.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/picture_control.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/message_boxes.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

constexpr Pixel kRed{0, 0, 255, 255};

class FormPreviewTest : public ::testing::Test {
 protected:
  FormPreviewTest() {
    SetBoxHandler([this](BoxKind, const std::string& text) {
      boxes_.push_back(text);
      return 7;
    });
    CurrentInterface().AppFolder = folder_.Path();
  }
  ~FormPreviewTest() override {
    CurrentInterface() = InterfaceContext();
    SetBoxHandler(nullptr);
  }

  // A skin of the given size in the default interface.
  void WriteSkin(int width, int height) {
    std::string stored = CurrentInterface().DefaultInterfaceFile(1, "FormPreview.psd");
    std::ranges::replace(stored, '\\', '/');
    std::filesystem::create_directories((folder_ / stored).parent_path());
    Picture skin(width, height);
    std::ranges::fill(skin.Pixels(), Pixel{40, 80, 120, 255});
    SaveElementPicture(skin, folder_ / stored);
  }

  void Describe(std::string_view text) { CurrentInterface().Info = TOrvInterfaceInfo{ParseInterfaceText(text), true}; }

  TPictureControl& ResImage(TFormPreview& form) { return *ChildByName<TPictureControl>(form, "ResImage"); }

  testing::TempFolder folder_;
  std::vector<std::string> boxes_;
  TGraphicButton minimize_, exit_, previewButton_;
  Picture portrait_ = [] {
    Picture p(400, 300);
    std::ranges::fill(p.Pixels(), kRed);
    return p;
  }();
};

TEST_F(FormPreviewTest, ShowingFitsThePortraitBelowTheCaptionAndPressesTheButton) {
  WriteSkin(400, 300);
  TFormPreview form(minimize_, exit_, previewButton_, portrait_);
  form.Toggle();
  ASSERT_TRUE(form.isVisible());
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(previewButton_.Pressed());
  TPictureControl& image = ResImage(form);
  EXPECT_EQ(image.geometry(), QRect(5, 25, 390, 250)) << "the skin's size less the margins and the caption";
  const Picture& shown = image.GetPicture();
  ASSERT_EQ(shown.Width(), 390);
  ASSERT_EQ(shown.Height(), 250);
  EXPECT_EQ(shown.At(195, 125), kRed);
  EXPECT_EQ(shown.At(20, 125), kOpaqueWhite) << "a 4:3 portrait in a wider preview leaves white at the sides";
  EXPECT_EQ(shown.At(0, 0), kOpaqueBlack);

  form.ShowPortrait(nullptr);
  EXPECT_EQ(image.GetPicture().At(195, 125), kOpaqueWhite) << "the portrait layer went";

  form.Toggle();
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(previewButton_.Pressed());
  EXPECT_TRUE(image.GetPicture().Empty());
  EXPECT_TRUE(form.SkinBitmap.Empty());
}

TEST_F(FormPreviewTest, WithoutAPortraitItShowsWhite) {
  WriteSkin(315, 380);
  const Picture none;
  TFormPreview form(minimize_, exit_, previewButton_, none);
  form.show();
  const Picture& shown = ResImage(form).GetPicture();
  ASSERT_EQ(shown.Width(), 305);
  EXPECT_EQ(shown.At(150, 160), kOpaqueWhite);
}

TEST_F(FormPreviewTest, ALockedPreviewKeepsThePlaceTheInterfaceGivesIt) {
  WriteSkin(400, 300);
  Describe(
      "SECTION FormPreview TFormPreview\r\n  LockResImage = 'true';\r\n"
      "  OBJECT ResImage TImage\r\n    Left = 30; Top = 40; Width = 100; Height = 120;\r\n  END\r\nEND\r\n");
  TFormPreview form(minimize_, exit_, previewButton_, portrait_);
  form.show();
  EXPECT_EQ(ResImage(form).geometry(), QRect(30, 40, 100, 120));
  EXPECT_EQ(ResImage(form).GetPicture().Width(), 100);
}

TEST_F(FormPreviewTest, AWindowPastTheScreensEdgeIsShownWhole) {
  WriteSkin(315, 380);
  TFormPreview form(minimize_, exit_, previewButton_, portrait_);
  const QRect screen = form.screen()->geometry();
  form.move(screen.right() - 100, screen.bottom() - 50);
  form.show();
  EXPECT_TRUE(screen.contains(form.geometry())) << "the close button must stay reachable";
}

}  // namespace
}  // namespace lumena
