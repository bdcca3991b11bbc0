#include "workfile/open_preview.h"

#include <cstdint>
#include <system_error>

#include "images/element_picture.h"
#include "images/jpeg_codec.h"
#include "images/library_picture.h"
#include "platform/data_file.h"
#include "platform/file_error.h"
#include "platform/text.h"
#include "workfile/work_kind.h"
#include "workfile/work_preview.h"

namespace lumena {

namespace {

std::optional<Picture> LoadJpegPreview(const std::filesystem::path& path) { return TryDecodeJpeg(ReadDataFile(path)); }

std::optional<Picture> LoadElementPreview(const std::filesystem::path& path) {
  Picture picture;
  LoadElementPicture(picture, path);
  return picture;
}

std::optional<Picture> LoadWorkPreview(const std::filesystem::path& path) {
  const std::optional<std::vector<uint8_t>> jpeg = ReadWorkPreview(path);
  if (!jpeg) return std::nullopt;
  return TryDecodeJpeg(*jpeg);
}

std::optional<Picture> LoadLibraryPreview(const std::filesystem::path& path) {
  return ReadPictureThroughLibrary(path, PictureSource::UserPicked).picture;
}

std::optional<Picture> LoadByExtension(const std::filesystem::path& path) {
  const std::string extension = ToLower(path.extension().string());
  if (extension == ".jpg" || extension == ".jpeg") return LoadJpegPreview(path);
  if (extension == ".psd") return LoadElementPreview(path);
  if (IsWorkPath(path)) return LoadWorkPreview(path);
  return LoadLibraryPreview(path);
}

// Multiply first, in 64 bits, so that small sides keep their precision.
int32_t Scaled(int side, int numerator, int denominator) {
  return static_cast<int32_t>(int64_t{side} * numerator / denominator);
}

}  // namespace

std::string OpenPreviewLabel(int width, int height) {
  return " (" + std::to_string(width) + "x" + std::to_string(height) + ")";
}

Rect OpenPreviewPlace(int width, int height, int boxWidth, int boxHeight) {
  if (width <= boxWidth && height <= boxHeight) {
    const int left = (boxWidth - width) / 2, top = (boxHeight - height) / 2;
    return Rect{left, top, left + width, top + height};
  }
  if (width > height) return Rect{0, 0, boxWidth, Scaled(height, boxWidth, width)};
  return Rect{0, 0, Scaled(width, boxHeight, height), boxHeight};
}

std::optional<Picture> LoadOpenPreview(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  try {
    std::optional<Picture> picture = LoadByExtension(path);
    if (picture && picture->Empty()) return std::nullopt;
    return picture;
  } catch (const EFileError&) {
    return std::nullopt;
  } catch (const EFormatError&) {
    return std::nullopt;
  }
}

}  // namespace lumena
