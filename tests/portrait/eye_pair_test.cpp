// Choosing the eyes of a face among a detector's boxes.
#include "portrait/eye_pair.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumena {
namespace {

constexpr Rect kFace{100, 100, 300, 300};  // 200 x 200

Rect Box(int x, int y, int side = 30) { return {x - side / 2, y - side / 2, x + side / 2, y + side / 2}; }

struct PairCase {
  const char* what;
  std::vector<Rect> boxes;
  std::optional<EyePositions> expected;
};

class ChooseEyePairTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(ChooseEyePairTest, FindsThePlausiblePairOrNone) {
  EXPECT_EQ(ChooseEyePair(GetParam().boxes, kFace), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChooseEyePairTest,
    ::testing::Values(PairCase{"a clean pair", {Box(160, 170), Box(240, 170)}, EyePositions{{160, 170}, {240, 170}}},
                      PairCase{"the order of the boxes does not matter",
                               {Box(240, 172), Box(160, 168)},
                               EyePositions{{160, 168}, {240, 172}}},
                      PairCase{"the mouth is not an eye",
                               {Box(160, 170), Box(200, 260), Box(240, 170)},
                               EyePositions{{160, 170}, {240, 170}}},
                      PairCase{"a nostril beside one eye loses to the other eye",
                               {Box(160, 170), Box(215, 175, 14), Box(240, 171)},
                               EyePositions{{160, 170}, {240, 171}}},
                      PairCase{"one eye alone (a profile)", {Box(160, 170)}, std::nullopt},
                      PairCase{"two boxes on one side of the face", {Box(130, 170), Box(180, 170)}, std::nullopt},
                      PairCase{"too far apart in height", {Box(160, 150), Box(240, 190)}, std::nullopt},
                      PairCase{"sizes too unlike", {Box(160, 170, 14), Box(240, 170, 40)}, std::nullopt},
                      PairCase{"too close together", {Box(190, 170, 14), Box(210, 170, 14)}, std::nullopt},
                      PairCase{"below the face's upper half", {Box(160, 230), Box(240, 230)}, std::nullopt},
                      PairCase{"no boxes", {}, std::nullopt}));

TEST(ChooseEyePair, AnEmptyFaceHasNoEyes) {
  EXPECT_EQ(ChooseEyePair(std::vector{Box(160, 170), Box(240, 170)}, {}), std::nullopt);
}

}  // namespace
}  // namespace lumena
