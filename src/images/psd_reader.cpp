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
  if (!validSide(header.width) || !validSide(header.height) || header.channels == 0) throw EInvalidPicture();
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

int usedChannels(const PsdHeader& header) { return std::min<int>(header.channels, kUsedChannels); }
uint64_t usedRows(const PsdHeader& header) { return uint64_t{header.height} * static_cast<uint64_t>(usedChannels(header)); }
uint64_t rowTableSize(const PsdHeader& header) { return uint64_t{2} * header.height * header.channels; }

// Raw data must hold every plane the picture is made from.
bool rawDataComplete(ByteCursor in, const PsdHeader& header) {
  return in.remaining() >= usedRows(header) * header.width;
}

// The row table must be there, its byte counts must fit the data after it,
// and the rows must really produce every value of the channels used.
bool runLengthDataComplete(ByteCursor in, const PsdHeader& header) {
  const uint64_t tableSize = rowTableSize(header);
  if (in.remaining() < tableSize) return false;
  ByteCursor table = in;
  in.skip(tableSize);
  uint64_t declared = 0;
  for (uint64_t i = 0; i < tableSize / 2; ++i) declared += *table.u16be();
  if (declared > in.remaining()) return false;
  std::vector<uint8_t> row(header.width);
  for (uint64_t y = 0; y < usedRows(header); ++y)
    if (DecodePackBitsRow(in, row) < row.size()) return false;
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

void decodeRaw(ByteCursor& in, const PsdHeader& header, Picture& target) {
  const size_t planeSize = target.pixels().size();
  for (int channel = 0; channel < usedChannels(header); ++channel) storeChannel(target, channel, 0, in.take(planeSize));
}

void decodeRunLength(ByteCursor& in, const PsdHeader& header, Picture& target) {
  // The row table only served the check: the rows decode without it.
  in.skip(rowTableSize(header));
  std::vector<uint8_t> row(header.width);
  for (int channel = 0; channel < usedChannels(header); ++channel) {
    for (uint32_t y = 0; y < header.height; ++y) {
      DecodePackBitsRow(in, row);
      storeChannel(target, channel, size_t{y} * header.width, row);
    }
  }
}

}  // namespace

void DecodePsd(std::span<const uint8_t> file, Picture& target) {
  ByteCursor in(file);
  PsdHeader header = readHeader(in);
  const auto compression = skipSections(in) ? in.u16be() : std::nullopt;
  // A picture may claim no more pixels than its data holds: checked before
  // anything the size of the picture is allocated.
  if (!compression) throw EInvalidPicture();
  const bool raw = *compression == 0;
  if (!(raw ? rawDataComplete(in, header) : runLengthDataComplete(in, header))) throw EInvalidPicture();
  prepareTarget(target, header);
  if (raw)
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
  const uint64_t rows = usedRows(header);
  // A PackBits row never needs more than two bytes per value.
  const uint64_t data = *compression == 0 ? rows * header.width : rowTableSize(header) + rows * 2 * header.width;
  return offset + 2 + data;
}

}  // namespace lumena
