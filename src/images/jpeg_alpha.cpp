#include "images/jpeg_alpha.h"

#include "images/byte_cursor.h"
#include "images/byte_writer.h"
#include "images/jpeg_codec.h"
#include "images/zlib_stream.h"

namespace lumena {

namespace {

constexpr size_t kLengthsSize = 8;

}  // namespace

std::vector<uint8_t> EncodeJpegAlpha(const Picture& picture, int quality) {
  const std::vector<uint8_t> jpeg = EncodeJpeg(picture, quality);
  std::vector<uint8_t> content;
  content.reserve(kLengthsSize + jpeg.size() + picture.pixels().size());
  ByteWriter writer(content);
  writer.u32le(static_cast<uint32_t>(jpeg.size()));
  writer.u32le(static_cast<uint32_t>(picture.pixels().size()));
  writer.bytes(jpeg);
  for (const Pixel& p : picture.pixels()) writer.u8(p.a);
  return DeflateStream(content);
}

std::optional<Picture> DecodeJpegAlpha(std::span<const uint8_t> stream) {
  Inflater inflater(stream);
  if (!inflater.fillTo(kLengthsSize) || inflater.output().size() < kLengthsSize) return std::nullopt;
  ByteCursor lengths(inflater.output());
  const uint64_t jpegSize = *lengths.u32le();
  const uint64_t planeSize = *lengths.u32le();
  const uint64_t needed = kLengthsSize + jpegSize + planeSize;
  if (needed > kDefaultInflateLimit) return std::nullopt;
  // The JPEG's header must declare exactly as many pixels as the plane has
  // bytes before the plane is inflated or the picture allocated.
  const uint64_t jpegEnd = kLengthsSize + jpegSize;
  if (!inflater.fillTo(static_cast<size_t>(jpegEnd)) || inflater.output().size() < jpegEnd) return std::nullopt;
  const auto size = ReadJpegSize(inflater.output().subspan(kLengthsSize, jpegSize));
  if (!size || uint64_t{size->width} * size->height != planeSize) return std::nullopt;
  if (!inflater.fillTo(static_cast<size_t>(needed)) || inflater.output().size() < needed) return std::nullopt;
  const auto content = inflater.output();
  auto picture = DecodeJpeg(content.subspan(kLengthsSize, jpegSize), planeSize);
  const auto plane = content.subspan(jpegEnd, planeSize);
  if (!picture || picture->pixels().size() != plane.size()) return std::nullopt;
  auto pixels = picture->pixels();
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i].a = plane[i];
  return picture;
}

}  // namespace lumena
