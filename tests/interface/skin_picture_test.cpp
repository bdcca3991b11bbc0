#include "interface/skin_picture.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "images/element_picture.h"
#include "interface/interface_parser.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

// A 24-bit bitmap file of one colour, written byte by byte.
std::string BitmapFile(int width, int height, Pixel colour) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  const uint32_t imageSize = static_cast<uint32_t>(rowBytes * height);
  std::string out;
  auto put = [&out](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  out += "BM";
  put(54 + imageSize, 4), put(0, 4), put(54, 4);
  put(40, 4), put(width, 4), put(height, 4), put(1, 2), put(24, 2), put(0, 4), put(imageSize, 4);
  put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      out += {static_cast<char>(colour.b), static_cast<char>(colour.g), static_cast<char>(colour.r)};
    out.append(static_cast<size_t>(rowBytes - width * 3), '\0');
  }
  return out;
}

constexpr Pixel kRed{0, 0, 255, 255};
constexpr Pixel kGreen{0, 255, 0, 255};

class LoadSkinPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    context_.AppFolder = folder_.Path();
    context_.ResolutionLevel = 2;
    context_.InterfaceName = "BLUE\\";
    Describe("SECTION FormLoadSave TFormLoadSave\nSkin = 'skin.BMP'\nEND\nPanelLayer = 'panel.psd'\n");
  }
  void Describe(std::string_view text) { context_.Info = TOrvInterfaceInfo{ParseInterfaceText(text), true}; }
  bool Load(std::string_view key, std::string_view defaultName, bool fallback) {
    return LoadSkinPicture(context_, picture_, key, defaultName, fallback,
                           [this](const std::string& m) { errors_.push_back(m); });
  }
  Pixel Corner() const { return picture_.At(0, 0); }

  testing::TempFolder folder_;
  InterfaceContext context_;
  Picture picture_;
  std::vector<std::string> errors_;
};

TEST_F(LoadSkinPictureTest, LoadsThePictureOfTheKeyFromTheHighestLevel) {
  folder_.Write("Intfaces/Blue/1024-768/Skin.bmp", BitmapFile(3, 2, kRed));
  folder_.Write("Intfaces/Blue/800-600/Skin.bmp", BitmapFile(1, 1, kGreen));
  ASSERT_TRUE(Load("FormLoadSave.Skin", "FormLoSa.psd", true));
  EXPECT_EQ(picture_.Width(), 3);
  EXPECT_EQ(picture_.Height(), 2);
  EXPECT_EQ(Corner(), kRed);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(LoadSkinPictureTest, FallsToTheLowerLevel) {
  folder_.Write("Intfaces/Blue/800-600/skin.bmp", BitmapFile(1, 1, kGreen));
  ASSERT_TRUE(Load("FormLoadSave.Skin", "FormLoSa.psd", false));
  EXPECT_EQ(Corner(), kGreen);
}

TEST_F(LoadSkinPictureTest, FallsBackToTheDefaultInterfaceByDefaultName) {
  folder_.Write("Intfaces/DEFAULT/800-600/FormLoSa.bmp", BitmapFile(2, 2, kGreen));
  ASSERT_TRUE(Load("FormLoadSave.Skin", "FormLoSa.bmp", true));
  EXPECT_EQ(Corner(), kGreen);
  picture_.Clear();
  ASSERT_TRUE(Load("Nothing.Skin", "formlosa.BMP", true));
  EXPECT_EQ(picture_.Width(), 2);
}

TEST_F(LoadSkinPictureTest, ElementPicturesGoThroughTheElementReader) {
  Picture psd(4, 1);
  psd.At(0, 0) = Pixel{1, 2, 3, 128};
  std::filesystem::create_directories(folder_.Path() / "Intfaces/Blue/800-600");
  SaveElementPicture(psd, folder_.Path() / "Intfaces/Blue/800-600/PANEL.PSD");
  ASSERT_TRUE(Load("PanelLayer", "Panel.psd", true));
  EXPECT_EQ(picture_.Width(), 4);
  EXPECT_EQ(Corner(), (Pixel{1, 2, 3, 128}));
}

TEST_F(LoadSkinPictureTest, TheExtensionChoosesTheDecoder) {
  // Bitmap bytes under an element picture name do not decode.
  folder_.Write("Intfaces/Blue/1024-768/panel.psd", BitmapFile(1, 1, kRed));
  folder_.Write("Intfaces/DEFAULT/1024-768/Panel.bmp", BitmapFile(1, 1, kGreen));
  ASSERT_TRUE(Load("PanelLayer", "Panel.bmp", true));
  EXPECT_EQ(Corner(), kGreen);
}

TEST_F(LoadSkinPictureTest, WithoutFallbackAFailureIsSilentAndKeepsThePicture) {
  picture_ = Picture(5, 5);
  folder_.Write("Intfaces/DEFAULT/800-600/FormLoSa.bmp", BitmapFile(1, 1, kGreen));
  EXPECT_FALSE(Load("FormLoadSave.Skin", "FormLoSa.bmp", false));
  EXPECT_EQ(picture_.Width(), 5);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(LoadSkinPictureTest, WithFallbackAFinalFailureIsReported) {
  picture_ = Picture(5, 5);
  folder_.Write("Intfaces/DEFAULT/800-600/FormLoSa.psd", "not a picture");
  EXPECT_FALSE(Load("FormLoadSave.Skin", "FormLoSa.psd", true));
  EXPECT_EQ(picture_.Width(), 5);
  EXPECT_EQ(errors_, std::vector<std::string>{"Cannot load bitmap from file FormLoSa.psd"});
}

TEST_F(LoadSkinPictureTest, NotLoadedDescriptionStillTriesTheDefault) {
  context_.Info->Loaded = false;
  folder_.Write("Intfaces/Blue/1024-768/Skin.bmp", BitmapFile(1, 1, kRed));
  folder_.Write("Intfaces/DEFAULT/1024-768/FormLoSa.bmp", BitmapFile(1, 1, kGreen));
  ASSERT_TRUE(Load("FormLoadSave.Skin", "FormLoSa.bmp", true));
  EXPECT_EQ(Corner(), kGreen);
}

}  // namespace
}  // namespace lumena
