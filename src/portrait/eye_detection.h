#pragma once
// The files of one run of the eye detector: the portrait as a 24-bit bitmap
// and the answer, in a private folder removed afterwards. The window runs
// the detector between writing and reading without blocking its painting;
// the command line waits for it.
#include <filesystem>
#include <optional>
#include <vector>

#include "images/picture.h"
#include "platform/private_temp_folder.h"
#include "portrait/eye_answer.h"

namespace lumena {

// The detector gets this long, then is stopped.
inline constexpr int kEyeDetectorMilliseconds = 10000;

class EyeDetectionRun {
 public:
  // Throws EFileError when no private folder can be made, false from
  // WritePortrait when the bitmap cannot be written.
  EyeDetectionRun();
  bool WritePortrait(const Picture& portrait);
  // The detector's arguments: the bitmap and the answer file.
  std::vector<std::string> Arguments() const;
  // The eyes found, when they lie in the picture in their order.
  std::optional<EyePositions> ReadAnswer() const;

 private:
  PrivateTempFolder folder_{"lumena-eyes"};
  std::filesystem::path bitmap_, answer_;
  int width_ = 0, height_ = 0;
};

// Runs the detector to its end (at most kEyeDetectorMilliseconds); nothing
// when it is missing, fails or finds no eyes.
std::optional<EyePositions> DetectEyesAndWait(const std::filesystem::path& detector, const Picture& portrait);

}  // namespace lumena
