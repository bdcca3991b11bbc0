#pragma once
// The template strip of the main window: a row of slots showing a window
// of the template buttons, scrolled one button at a time, and the repeat of
// a held scroll button.
#include <functional>

namespace lumena {

class TemplateStrip {
 public:
  // Starts before the first button, "previous" pressed, and takes one step
  // forward, as the window does when it is made.
  TemplateStrip(int buttons, int slots);

  // One button on; false at the end of the strip.
  bool Next();
  // One button back; false at the start.
  bool Previous();

  int First() const { return first_; }
  // The slot a button stands in; -1 when it is hidden.
  int SlotOf(int button) const;
  // The end-of-strip looks of the two scroll buttons.
  bool PreviousPressed() const { return previousPressed_; }
  bool NextPressed() const { return nextPressed_; }

 private:
  int buttons_, slots_;
  int first_ = -1;
  bool previousPressed_ = true;
  bool nextPressed_ = false;
};

// The timer a held scroll button runs on; the window's is a QTimer.
class RepeatTimer {
 public:
  virtual ~RepeatTimer() = default;
  virtual void Start(int milliseconds) = 0;
  virtual void Stop() = 0;
};

// Holding a scroll button steps again after 500 ms, then every 150 ms,
// until it is released.
class ScrollRepeat {
 public:
  static constexpr int kFirstDelay = 500;
  static constexpr int kInterval = 150;

  ScrollRepeat(RepeatTimer& timer, std::function<void()> step) : timer_(timer), step_(std::move(step)) {}
  void Press();
  void Tick();
  void Release();

 private:
  RepeatTimer& timer_;
  std::function<void()> step_;
  bool held_ = false;
};

}  // namespace lumena
