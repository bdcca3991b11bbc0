#pragma once
// Choosing the two eyes of a face among the boxes a detector found: both
// in the face's upper half, one each side of its middle, of like size, near
// one level and a plausible distance apart.
#include <optional>
#include <span>

#include "images/rect.h"
#include "portrait/eye_answer.h"

namespace lumena {

// The eye centres of the most plausible pair, or nothing when no two boxes
// make a pair.
std::optional<EyePositions> ChooseEyePair(std::span<const Rect> boxes, const Rect& face);

}  // namespace lumena
