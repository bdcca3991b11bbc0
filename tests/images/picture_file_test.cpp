#include "images/picture_file.h"

#include <gtest/gtest.h>

#include "images/psd_codec.h"
#include "images/zlib_stream.h"
#include "images_test_support.h"

namespace lumena {
namespace {

TEST(PictureFile, ElementPicturesAreKnownByTheirExtensionInAnyCase) {
  for (const char* name : {"a.psd", "B.PSD", "c.Fcc", "hair.FLL", "dir.x\\d.psd"})
    EXPECT_TRUE(IsElementPictureName(name)) << name;
  for (const char* name : {"a.png", "psd", "a.psd.png", "a.jpg", ""}) EXPECT_FALSE(IsElementPictureName(name)) << name;
}

TEST(PictureFile, ReadsEitherKindAndTellsAFileFromAFormatFailure) {
  test::TempFolder folder;
  const Picture sample = test::MakeTestPicture(12, 7);
  test::WriteBytes(folder / "a.psd", EncodePsd(sample));
  EXPECT_EQ(LoadPictureFile(folder / "a.psd"), sample);
  test::WriteBytes(folder / "a.png", test::ReadBytes(folder / "a.psd"));
  EXPECT_THROW(LoadPictureFile(folder / "a.png"), EFormatError) << "a PSD named .png is refused";

  auto damaged = DeflateStream(EncodePsd(sample));
  damaged.resize(damaged.size() / 2);
  test::WriteBytes(folder / "b.fcc", damaged);
  const std::vector<uint8_t> notPng = {1, 2, 3};
  test::WriteBytes(folder / "c.png", notPng);
  for (const char* name : {"b.fcc", "c.png"}) EXPECT_THROW(LoadPictureFile(folder / name), EFormatError) << name;
  for (const char* name : {"none.psd", "none.png"}) EXPECT_THROW(LoadPictureFile(folder / name), EFileError) << name;
}

}  // namespace
}  // namespace lumena
