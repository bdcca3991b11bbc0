// eyechecker PICTURE [ANSWER]: finds the face and both eyes on a portrait
// and writes where the eyes are ("lumenaeyes.ini" beside the picture when
// no answer file is named). Exit status 0 whenever it wrote an answer.
#include <filesystem>
#include <iostream>
#include <optional>

#include "eye_detector.h"
#include "platform/file_error.h"
#include "portrait/eye_answer.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: eyechecker PICTURE [ANSWER]\n";
    return 2;
  }
  const std::filesystem::path picture = argv[1];
  const std::filesystem::path answer =
      argc == 3 ? std::filesystem::path(argv[2]) : picture.parent_path() / lumena::kEyeAnswerFileName;
  std::optional<lumena::EyePositions> eyes;
  try {
    eyes = lumena::tools::FindEyes(picture);
  } catch (const std::exception& e) {
    // A picture that cannot be read has no eyes to find.
    std::cerr << "eyechecker: " << e.what() << "\n";
  }
  try {
    lumena::WriteEyeAnswer(answer, eyes);
  } catch (const lumena::EFileError& e) {
    std::cerr << "eyechecker: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
