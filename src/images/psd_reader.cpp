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

bool ValidSide(uint32_t side) { return side >= 1 && side <= static_cast<uint32_t>(kMaxPictureSide); }

// Reads and checks the 26-byte header; the signature is tested first, one
// message serves every refusal.
PsdHeader ReadHeader(ByteCursor& in) {
  if (in.Remaining() < kHeaderSize) throw EInvalidPicture();
  const auto signature = in.Take(4);
  if (!std::equal(signature.begin(), signature.end(), "8BPS")) throw EInvalidPicture();
  const uint16_t version = *in.U16be();
  in.Skip(6);
  PsdHeader header;
  header.channels = *in.U16be();
  header.height = *in.U32be();
  header.width = *in.U32be();
  const uint16_t depth = *in.U16be();
  const uint16_t mode = *in.U16be();
  if (version != 1 || depth != 8 || (mode != 3 && mode != 7)) throw EInvalidPicture();
  if (!ValidSide(header.width) || !ValidSide(header.height) || header.channels == 0) throw EInvalidPicture();
  return header;
}

// Skips the three length-prefixed sections; false when the data ends first.
bool SkipSections(ByteCursor& in) {
  for (int i = 0; i < kSectionCount; ++i) {
    const auto length = in.U32be();
    if (!length || !in.Skip(*length)) return false;
  }
  return true;
}

int UsedChannels(const PsdHeader& header) { return std::min<int>(header.channels, kUsedChannels); }
uint64_t UsedRows(const PsdHeader& header) {
  return uint64_t{header.height} * static_cast<uint64_t>(UsedChannels(header));
}
uint64_t RowTableSize(const PsdHeader& header) { return uint64_t{2} * header.height * header.channels; }

// Raw data must hold every plane the picture is made from.
bool RawDataComplete(ByteCursor in, const PsdHeader& header) {
  return in.Remaining() >= UsedRows(header) * header.width;
}

// The row table must be there, its byte counts must fit the data after it,
// and the rows must really produce every value of the channels used.
bool RunLengthDataComplete(ByteCursor in, const PsdHeader& header) {
  const uint64_t tableSize = RowTableSize(header);
  if (in.Remaining() < tableSize) return false;
  ByteCursor table = in;
  in.Skip(tableSize);
  uint64_t declared = 0;
  for (uint64_t i = 0; i < tableSize / 2; ++i) declared += *table.U16be();
  if (declared > in.Remaining()) return false;
  std::vector<uint8_t> row(header.width);
  for (uint64_t y = 0; y < UsedRows(header); ++y)
    if (DecodePackBitsRow(in, row) < row.size()) return false;
  return true;
}

void PrepareTarget(Picture& target, const PsdHeader& header) {
  const int width = static_cast<int>(header.width);
  const int height = static_cast<int>(header.height);
  if (target.Width() != width || target.Height() != height) target.Resize(width, height);
}

// Writes consecutive values of one channel, starting at pixel `first`.
void StoreChannel(Picture& target, int channel, size_t first, std::span<const uint8_t> values) {
  uint8_t* out = target.Bytes() + first * sizeof(Pixel) + kPsdChannelByte[channel];
  for (uint8_t v : values) {
    *out = v;
    out += sizeof(Pixel);
  }
}

void DecodeRaw(ByteCursor& in, const PsdHeader& header, Picture& target) {
  const size_t planeSize = target.Pixels().size();
  for (int channel = 0; channel < UsedChannels(header); ++channel) StoreChannel(target, channel, 0, in.Take(planeSize));
}

void DecodeRunLength(ByteCursor& in, const PsdHeader& header, Picture& target) {
  // The row table only served the check: the rows decode without it.
  in.Skip(RowTableSize(header));
  std::vector<uint8_t> row(header.width);
  for (int channel = 0; channel < UsedChannels(header); ++channel) {
    for (uint32_t y = 0; y < header.height; ++y) {
      DecodePackBitsRow(in, row);
      StoreChannel(target, channel, size_t{y} * header.width, row);
    }
  }
}

}  // namespace

void DecodePsd(std::span<const uint8_t> file, Picture& target) {
  ByteCursor in(file);
  PsdHeader header = ReadHeader(in);
  const auto compression = SkipSections(in) ? in.U16be() : std::nullopt;
  // A picture may claim no more pixels than its data holds: checked before
  // anything the size of the picture is allocated.
  if (!compression) throw EInvalidPicture();
  const bool raw = *compression == 0;
  if (!(raw ? RawDataComplete(in, header) : RunLengthDataComplete(in, header))) throw EInvalidPicture();
  PrepareTarget(target, header);
  if (raw)
    DecodeRaw(in, header, target);
  else
    DecodeRunLength(in, header, target);
}

uint64_t PsdSizeBound(std::span<const uint8_t> prefix) {
  ByteCursor in(prefix);
  PsdHeader header;
  try {
    header = ReadHeader(in);
  } catch (const EInvalidPicture&) {
    return kHeaderSize;  // enough for the decoder to refuse it
  }
  uint64_t offset = kHeaderSize;
  for (int i = 0; i < kSectionCount; ++i) {
    ByteCursor at(prefix, offset);
    const auto length = at.U32be();
    if (!length) return offset + 4;
    offset += 4 + uint64_t{*length};
  }
  ByteCursor at(prefix, offset);
  const auto compression = at.U16be();
  if (!compression) return offset + 2;
  const uint64_t rows = UsedRows(header);
  // A PackBits row never needs more than two bytes per value.
  const uint64_t data = *compression == 0 ? rows * header.width : RowTableSize(header) + rows * 2 * header.width;
  return offset + 2 + data;
}

}  // namespace lumena
