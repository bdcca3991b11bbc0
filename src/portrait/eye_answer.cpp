#include "portrait/eye_answer.h"

#include "platform/file_error.h"
#include "platform/ini_file.h"

namespace lumena {

namespace {
constexpr const char* kSection = "Info";
}  // namespace

void WriteEyeAnswer(const std::filesystem::path& file, const std::optional<EyePositions>& eyes) {
  IniFile answer(file);
  answer.EraseSection(kSection);
  answer.WriteInteger(kSection, "Detected", eyes ? 1 : 0);
  if (eyes) {
    answer.WriteInteger(kSection, "RightX1", eyes->right.x);
    answer.WriteInteger(kSection, "RightY1", eyes->right.y);
    answer.WriteInteger(kSection, "LeftX1", eyes->left.x);
    answer.WriteInteger(kSection, "LeftY1", eyes->left.y);
  }
  answer.Flush();
}

std::optional<EyePositions> ReadEyeAnswer(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  try {
    const IniFile answer(file);
    if (answer.ReadInteger(kSection, "Detected", 0) != 1) return std::nullopt;
    for (const char* key : {"RightX1", "RightY1", "LeftX1", "LeftY1"})
      if (!answer.KeyExists(kSection, key)) return std::nullopt;
    return EyePositions{{answer.ReadInteger(kSection, "RightX1", 0), answer.ReadInteger(kSection, "RightY1", 0)},
                        {answer.ReadInteger(kSection, "LeftX1", 0), answer.ReadInteger(kSection, "LeftY1", 0)}};
  } catch (const EFileError&) {
    return std::nullopt;
  }
}

bool EyesFitPicture(const EyePositions& eyes, int width, int height) {
  const auto inside = [height](const Point& p) { return p.y >= 0 && p.y < height; };
  return eyes.right.x >= 0 && eyes.right.x < eyes.left.x && eyes.left.x < width && inside(eyes.right) &&
         inside(eyes.left);
}

}  // namespace lumena
