#pragma once
// What the open-picture dialog's preview panel shows: the picture a file
// holds, the label about it, and where the paint box draws it.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "images/picture.h"
#include "images/rect.h"

namespace lumena {

// The label over the preview: the picture's size, or this without one.
inline constexpr std::string_view kNoPreviewLabel = "Picture:";
// " (<width>x<height>)".
std::string OpenPreviewLabel(int width, int height);

// Where a picture of `width` x `height` is drawn in a box: centred at its own
// size when it fits; otherwise scaled, keeping its proportions, to the box's
// width when it is wider than high and to its height otherwise, at the top
// left. The scaled picture may still overhang the box on its other side.
Rect OpenPreviewPlace(int width, int height, int boxWidth, int boxHeight);

// The picture shown for a file, chosen by its lower-cased extension: JPEG
// through our codec, element pictures, the preview a work carries, anything
// else through the imaging library. Nothing when the file is missing or
// holds no picture we read.
std::optional<Picture> LoadOpenPreview(const std::filesystem::path& path);

}  // namespace lumena
