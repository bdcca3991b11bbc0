#pragma once
// The camera's snapshot: whatever the frame's size, a 640 by 480 portrait
// cut from the middle of the frame scaled to cover it.
#include <cstddef>
#include <optional>
#include <span>

#include "images/picture.h"
#include "images/rect.h"
#include "media/video_capture.h"

namespace lumena {

inline constexpr int kSnapshotWidth = 640, kSnapshotHeight = 480;

// The part of a `width` by `height` frame that, scaled keeping its
// proportions, covers a `targetWidth` by `targetHeight` picture: the middle,
// the overhang cut evenly from both ends.
Rect CoverCut(int width, int height, int targetWidth, int targetHeight);
// The middle of the frame, scaled to cover the target size; opaque. An
// empty frame gives an empty picture.
Picture CoverAndCut(const Picture& frame, int targetWidth, int targetHeight);
Picture SnapshotOf(const Picture& frame);

// The format that gives snapshots without scaling: the first of the
// snapshot's size.
std::optional<size_t> SnapshotFormat(std::span<const CaptureFormat> formats);

}  // namespace lumena
