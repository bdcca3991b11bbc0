#pragma once
// Where a slider's value lies along its track, and back.
#include <optional>

namespace lumena {

struct SliderTrack {
  int origin = 0;  // ResImageLeft (horizontal) or ResImageTop (vertical)
  int length = 0;  // the track cell's width (horizontal) or height (vertical)
  int beginOffset = 0;
  int endOffset = 0;
  int min = 0;
  int max = 100;
  bool reversed = false;

  int Start() const { return origin + beginOffset; }
  int End() const { return origin + length - endOffset; }
  int UsableLength() const { return length - beginOffset - endOffset; }
};

// The position that stands for `value` (halves rounded to even).
int ValuePix(const SliderTrack& track, int value);

// The value a press or drag at position p gives; nothing before the start
// or after the end of the track.
std::optional<int> ValueAtPosition(const SliderTrack& track, int p);

// The thumb's corner along the track: the value's position less the grab
// offset (or half the thumb), kept between 0 and sliderLength - thumbLength - 1.
int ThumbCorner(int valuePix, std::optional<int> grabOffset, int thumbLength, int sliderLength);

}  // namespace lumena
