#pragma once
// The face and eyes on a picture, found with OpenCV's Haar cascades.
#include <filesystem>
#include <optional>

#include "portrait/eye_answer.h"

namespace lumena::tools {

// The eyes of the largest frontal face that has a plausible pair, in pixels
// of the picture; nothing when no face or no pair is found. Throws when the
// picture cannot be read or the cascades are missing.
std::optional<EyePositions> FindEyes(const std::filesystem::path& picture);

}  // namespace lumena::tools
