#include "images/row_bands.h"

#include <thread>

namespace lumena {

void ForRowBands(int top, int bottom, int64_t pixels, const std::function<void(int top, int bottom)>& band) {
  static const bool twoCores = std::thread::hardware_concurrency() >= 2;
  if (pixels < kPixelsWorthASecondThread || bottom - top < 2 || !twoCores) {
    band(top, bottom);
    return;
  }
  const int middle = top + (bottom - top) / 2;
  std::thread lower([&] { band(middle, bottom); });
  band(top, middle);
  lower.join();
}

}  // namespace lumena
