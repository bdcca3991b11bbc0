#include <array>

#include "images/psd_codec.h"

namespace lumena {

namespace {

constexpr size_t kWrittenHeaderSize = 40;

void PutBigEndian(std::span<uint8_t> header, size_t offset, uint32_t value, int size) {
  for (int i = size - 1; i >= 0; --i, value >>= 8)
    header[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(value);
}

// Version 1, four channels, 8 bits, RGB; the reserved bytes, the three empty
// section lengths and compression 0 (raw) stay zero.
std::array<uint8_t, kWrittenHeaderSize> Header(const Picture& picture) {
  std::array<uint8_t, kWrittenHeaderSize> h{'8', 'B', 'P', 'S'};
  PutBigEndian(h, 4, 1, 2);
  PutBigEndian(h, 12, 4, 2);
  PutBigEndian(h, 14, static_cast<uint32_t>(picture.Height()), 4);
  PutBigEndian(h, 18, static_cast<uint32_t>(picture.Width()), 4);
  PutBigEndian(h, 22, 8, 2);
  PutBigEndian(h, 24, 3, 2);
  return h;
}

}  // namespace

std::vector<uint8_t> EncodePsd(const Picture& picture) {
  const auto head = Header(picture);
  std::vector<uint8_t> out(head.begin(), head.end());
  out.reserve(kWrittenHeaderSize + picture.ByteCount());
  for (int byte : kPsdChannelByte) {
    for (const Pixel& p : picture.Pixels()) out.push_back(reinterpret_cast<const uint8_t*>(&p)[byte]);
  }
  return out;
}

}  // namespace lumena
