// The built eye detector run as the adjustment window runs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "images/library_picture.h"
#include "images/picture_file.h"
#include "portrait/eye_answer.h"
#include "support/temp_folder.h"

namespace lumena {
namespace {

int RunEyechecker(const std::string& arguments) {
  return std::system((std::string(EYECHECKER_PATH) + " " + arguments + " 2>/dev/null").c_str());
}

// Measured by eye on the sample portrait, pupil centres in its pixels.
constexpr EyePositions kSampleEyes{{203, 101}, {246, 104}};
constexpr int kTolerance = 4;

TEST(Eyechecker, FindsTheEyesOfTheSamplePortraitWhereAPersonPutsThem) {
  testing::TempFolder folder;
  const auto answer = folder / "answer.ini";
  ASSERT_EQ(RunEyechecker(std::string(LUMENA_SAMPLE_PORTRAIT) + " " + answer.string()), 0);
  const std::optional<EyePositions> eyes = ReadEyeAnswer(answer);
  ASSERT_TRUE(eyes) << testing::ReadFile(answer);
  EXPECT_NEAR(eyes->right.x, kSampleEyes.right.x, kTolerance);
  EXPECT_NEAR(eyes->right.y, kSampleEyes.right.y, kTolerance);
  EXPECT_NEAR(eyes->left.x, kSampleEyes.left.x, kTolerance);
  EXPECT_NEAR(eyes->left.y, kSampleEyes.left.y, kTolerance);
}

TEST(Eyechecker, AnswersBesideThePictureByDefault) {
  testing::TempFolder folder;
  const Picture sample = LoadPictureFile(LUMENA_SAMPLE_PORTRAIT);
  ASSERT_EQ(SavePictureThroughLibrary(sample, folder / "portrait.bmp", kFormatBmp), 1);
  ASSERT_EQ(RunEyechecker((folder / "portrait.bmp").string()), 0);
  EXPECT_TRUE(ReadEyeAnswer(folder / kEyeAnswerFileName)) << "the 24-bit bitmap the window writes is read";
}

// Soft shapes and stripes, but nothing like a face.
Picture WithoutAFace() {
  Picture p(640, 480);
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x) {
      const auto v = static_cast<uint8_t>(((x / 40 + y / 60) % 2) * 90 + x * 100 / p.Width());
      p.At(x, y) = {v, static_cast<uint8_t>(255 - v), static_cast<uint8_t>(y * 255 / p.Height()), 255};
    }
  return p;
}

TEST(Eyechecker, APictureWithoutAFaceAnswersNothingDetected) {
  testing::TempFolder folder;
  ASSERT_EQ(SavePictureThroughLibrary(WithoutAFace(), folder / "stripes.png", kFormatPng), 1);
  ASSERT_EQ(RunEyechecker((folder / "stripes.png").string()), 0);
  EXPECT_EQ(testing::ReadFile(folder / kEyeAnswerFileName), "[Info]\r\nDetected=0\r\n");
}

TEST(Eyechecker, AFileThatIsNoPictureStillGetsAnAnswer) {
  testing::TempFolder folder;
  folder.Write("broken.jpg", "not a picture at all");
  ASSERT_EQ(RunEyechecker((folder / "broken.jpg").string()), 0);
  EXPECT_EQ(ReadEyeAnswer(folder / kEyeAnswerFileName), std::nullopt);
  EXPECT_EQ(RunEyechecker(""), 2 << 8) << "no picture named is a usage error";
}

}  // namespace
}  // namespace lumena
