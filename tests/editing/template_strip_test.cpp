#include "editing/template_strip.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumena {
namespace {

std::vector<int> Shown(const TemplateStrip& strip, int buttons) {
  std::vector<int> slots;
  for (int b = 0; b < buttons; ++b)
    if (strip.SlotOf(b) >= 0) slots.push_back(b);
  return slots;
}

TEST(TemplateStrip, StartsAtTheFirstButtonWithPreviousPressed) {
  const TemplateStrip strip(7, 5);
  EXPECT_EQ(strip.First(), 0);
  EXPECT_TRUE(strip.PreviousPressed());
  EXPECT_FALSE(strip.NextPressed());
  EXPECT_EQ(Shown(strip, 7), (std::vector{0, 1, 2, 3, 4}));
  EXPECT_EQ(strip.SlotOf(3), 3);
}

TEST(TemplateStrip, ScrollingStopsAtBothEnds) {
  TemplateStrip strip(7, 5);
  EXPECT_FALSE(strip.Previous()) << "already at the start";
  EXPECT_TRUE(strip.Next());
  EXPECT_FALSE(strip.PreviousPressed());
  EXPECT_TRUE(strip.Next());
  EXPECT_TRUE(strip.NextPressed()) << "the end-of-strip look";
  EXPECT_FALSE(strip.Next()) << "past the end nothing happens";
  EXPECT_EQ(strip.First(), 2);
  EXPECT_EQ(Shown(strip, 7), (std::vector{2, 3, 4, 5, 6}));
  EXPECT_EQ(strip.SlotOf(2), 0);
  EXPECT_TRUE(strip.Previous());
  EXPECT_FALSE(strip.NextPressed());
  EXPECT_FALSE(strip.PreviousPressed());
  EXPECT_TRUE(strip.Previous());
  EXPECT_TRUE(strip.PreviousPressed());
}

TEST(TemplateStrip, FewerButtonsThanSlotsShowsThemAllAndDoesNotScroll) {
  TemplateStrip strip(3, 5);
  EXPECT_TRUE(strip.NextPressed());
  EXPECT_FALSE(strip.Next());
  EXPECT_EQ(Shown(strip, 3), (std::vector{0, 1, 2}));
}

// A timer on a clock the test moves.
class FakeTimer : public RepeatTimer {
 public:
  void Start(int ms) override { due_ = now_ + ms; }
  void Stop() override { due_ = -1; }
  // Moves the clock, firing the timer each time it is due.
  void Advance(int ms, ScrollRepeat& repeat) {
    const int end = now_ + ms;
    while (due_ >= 0 && due_ <= end) {
      now_ = due_;
      due_ = -1;
      ticks.push_back(now_);
      repeat.Tick();
    }
    now_ = end;
  }
  std::vector<int> ticks;

 private:
  int now_ = 0, due_ = -1;
};

TEST(ScrollRepeat, AHeldButtonStepsAfter500MsThenEvery150Ms) {
  FakeTimer timer;
  int steps = 0;
  ScrollRepeat repeat(timer, [&] { ++steps; });
  repeat.Press();
  timer.Advance(499, repeat);
  EXPECT_EQ(steps, 0);
  timer.Advance(461, repeat);  // to 960 ms
  EXPECT_EQ(timer.ticks, (std::vector{500, 650, 800, 950}));
  EXPECT_EQ(steps, 4);
  repeat.Release();
  timer.Advance(1000, repeat);
  EXPECT_EQ(steps, 4) << "the release stops the repeat";
}

}  // namespace
}  // namespace lumena
