#include <array>

#include "images/psd_codec.h"

namespace lumena {

namespace {

constexpr size_t kWrittenHeaderSize = 40;

void putBigEndian(std::span<uint8_t> header, size_t offset, uint32_t value, int size) {
  for (int i = size - 1; i >= 0; --i, value >>= 8) header[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(value);
}

// Version 1, four channels, 8 bits, RGB; the reserved bytes, the three empty
// section lengths and compression 0 (raw) stay zero.
std::array<uint8_t, kWrittenHeaderSize> header(const Picture& picture) {
  std::array<uint8_t, kWrittenHeaderSize> h{'8', 'B', 'P', 'S'};
  putBigEndian(h, 4, 1, 2);
  putBigEndian(h, 12, 4, 2);
  putBigEndian(h, 14, static_cast<uint32_t>(picture.height()), 4);
  putBigEndian(h, 18, static_cast<uint32_t>(picture.width()), 4);
  putBigEndian(h, 22, 8, 2);
  putBigEndian(h, 24, 3, 2);
  return h;
}

}  // namespace

std::vector<uint8_t> EncodePsd(const Picture& picture) {
  const auto head = header(picture);
  std::vector<uint8_t> out(head.begin(), head.end());
  out.reserve(kWrittenHeaderSize + picture.byteCount());
  for (int byte : kPsdChannelByte) {
    for (const Pixel& p : picture.pixels()) out.push_back(reinterpret_cast<const uint8_t*>(&p)[byte]);
  }
  return out;
}

}  // namespace lumena
