#include "media/snapshot.h"

#include <algorithm>

#include "images/pixel_routines.h"

namespace lumena {

namespace {

// a * b / c rounded, at least 1, for positive numbers.
int64_t ScaledSide(int64_t a, int64_t b, int64_t c) { return std::max<int64_t>(1, (a * b + c / 2) / c); }

}  // namespace

Rect CoverCut(int width, int height, int targetWidth, int targetHeight) {
  if (width <= 0 || height <= 0 || targetWidth <= 0 || targetHeight <= 0) return {};
  const bool wider = int64_t{width} * targetHeight >= int64_t{targetWidth} * height;
  const auto keptWidth = static_cast<int32_t>(wider ? ScaledSide(height, targetWidth, targetHeight) : width);
  const auto keptHeight = static_cast<int32_t>(wider ? height : ScaledSide(width, targetHeight, targetWidth));
  const int32_t left = (width - keptWidth) / 2, top = (height - keptHeight) / 2;
  return {left, top, left + keptWidth, top + keptHeight};
}

Picture CoverAndCut(const Picture& frame, int targetWidth, int targetHeight) {
  if (frame.Empty()) return {};
  Picture cut(targetWidth, targetHeight);
  const Rect whole{0, 0, targetWidth, targetHeight};
  const Rect kept = CoverCut(frame.Width(), frame.Height(), targetWidth, targetHeight);
  // The cut is taken first and stretched over the whole target, never
  // stretched past the target's edges.
  if (kept == Rect{0, 0, frame.Width(), frame.Height()})
    StretchOpaque(cut, whole, frame);
  else
    StretchOpaque(cut, whole, CropPicture(frame, {kept.left, kept.top, kept.right - 1, kept.bottom - 1}));
  return cut;
}

Picture SnapshotOf(const Picture& frame) { return CoverAndCut(frame, kSnapshotWidth, kSnapshotHeight); }

std::optional<size_t> SnapshotFormat(std::span<const CaptureFormat> formats) {
  for (size_t i = 0; i < formats.size(); ++i)
    if (formats[i].width == kSnapshotWidth && formats[i].height == kSnapshotHeight) return i;
  return std::nullopt;
}

}  // namespace lumena
