// Portraits read from files: which reader, and whose opacity.
#include "portrait/portrait_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "images/element_picture.h"
#include "images/library_picture.h"
#include "platform/file_error.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

Picture Filled(Pixel colour) {
  Picture p(6, 4);
  for (Pixel& px : p.Pixels()) px = colour;
  return p;
}

TEST(PortraitFile, ElementPicturesBringTheirOpacityUnlessTheyHaveNone) {
  testing::TempFolder folder;
  SaveElementPicture(Filled({10, 20, 30, 0}), folder / "clear.psd");
  SaveElementPicture(Filled({10, 20, 30, 90}), folder / "half.psd");
  const PortraitPicture clear = LoadPortraitFile(folder / "clear.psd");
  EXPECT_TRUE(clear.ownOpacity);
  EXPECT_EQ(clear.picture.At(2, 2), (Pixel{10, 20, 30, 255})) << "transparent everywhere reads as opaque";
  const PortraitPicture half = LoadPortraitFile(folder / "half.psd");
  EXPECT_TRUE(half.ownOpacity);
  EXPECT_EQ(half.picture.At(2, 2).a, 90);
}

TEST(PortraitFile, OtherFormatsAreOpaquePortraitsWithoutOpacityOfTheirOwn) {
  testing::TempFolder folder;
  for (const char* name : {"a.jpg", "a.JPEG", "a.png", "a.bmp"}) {
    const std::filesystem::path file = folder / name;
    ASSERT_EQ(
        SavePictureThroughLibrary(Filled({10, 20, 200, 255}), file, FormatCodeForExtension(file.extension().string())),
        1);
    const PortraitPicture portrait = LoadPortraitFile(file);
    EXPECT_FALSE(portrait.ownOpacity) << name;
    EXPECT_EQ(portrait.picture.Width(), 6) << name;
    EXPECT_NEAR(portrait.picture.At(3, 2).r, 200, 4) << name;
  }
}

TEST(PortraitFile, MissingOrDamagedFilesAreRefused) {
  testing::TempFolder folder;
  EXPECT_THROW(LoadPortraitFile(folder / "none.jpg"), EFileError);
  std::ofstream(folder / "bad.jpg") << "not a JPEG at all";
  EXPECT_THROW(LoadPortraitFile(folder / "bad.jpg"), EFormatError);
  std::ofstream(folder / "bad.png") << "not a PNG at all";
  EXPECT_THROW(LoadPortraitFile(folder / "bad.png"), EFormatError);
}

}  // namespace
}  // namespace lumena
