#include "editing/tool_sliders.h"

#include <gtest/gtest.h>

#include "editing/scripted_questions.h"
#include "work/work_desk_test_host.h"

namespace lumena {
namespace {

TEST(ToolSliders, EachSliderSetsItsToolsSettingAndTheStartMatchesTheDefaults) {
  testing::DeskFixture f;
  testing::ScriptedQuestions questions;
  EditingSession session(f.desk, questions);
  DeskPointer pointer(session);
  for (const ToolSlider& s : kToolSliders) ApplyToolSlider(pointer, s, kToolSliderStart);
  for (const PaintToolSettings& t : {pointer.brush, pointer.eraser, pointer.modifier}) {
    EXPECT_EQ(t.radius, PaintToolSettings{}.radius);
    EXPECT_EQ(t.power, PaintToolSettings{}.power);
  }
  ApplyToolSlider(pointer, kToolSliders[1], 7);   // brush size
  ApplyToolSlider(pointer, kToolSliders[2], 90);  // eraser power
  ApplyToolSlider(pointer, kToolSliders[5], 1);   // modifier size
  EXPECT_EQ(pointer.brush.radius, 3);
  EXPECT_EQ(pointer.eraser.power, 90);
  EXPECT_EQ(pointer.modifier.radius, 1) << "never below one";
  EXPECT_EQ(pointer.brush.power, 50) << "the others stay";
}

}  // namespace
}  // namespace lumena
