// Which layer lies under a table point.
#include "work/work_desk.h"

namespace lumena {

int TWorkDesk::HitTest(int32_t x, int32_t y, bool ctrl, bool cycle) const {
  const auto hit = [&](int i) {
    const TLayer& l = *Layers_[i];
    return l.Visible() && l.Contains(x, y) && l.WorkPicture().At(x - l.X(), y - l.Y()).a != 0;
  };
  // Ctrl keeps the active layer anywhere in its rectangle; a hidden one is
  // never hit.
  const TLayer* active = ActiveLayer();
  const bool inActive = ctrl && active && active->Visible() && active->Contains(x, y);
  if (!cycle) {
    if (inActive) return ActiveIndex_;
    for (int i = 0; i < Count(); ++i)
      if (hit(i)) return i;
    return -1;
  }
  for (int i = ActiveIndex_ + 1; i < Count(); ++i)
    if (hit(i)) return i;
  for (int i = 0; i <= ActiveIndex_; ++i)
    if (hit(i)) return i;
  return inActive ? ActiveIndex_ : -1;
}

}  // namespace lumena
