#include <algorithm>

#include "images/byte_cursor.h"
#include "images/packbits.h"
#include "images/psd_codec.h"

namespace lumena {

namespace {

constexpr size_t kHeaderSize = 26;
constexpr int kSectionCount = 3;  // colour mode data, image resources, layers and masks
constexpr int kUsedChannels = static_cast<int>(kPsdChannelByte.size());

struct PsdHeader {
  uint16_t channels = 0;
  uint32_t height = 0;
  uint32_t width = 0;
  uint16_t compression = 0;
};

bool validSide(uint32_t side) { return side >= 1 && side <= static_cast<uint32_t>(kMaxPictureSide); }

// Reads and checks the 26-byte header; the signature is tested first, one
// message serves every refusal.
PsdHeader readHeader(ByteCursor& in) {
  if (in.remaining() < kHeaderSize) throw EInvalidPicture();
  const auto signature = in.take(4);
  if (!std::equal(signature.begin(), signature.end(), "8BPS")) throw EInvalidPicture();
  const uint16_t version = *in.u16be();
  in.skip(6);
  PsdHeader header;
  header.channels = *in.u16be();
  header.height = *in.u32be();
  header.width = *in.u32be();
  const uint16_t depth = *in.u16be();
  const uint16_t mode = *in.u16be();
  if (version != 1 || depth != 8 || (mode != 3 && mode != 7)) throw EInvalidPicture();
  if (!validSide(header.width) || !validSide(header.height)) throw EInvalidPicture();
  return header;
}

// Skips the three length-prefixed sections; false when the data ends first.
bool skipSections(ByteCursor& in) {
  for (int i = 0; i < kSectionCount; ++i) {
    const auto length = in.u32be();
    if (!length || !in.skip(*length)) return false;
  }
  return true;
}

void prepareTarget(Picture& target, const PsdHeader& header) {
  const int width = static_cast<int>(header.width);
  const int height = static_cast<int>(header.height);
  if (target.width() != width || target.height() != height) target.resize(width, height);
}

// Writes consecutive values of one channel, starting at pixel `first`.
void storeChannel(Picture& target, int channel, size_t first, std::span<const uint8_t> values) {
  uint8_t* out = target.bytes() + first * sizeof(Pixel) + kPsdChannelByte[channel];
  for (uint8_t v : values) {
    *out = v;
    out += sizeof(Pixel);
  }
}

int usedChannels(const PsdHeader& header) { return std::min<int>(header.channels, kUsedChannels); }

void decodeRaw(ByteCursor& in, const PsdHeader& header, Picture& target) {
  const size_t planeSize = target.pixels().size();
  for (int channel = 0; channel < usedChannels(header); ++channel) {
    const auto plane = in.take(planeSize);
    storeChannel(target, channel, 0, plane);
    if (plane.size() < planeSize) return;
  }
}

void decodeRunLength(ByteCursor& in, const PsdHeader& header, Picture& target) {
  // The table of row byte counts is not needed to decode the rows.
  if (!in.skip(uint64_t{2} * header.height * header.channels)) return;
  std::vector<uint8_t> row(header.width);
  for (int channel = 0; channel < usedChannels(header); ++channel) {
    for (uint32_t y = 0; y < header.height; ++y) {
      const size_t produced = DecodePackBitsRow(in, row);
      storeChannel(target, channel, size_t{y} * header.width, std::span(row).first(produced));
      if (produced < row.size()) return;
    }
  }
}

}  // namespace

void DecodePsd(std::span<const uint8_t> file, Picture& target) {
  ByteCursor in(file);
  PsdHeader header = readHeader(in);
  const bool complete = skipSections(in);
  const auto compression = complete ? in.u16be() : std::nullopt;
  prepareTarget(target, header);
  if (!compression) return;
  if (*compression == 0)
    decodeRaw(in, header, target);
  else
    decodeRunLength(in, header, target);
}

uint64_t PsdSizeBound(std::span<const uint8_t> prefix) {
  ByteCursor in(prefix);
  PsdHeader header;
  try {
    header = readHeader(in);
  } catch (const EInvalidPicture&) {
    return kHeaderSize;  // enough for the decoder to refuse it
  }
  uint64_t offset = kHeaderSize;
  for (int i = 0; i < kSectionCount; ++i) {
    ByteCursor at(prefix, offset);
    const auto length = at.u32be();
    if (!length) return offset + 4;
    offset += 4 + uint64_t{*length};
  }
  ByteCursor at(prefix, offset);
  const auto compression = at.u16be();
  if (!compression) return offset + 2;
  const uint64_t rows = uint64_t{header.height} * static_cast<uint64_t>(usedChannels(header));
  // A PackBits row never needs more than two bytes per value.
  const uint64_t data = *compression == 0 ? rows * header.width
                                          : uint64_t{2} * header.height * header.channels + rows * 2 * header.width;
  return offset + 2 + data;
}

}  // namespace lumena
