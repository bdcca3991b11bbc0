#pragma once
// The preview every work file carries: the composed work fitted into 150 by
// 150 pixels on white, as a JPEG file at quality 70.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "images/picture.h"

namespace lumena {

inline constexpr int kWorkPreviewSide = 150;
inline constexpr uint32_t kWhite = 0xFFFFFF;

// The picture fitted into width x height on the background colour (red +
// green * 256 + blue * 65536): a picture of exactly the size, or smaller in
// both directions, keeps its size; otherwise the side that limits it takes
// the target's length (the longer side, for a square target) and the other
// is scaled in proportion; the result is centred and never leaves the
// target. Transparent parts come out black. Throws std::invalid_argument for
// a target side below 1 or above the largest picture side.
Picture PreviewPicture(const Picture& picture, int width, int height, uint32_t background);
// That picture as a JPEG file at quality 70.
std::vector<uint8_t> MakePreviewJpeg(const Picture& picture, int width, int height, uint32_t background);

// The preview's JPEG bytes of a work file of either kind, read without
// loading the work; nothing when the file has none or cannot be read.
std::optional<std::vector<uint8_t>> ReadWorkPreview(const std::filesystem::path& path);

}  // namespace lumena
