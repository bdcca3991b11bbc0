#include "workfile/work_preview.h"

#include <algorithm>
#include <stdexcept>

#include "images/jpeg_codec.h"
#include "images/stretch.h"
#include "images/zlib_stream.h"
#include "platform/data_file.h"
#include "platform/file_error.h"
#include "workfile/compound_file.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_limits.h"
#include "workfile/work_kind.h"
#include "workfile/work_snapshot.h"

namespace lumena {

namespace {

constexpr int kPreviewQuality = 70;

// The size the picture is drawn at inside width x height: kept when it fits
// (exactly, or smaller both ways), else scaled along the axis that limits it
// so that it always stays inside.
std::pair<int, int> FittedSize(int w, int h, int width, int height) {
  if ((w == width && h == height) || (w < width && h < height)) return {w, h};
  const auto scaled = [](int side, int to, int from, int limit) {
    return static_cast<int>(std::clamp<int64_t>(int64_t{side} * to / from, 1, limit));
  };
  if (int64_t{w} * height >= int64_t{h} * width) return {width, scaled(h, width, w, height)};
  return {scaled(w, height, h, width), height};
}

Picture Filled(int width, int height, uint32_t colour) {
  Picture picture(width, height);
  const Pixel p{ColorBlue(colour), ColorGreen(colour), ColorRed(colour), 255};
  std::fill(picture.Pixels().begin(), picture.Pixels().end(), p);
  return picture;
}

std::optional<uint32_t> ReadU32(std::FILE* in) {
  uint8_t b[4];
  if (std::fread(b, 1, 4, in) != 4) return std::nullopt;
  return b[0] | (b[1] << 8) | (b[2] << 16) | (uint32_t{b[3]} << 24);
}

// Only the preview block is read: the layers after it are not needed.
std::optional<std::vector<uint8_t>> CompressedPreview(const std::filesystem::path& path) {
  UniqueFile in;
  try {
    in = OpenDataFile(path);
  } catch (const EFileError&) {
    return std::nullopt;
  }
  std::error_code ec;
  const uint64_t fileSize = std::filesystem::file_size(path, ec);
  if (ec || !ReadU32(in.get())) return std::nullopt;
  const auto tocLength = ReadU32(in.get());
  if (!tocLength || *tocLength > fileSize || std::fseek(in.get(), *tocLength, SEEK_CUR) != 0) return std::nullopt;
  const auto previewLength = ReadU32(in.get());
  const long position = std::ftell(in.get());
  if (!previewLength || position < 0 || *previewLength > fileSize - std::min<uint64_t>(fileSize, position))
    return std::nullopt;
  std::vector<uint8_t> block(*previewLength);
  if (std::fread(block.data(), 1, block.size(), in.get()) != block.size()) return std::nullopt;
  return InflateStream(block, kMaxPreviewBytes);
}

}  // namespace

Picture PreviewPicture(const Picture& picture, int width, int height, uint32_t background) {
  if (width < 1 || height < 1) throw std::invalid_argument("preview size out of range");
  Picture canvas = Filled(width, height, background);
  if (!picture.Empty()) {
    const auto [w, h] = FittedSize(picture.Width(), picture.Height(), width, height);
    Picture fitted(w, h);
    StretchThumbnail(fitted, {0, 0, w, h}, picture);
    const int left = (width - w) / 2, top = (height - h) / 2;
    for (int y = 0; y < h; ++y) std::ranges::copy(fitted.Row(y), canvas.Row(top + y).begin() + left);
  }
  return canvas;
}

std::vector<uint8_t> MakePreviewJpeg(const Picture& picture, int width, int height, uint32_t background) {
  return EncodeJpeg(PreviewPicture(picture, width, height, background), kPreviewQuality);
}

std::optional<std::vector<uint8_t>> ReadWorkPreview(const std::filesystem::path& path) {
  if (IsCompressedWorkPath(path)) return CompressedPreview(path);
  try {
    return CompoundReader(path).FindStream(kPreviewStreamName, kMaxPreviewBytes);
  } catch (const EFileError&) {
    return std::nullopt;
  } catch (const EFormatError&) {
    return std::nullopt;
  }
}

}  // namespace lumena
