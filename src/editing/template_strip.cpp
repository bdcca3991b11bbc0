#include "editing/template_strip.h"

namespace lumena {

TemplateStrip::TemplateStrip(int buttons, int slots) : buttons_(buttons), slots_(slots) { Next(); }

bool TemplateStrip::Next() {
  if (first_ != -1 && first_ >= buttons_ - slots_) return false;
  ++first_;
  if (first_ > 0) previousPressed_ = false;
  nextPressed_ = buttons_ - slots_ - first_ <= 0;
  return true;
}

bool TemplateStrip::Previous() {
  if (first_ <= 0) return false;
  --first_;
  previousPressed_ = first_ == 0;
  nextPressed_ = false;
  return true;
}

int TemplateStrip::SlotOf(int button) const {
  const int slot = button - first_;
  return button >= 0 && button < buttons_ && slot >= 0 && slot < slots_ ? slot : -1;
}

void ScrollRepeat::Press() {
  held_ = true;
  timer_.Start(kFirstDelay);
}

void ScrollRepeat::Tick() {
  timer_.Start(kInterval);
  if (held_) step_();
}

void ScrollRepeat::Release() {
  held_ = false;
  timer_.Stop();
}

}  // namespace lumena
