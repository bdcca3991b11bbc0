#include "editing/colour_sliders.h"

#include <gtest/gtest.h>

namespace lumena {
namespace {

TEST(ColourSliders, HintsShowTheChangeAsTheirStyleCountsIt) {
  EXPECT_EQ(SliderHint(SliderHintStyle::Channel, "Red", 60), "Red (+20%)");
  EXPECT_EQ(SliderHint(SliderHintStyle::Channel, "Red", 0), "Red (-100%)");
  EXPECT_EQ(SliderHint(SliderHintStyle::Shift, "Hue", 70), "Hue (-30%)");
  EXPECT_EQ(SliderHint(SliderHintStyle::Shift, "Hue", 100), "Hue (+0%)");
  EXPECT_EQ(SliderHint(SliderHintStyle::Percent, "Opacity", 35), "Opacity (35%)");
}

TEST(ColourSliders, EveryParameterButTheTintHasOneSliderAtItsNeutralMiddle) {
  const ColourParameters neutral;
  for (const ColourSlider& s : kColourSliders) {
    const int32_t middle = GetField(neutral, s.field);
    EXPECT_TRUE(middle == s.max / 2 || (s.field == ColourField::Opacity && middle == s.max)) << s.name;
  }
  EXPECT_EQ(kColourSliders.size(), 8u);
}

}  // namespace
}  // namespace lumena
