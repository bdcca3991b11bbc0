#include "editing/colour_sliders.h"

#include <cstdlib>

namespace lumena {

std::string SliderHint(SliderHintStyle style, std::string_view text, int32_t value) {
  std::string shown;
  if (style == SliderHintStyle::Percent) {
    shown = std::to_string(value);
  } else {
    const int32_t change = style == SliderHintStyle::Channel ? 2 * value - 100 : value - 100;
    shown = (change < 0 ? "-" : "+") + std::to_string(std::abs(change));
  }
  return std::string(text) + " (" + shown + "%)";
}

}  // namespace lumena
