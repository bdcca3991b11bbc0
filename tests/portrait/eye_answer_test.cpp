// The detector's answer file, written and read back, and the check the
// adjustment window makes before it uses an answer.
#include "portrait/eye_answer.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace lumena {
namespace {

TEST(EyeAnswer, FoundEyesReadBackAsWritten) {
  testing::TempFolder folder;
  const EyePositions eyes{{203, 101}, {246, 104}};
  WriteEyeAnswer(folder / kEyeAnswerFileName, eyes);
  EXPECT_EQ(ReadEyeAnswer(folder / kEyeAnswerFileName), eyes);
  const std::string text = testing::ReadFile(folder / kEyeAnswerFileName);
  EXPECT_NE(text.find("[Info]\r\nDetected=1\r\n"), std::string::npos) << text;
}

TEST(EyeAnswer, NothingFoundAndBrokenAnswersGiveNoEyes) {
  testing::TempFolder folder;
  WriteEyeAnswer(folder / "none.ini", std::nullopt);
  EXPECT_EQ(testing::ReadFile(folder / "none.ini"), "[Info]\r\nDetected=0\r\n");
  EXPECT_EQ(ReadEyeAnswer(folder / "none.ini"), std::nullopt);
  EXPECT_EQ(ReadEyeAnswer(folder / "missing.ini"), std::nullopt);
  folder.Write("partial.ini", "[Info]\r\nDetected=1\r\nRightX1=10\r\nRightY1=10\r\nLeftX1=50\r\n");
  EXPECT_EQ(ReadEyeAnswer(folder / "partial.ini"), std::nullopt) << "a missing number";
}

struct FitCase {
  const char* what;
  EyePositions eyes;
  bool fits;
};

class EyesFitPictureTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(EyesFitPictureTest, OnlyEyesInsideInTheirOrderAreUsed) {
  EXPECT_EQ(EyesFitPicture(GetParam().eyes, 512, 400), GetParam().fits) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Table, EyesFitPictureTest,
                         ::testing::Values(FitCase{"plausible", {{203, 101}, {246, 104}}, true},
                                           FitCase{"at the edges", {{0, 0}, {511, 399}}, true},
                                           FitCase{"swapped", {{246, 104}, {203, 101}}, false},
                                           FitCase{"equal", {{220, 100}, {220, 100}}, false},
                                           FitCase{"left of the picture", {{-1, 100}, {246, 100}}, false},
                                           FitCase{"right of the picture", {{203, 100}, {512, 100}}, false},
                                           FitCase{"above", {{203, -1}, {246, 100}}, false},
                                           FitCase{"below", {{203, 100}, {246, 400}}, false}));

}  // namespace
}  // namespace lumena
