#include "portrait/eye_detection.h"

#include "images/library_picture.h"
#include "images/pixel_routines.h"
#include "platform/file_error.h"
#include "platform/run_program.h"

namespace lumena {

EyeDetectionRun::EyeDetectionRun()
    : bitmap_(folder_.Path() / "eyesdetect.bmp"), answer_(folder_.Path() / kEyeAnswerFileName) {}

bool EyeDetectionRun::WritePortrait(const Picture& portrait) {
  Picture opaque = portrait;
  SetAlpha(opaque, 255);
  width_ = portrait.Width();
  height_ = portrait.Height();
  return SavePictureThroughLibrary(opaque, bitmap_, kFormatBmp) != 0;
}

std::vector<std::string> EyeDetectionRun::Arguments() const { return {bitmap_.string(), answer_.string()}; }

std::optional<EyePositions> EyeDetectionRun::ReadAnswer() const {
  const std::optional<EyePositions> eyes = ReadEyeAnswer(answer_);
  if (!eyes || !EyesFitPicture(*eyes, width_, height_)) return std::nullopt;
  return eyes;
}

std::optional<EyePositions> DetectEyesAndWait(const std::filesystem::path& detector, const Picture& portrait) {
  if (portrait.Empty() || !std::filesystem::is_regular_file(detector)) return std::nullopt;
  try {
    EyeDetectionRun run;
    if (!run.WritePortrait(portrait)) return std::nullopt;
    const std::optional<int> status = RunProgram(detector, run.Arguments(), kEyeDetectorMilliseconds);
    if (status != 0) return std::nullopt;
    return run.ReadAnswer();
  } catch (const EFileError&) {
    return std::nullopt;  // without a folder of its own the detector is not run
  }
}

}  // namespace lumena
