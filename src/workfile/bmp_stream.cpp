#include "workfile/bmp_stream.h"

#include <cstring>
#include <limits>

#include "images/byte_cursor.h"
#include "images/byte_writer.h"
#include "workfile/work_file_error.h"

namespace lumena {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
// A version 4 info header, so that readers which honour only an explicit
// alpha mask keep the opacity.
constexpr uint32_t kInfoHeaderSize = 108;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kRgb = 0;

[[noreturn]] void Damaged(const char* what) { throw EWorkFileError(std::string("Damaged layer bitmap: ") + what); }

template <typename T>
T Need(std::optional<T> value) {
  if (!value) Damaged("headers cut short");
  return *value;
}

struct BmpLayout {
  uint32_t dataOffset = 0;
  int32_t width = 0;
  int32_t height = 0;  // negative: rows from the top
};

BmpLayout ReadHeaders(std::span<const uint8_t> bytes) {
  ByteCursor c(bytes);
  if (Need(c.U16le()) != 0x4D42) Damaged("no \"BM\" signature");
  c.Skip(8);
  BmpLayout layout;
  layout.dataOffset = Need(c.U32le());
  const uint32_t infoSize = Need(c.U32le());
  if (infoSize < 40) Damaged("info header too small");
  layout.width = static_cast<int32_t>(Need(c.U32le()));
  layout.height = static_cast<int32_t>(Need(c.U32le()));
  Need(c.U16le());  // planes
  if (Need(c.U16le()) != 32) Damaged("not 32 bits per pixel");
  const uint32_t compression = Need(c.U32le());
  if (compression != kRgb && compression != kBitFields) Damaged("compressed pixel data");
  return layout;
}

}  // namespace

std::vector<uint8_t> EncodeBmp32(const Picture& picture) {
  const auto w = static_cast<uint32_t>(picture.Width()), h = static_cast<uint32_t>(picture.Height());
  const uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;
  const uint64_t total = dataOffset + uint64_t{w} * h * 4;
  if (total > std::numeric_limits<uint32_t>::max()) throw EWorkFileError("Layer picture too large for a bitmap");
  std::vector<uint8_t> out;
  out.reserve(total);
  ByteWriter writer(out);
  writer.U16le(0x4D42);
  for (uint32_t v : {static_cast<uint32_t>(total), 0u, dataOffset, kInfoHeaderSize, w, h}) writer.U32le(v);
  writer.U16le(1);   // planes
  writer.U16le(32);  // bits per pixel
  // compression, data size, 72 dpi both ways, no palette
  for (uint32_t v : {kBitFields, w * h * 4, 2835u, 2835u, 0u, 0u}) writer.U32le(v);
  for (uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) writer.U32le(mask);
  writer.U32le(0x73524742);   // "sRGB"
  out.resize(dataOffset, 0);  // endpoints and gamma unused
  for (int y = picture.Height() - 1; y >= 0; --y) {
    const auto row = picture.Row(y);
    writer.Bytes({reinterpret_cast<const uint8_t*>(row.data()), row.size() * sizeof(Pixel)});
  }
  return out;
}

Bmp32Size ReadBmp32Size(std::span<const uint8_t> bytes) {
  const BmpLayout layout = ReadHeaders(bytes);
  const int64_t height = layout.height < 0 ? -int64_t{layout.height} : layout.height;
  if (layout.width <= 0 || height == 0 || layout.width > kMaxPictureSide || height > kMaxPictureSide)
    Damaged("picture size out of range");
  return {layout.width, static_cast<int>(height)};
}

Picture DecodeBmp32(std::span<const uint8_t> bytes) {
  const BmpLayout layout = ReadHeaders(bytes);
  const Bmp32Size size = ReadBmp32Size(bytes);
  const uint64_t rowBytes = uint64_t(size.width) * 4;
  if (layout.dataOffset > bytes.size() || bytes.size() - layout.dataOffset < rowBytes * uint64_t(size.height))
    Damaged("pixel data cut short");
  Picture picture(size.width, size.height);
  for (int y = 0; y < picture.Height(); ++y) {
    const int stored = layout.height < 0 ? y : picture.Height() - 1 - y;
    std::memcpy(picture.Row(y).data(), bytes.data() + layout.dataOffset + rowBytes * uint64_t(stored), rowBytes);
  }
  return picture;
}

}  // namespace lumena
