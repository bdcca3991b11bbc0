#include <gtest/gtest.h>

#include <filesystem>

#include "editing/colour_sliders.h"
#include "editing/tool_sliders.h"
#include "images/element_picture.h"
#include "interface/interface_parser.h"
#include "interface/message_window_layout.h"
#include "portrait/adjust_window_layout.h"
#include "shell/main_window_layout.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;

const fs::path kDefault = fs::path(LUMENA_PROGRAM_FOLDER) / "Intfaces" / "DEFAULT";

Picture Load(const fs::path& file) {
  Picture picture;
  LoadElementPicture(picture, file);
  return picture;
}

TEST(DefaultInterface, EveryPictureReadsBackAndTheDescriptionParses) {
  int pictures = 0;
  for (const char* resolution : {"1024-768", "800-600"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(kDefault / resolution)) {
      if (entry.path().extension() == ".psd") {
        EXPECT_FALSE(Load(entry.path()).Empty()) << entry.path();
        ++pictures;
      }
    }
    EXPECT_NO_THROW(ParseInterfaceFile(kDefault / resolution / "INTFACE.TXT")) << resolution;
  }
  EXPECT_GE(pictures, 8);
}

TEST(DefaultInterface, SkinsHaveTheSizesTheirWindowsExpect) {
  const Picture message = Load(kDefault / "1024-768" / std::string(kMessageWindowLayout.skinDefault));
  EXPECT_EQ(message.Width(), kMessageWindowLayout.width);
  EXPECT_EQ(message.Height(), kMessageWindowLayout.height);
  const Picture adjust = Load(kDefault / "1024-768" / std::string(kAdjustWindowLayout.skinDefault));
  EXPECT_EQ(adjust.Width(), kAdjustWindowLayout.width);
  EXPECT_EQ(adjust.Height(), kAdjustWindowLayout.height);
  const Picture main = Load(kDefault / "1024-768" / std::string(kMainWindowLayout.skinDefault));
  EXPECT_EQ(main.Width(), 1024);
  EXPECT_EQ(main.Height(), 768);
  const Picture small = Load(kDefault / "800-600" / std::string(kMainWindowLayout.skinDefault));
  EXPECT_EQ(small.Width(), 800);
  EXPECT_EQ(small.Height(), 600);
  EXPECT_EQ(main.At(0, 0), (Pixel{0, 255, 0, 255})) << "key colour outside the rounded corner";
}

TEST(DefaultInterface, ButtonPicturesHoldEveryCellTheLayoutsCut) {
  for (const WindowLayout* layout : {&kMainWindowLayout, &kMessageWindowLayout, &kAdjustWindowLayout}) {
    for (const ControlLayout& c : layout->controls) {
      if (c.pictureDefault.empty() || c.cells.width == 0) continue;
      const Picture picture = Load(kDefault / "1024-768" / std::string(c.pictureDefault));
      EXPECT_GE(picture.Width(), c.cells.left + c.cells.cols * c.cells.width) << c.name;
      EXPECT_GE(picture.Height(), c.cells.top + c.cells.rows * c.cells.height) << c.name;
      const Pixel centre = picture.At(c.cells.left + c.cells.width / 2, c.cells.top + c.cells.height / 2);
      EXPECT_EQ(centre.a, 255) << c.name << ": each cell is drawn";
    }
  }
}

TEST(DefaultInterface, EveryHintOfTheMainWindowHasItsText) {
  const std::string texts = lumena::testing::ReadFile(fs::path(LUMENA_PROGRAM_FOLDER) / "termins.txt");
  const auto hasText = [&](std::string_view key) {
    return texts.find("\n" + std::string(key) + "=") != std::string::npos;
  };
  for (const ControlLayout& c : kMainWindowLayout.controls) {
    if (!c.hintKey.empty()) {
      EXPECT_TRUE(hasText(c.hintKey)) << c.name;
    }
  }
  for (const ColourSlider& s : kColourSliders) EXPECT_TRUE(hasText(s.hintKey)) << s.name;
  for (const ToolSlider& s : kToolSliders) EXPECT_TRUE(hasText(s.hintKey)) << s.name;
  for (std::string_view button : kDefaultTemplateButtons) EXPECT_TRUE(hasText(std::string(button) + "Hint")) << button;
  for (const ControlLayout& c : kAdjustWindowLayout.controls) {
    if (!c.hintKey.empty()) {
      EXPECT_TRUE(hasText(c.hintKey)) << c.name;
    }
  }
}

TEST(DefaultInterface, WholePicturesHaveTheirControlsSizes) {
  for (const char* resolution : {"1024-768", "800-600"})
    for (const ControlLayout& c : kMainWindowLayout.controls) {
      if (c.kind != ControlKind::Panel && c.kind != ControlKind::Picture) continue;
      const Picture picture = Load(kDefault / resolution / std::string(c.pictureDefault));
      EXPECT_EQ(picture.Width(), c.width) << c.name;
      EXPECT_EQ(picture.Height(), c.height) << c.name;
    }
}

}  // namespace
}  // namespace lumena
