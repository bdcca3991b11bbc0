#include "eye_detector.h"

#include <algorithm>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>
#include <stdexcept>
#include <vector>

#include "images/picture_file.h"
#include "portrait/eye_pair.h"

namespace lumena::tools {

namespace {

// Detection runs on a picture of at most this side: faces stay large
// enough to find, and a 40-megapixel photo takes no longer than a small one.
constexpr int kDetectionSide = 800;
const std::string kCascades = LUMENA_HAAR_CASCADES;

cv::CascadeClassifier LoadCascade(const std::string& name) {
  cv::CascadeClassifier cascade(kCascades + "/" + name);
  if (cascade.empty()) throw std::runtime_error("cannot load the cascade " + name);
  return cascade;
}

// Grey levels of the picture; formats OpenCV does not read come through our
// picture layer.
cv::Mat ReadGrey(const std::filesystem::path& picture) {
  cv::Mat grey = cv::imread(picture.string(), cv::IMREAD_GRAYSCALE);
  if (!grey.empty()) return grey;
  const Picture loaded = LoadPictureFile(picture);
  const cv::Mat bgra(loaded.Height(), loaded.Width(), CV_8UC4, const_cast<uint8_t*>(loaded.Bytes()));
  cv::cvtColor(bgra, grey, cv::COLOR_BGRA2GRAY);
  return grey;
}

Rect RectOf(const cv::Rect& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

}  // namespace

std::optional<EyePositions> FindEyes(const std::filesystem::path& picture) {
  const cv::Mat full = ReadGrey(picture);
  const double scale = std::min(1.0, static_cast<double>(kDetectionSide) / std::max(full.cols, full.rows));
  cv::Mat small;
  cv::resize(full, small, cv::Size(), scale, scale, cv::INTER_AREA);
  cv::equalizeHist(small, small);

  cv::CascadeClassifier faces = LoadCascade("haarcascade_frontalface_default.xml");
  cv::CascadeClassifier eyes = LoadCascade("haarcascade_eye.xml");
  std::vector<cv::Rect> found;
  const int smallest = std::max(24, std::min(small.cols, small.rows) / 8);
  faces.detectMultiScale(small, found, 1.1, 5, 0, cv::Size(smallest, smallest));
  // The largest face first: a second, smaller face in the picture is not
  // the portrait.
  std::sort(found.begin(), found.end(), [](const cv::Rect& a, const cv::Rect& b) { return a.area() > b.area(); });
  for (const cv::Rect& face : found) {
    const cv::Rect upper(face.x, face.y, face.width, face.height * 6 / 10);
    std::vector<cv::Rect> eyeBoxes;
    const int eyeSide = std::max(8, face.width / 10);
    eyes.detectMultiScale(small(upper), eyeBoxes, 1.05, 3, 0, cv::Size(eyeSide, eyeSide),
                          cv::Size(face.width / 2, face.width / 2));
    std::vector<Rect> boxes;
    for (const cv::Rect& box : eyeBoxes) boxes.push_back(RectOf(box + upper.tl()));
    const std::optional<EyePositions> pair = ChooseEyePair(boxes, RectOf(face));
    if (!pair) continue;
    const auto back = [scale](const Point& p) {
      return Point{static_cast<int32_t>(std::lround(p.x / scale)), static_cast<int32_t>(std::lround(p.y / scale))};
    };
    return EyePositions{back(pair->right), back(pair->left)};
  }
  return std::nullopt;
}

}  // namespace lumena::tools
