#include <gtest/gtest.h>

#include <filesystem>

#include "images/element_picture.h"
#include "interface/interface_parser.h"
#include "interface/message_window_layout.h"
#include "shell/main_window_layout.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;

const fs::path kDefault = fs::path(LUMENA_PROGRAM_FOLDER) / "Intfaces" / "DEFAULT";

Picture load(const fs::path& file) {
  Picture picture;
  LoadElementPicture(picture, file);
  return picture;
}

TEST(DefaultInterface, EveryPictureReadsBackAndTheDescriptionParses) {
  int pictures = 0;
  for (const char* resolution : {"1024-768", "800-600"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(kDefault / resolution)) {
      if (entry.path().extension() == ".psd") {
        EXPECT_FALSE(load(entry.path()).empty()) << entry.path();
        ++pictures;
      }
    }
    EXPECT_NO_THROW(ParseInterfaceFile(kDefault / resolution / "INTFACE.TXT")) << resolution;
  }
  EXPECT_GE(pictures, 8);
}

TEST(DefaultInterface, SkinsHaveTheSizesTheirWindowsExpect) {
  const Picture message = load(kDefault / "1024-768" / std::string(kMessageWindowLayout.skinDefault));
  EXPECT_EQ(message.width(), kMessageWindowLayout.width);
  EXPECT_EQ(message.height(), kMessageWindowLayout.height);
  const Picture main = load(kDefault / "1024-768" / std::string(kMainWindowLayout.skinDefault));
  EXPECT_EQ(main.width(), 1024);
  EXPECT_EQ(main.height(), 768);
  const Picture small = load(kDefault / "800-600" / std::string(kMainWindowLayout.skinDefault));
  EXPECT_EQ(small.width(), 800);
  EXPECT_EQ(small.height(), 600);
  EXPECT_EQ(main.at(0, 0), (Pixel{0, 255, 0, 255})) << "key colour outside the rounded corner";
}

TEST(DefaultInterface, ButtonPicturesHoldEveryCellTheLayoutsCut) {
  for (const WindowLayout* layout : {&kMainWindowLayout, &kMessageWindowLayout}) {
    for (const ControlLayout& c : layout->controls) {
      if (c.pictureDefault.empty()) continue;
      const Picture picture = load(kDefault / "1024-768" / std::string(c.pictureDefault));
      EXPECT_GE(picture.width(), c.cells.left + c.cells.cols * c.cells.width) << c.name;
      EXPECT_GE(picture.height(), c.cells.top + c.cells.rows * c.cells.height) << c.name;
      const Pixel centre = picture.at(c.cells.left + c.cells.width / 2, c.cells.top + c.cells.height / 2);
      EXPECT_EQ(centre.a, 255) << c.name << ": each cell is drawn";
    }
  }
}

}  // namespace
}  // namespace lumena
