#include "work/value_ranges.h"

#include <algorithm>

namespace lumena {

int32_t ClampedPosition(int32_t value) { return std::clamp(value, -kMaxTablePosition, kMaxTablePosition); }

int32_t ClampedSide(int32_t value) { return std::clamp(value, 0, kMaxPictureSide); }

void ClampToRanges(ColourParameters& p) {
  p.Color = std::clamp(p.Color, kNoTint, kMaxTint);
  for (int32_t* factor : {&p.Red, &p.Green, &p.Blue}) *factor = std::clamp(*factor, 0, kMaxChannelFactor);
  for (int32_t* shift : {&p.Hue, &p.Saturation, &p.Brightness, &p.Contrast}) *shift = std::clamp(*shift, 0, kMaxShift);
  p.Opacity = std::min<uint8_t>(p.Opacity, kMaxOpacity);
}

void ClampToRanges(TLayerRecord& record) {
  record.X = ClampedPosition(record.X);
  record.Y = ClampedPosition(record.Y);
  record.Width = ClampedSide(record.Width);
  record.Height = ClampedSide(record.Height);
  record.Visible = record.Visible != 0 ? 1 : 0;
  ClampToRanges(record.Params);
}

}  // namespace lumena
