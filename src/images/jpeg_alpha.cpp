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
  content.reserve(kLengthsSize + jpeg.size() + picture.Pixels().size());
  ByteWriter writer(content);
  writer.U32le(static_cast<uint32_t>(jpeg.size()));
  writer.U32le(static_cast<uint32_t>(picture.Pixels().size()));
  writer.Bytes(jpeg);
  for (const Pixel& p : picture.Pixels()) writer.U8(p.a);
  return DeflateStream(content);
}

std::optional<Picture> DecodeJpegAlpha(std::span<const uint8_t> stream) {
  Inflater inflater(stream);
  if (!inflater.FillTo(kLengthsSize) || inflater.Output().size() < kLengthsSize) return std::nullopt;
  ByteCursor lengths(inflater.Output());
  const uint64_t jpegSize = *lengths.U32le();
  const uint64_t planeSize = *lengths.U32le();
  const uint64_t needed = kLengthsSize + jpegSize + planeSize;
  if (needed > kDefaultInflateLimit) return std::nullopt;
  // The JPEG's header must declare exactly as many pixels as the plane has
  // bytes before the plane is inflated or the picture allocated.
  const uint64_t jpegEnd = kLengthsSize + jpegSize;
  if (!inflater.FillTo(static_cast<size_t>(jpegEnd)) || inflater.Output().size() < jpegEnd) return std::nullopt;
  const auto size = ParseJpegSize(inflater.Output().subspan(kLengthsSize, jpegSize));
  if (!size || uint64_t{size->width} * size->height != planeSize) return std::nullopt;
  if (!inflater.FillTo(static_cast<size_t>(needed)) || inflater.Output().size() < needed) return std::nullopt;
  const auto content = inflater.Output();
  auto picture = TryDecodeJpeg(content.subspan(kLengthsSize, jpegSize), planeSize);
  const auto plane = content.subspan(jpegEnd, planeSize);
  if (!picture || picture->Pixels().size() != plane.size()) return std::nullopt;
  auto pixels = picture->Pixels();
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i].a = plane[i];
  return picture;
}

}  // namespace lumena
