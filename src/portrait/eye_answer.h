#pragma once
// The eye detector's answer file ("lumenaeyes.ini"): section "Info" with
// "Detected" and the two eyes in pixels of the picture. The subject's right
// eye is the left one in the picture.
#include <filesystem>
#include <optional>

#include "images/rect.h"

namespace lumena {

inline constexpr const char* kEyeAnswerFileName = "lumenaeyes.ini";

struct EyePositions {
  Point right;  // the subject's right eye: left in the picture
  Point left;
  friend bool operator==(const EyePositions&, const EyePositions&) = default;
};

// Writes the answer; nothing found is written as "Detected=0". Throws
// EFileError when the file cannot be written.
void WriteEyeAnswer(const std::filesystem::path& file, const std::optional<EyePositions>& eyes);

// The eyes of an answer file, when it says it found them and gives all
// four numbers; nothing for a missing, unreadable or negative answer.
std::optional<EyePositions> ReadEyeAnswer(const std::filesystem::path& file);

// An answer is used only when the eyes lie inside the picture, the
// subject's right eye left of the other.
bool EyesFitPicture(const EyePositions& eyes, int width, int height);

}  // namespace lumena
