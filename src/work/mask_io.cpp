// The mask on disk: the ".msk" file beside a template's picture and the mask
// stream inside a work file.
#include <zlib.h>

#include <cstring>
#include <filesystem>
#include <iterator>

#include "images/byte_cursor.h"
#include "images/byte_writer.h"
#include "images/file_bytes.h"
#include "images/zlib_stream.h"
#include "platform/data_file.h"
#include "platform/file_error.h"
#include "work/mask.h"
#include "work/value_ranges.h"

namespace lumena {
namespace {

// Reads items in order; an item that is not wholly there is not read, nor is
// anything after it.
class ItemReader {
 public:
  explicit ItemReader(std::span<const uint8_t> bytes) : rest_(bytes) {}
  std::span<const uint8_t> Take(size_t size) {
    if (rest_.size() < size) {
      rest_ = {};
      return {};
    }
    const auto item = rest_.first(size);
    rest_ = rest_.subspan(size);
    return item;
  }
  std::span<const uint8_t> Rest() const { return rest_; }

 private:
  std::span<const uint8_t> rest_;
};

void PutRegion(std::vector<uint8_t>& out, const ColourParameters& p) {
  ByteWriter writer(out);
  for (int32_t v : {p.Color, p.Red, p.Green, p.Blue, p.Hue, p.Saturation, p.Brightness, p.Contrast}) writer.I32le(v);
  writer.U8(p.Opacity);
}

ColourParameters RegionFrom(std::span<const uint8_t> record) {
  ColourParameters p;
  int32_t* fields[] = {&p.Color, &p.Red, &p.Green, &p.Blue, &p.Hue, &p.Saturation, &p.Brightness, &p.Contrast};
  ByteCursor cursor(record);  // a whole record: every field is there
  for (int32_t* field : fields) *field = static_cast<int32_t>(*cursor.U32le());
  p.Opacity = record[32];
  ClampToRanges(p);
  return p;
}

// A valid stream of the cells cannot be much longer than zlib's own bound;
// anything larger is not read into memory.
size_t LargestMaskFile(size_t cells) {
  return 2 * static_cast<size_t>(compressBound(static_cast<uLong>(cells))) + 65536;
}

}  // namespace

void TMask::FillCells(std::span<const uint8_t> bytes) {
  const size_t count = std::min(bytes.size(), Cells_.size());
  std::memcpy(Cells_.data(), bytes.data(), count);
}

void TMask::ReadMaskBytes(std::span<const uint8_t> compressed) {
  if (Cells_.empty()) return;
  if (const auto content = InflateStreamPrefix(compressed, Cells_.size())) FillCells(*content);
}

std::vector<uint8_t> TMask::MaskBytes() const {
  if (Cells_.empty()) return {};
  return DeflateStream(Cells_);
}

void TMask::LoadMaskFile(const std::string& fileName) {
  FileName_ = fileName;
  if (Cells_.empty()) return;
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadDataFile(fileName, LargestMaskFile(Cells_.size()));
  } catch (const EFileError&) {
    return;  // no usable mask file: the layer keeps its blank mask
  }
  ReadMaskBytes(bytes);
}

void TMask::SaveMaskFile() const {
  if (Cells_.empty()) return;
  WriteFileBytes(FileName_, MaskBytes());
}

void TMask::WriteMaskStream(std::vector<uint8_t>& out) const {
  if (Cells_.empty()) return;
  std::vector<uint8_t> content(Cells_);
  content.reserve(Cells_.size() + kMaskStreamTailBytes);
  content.push_back(0);  // no second cells
  for (const ColourParameters& p : RegionParams_) PutRegion(content, p);
  ByteWriter(content).I32le(State_);
  const std::vector<uint8_t> compressed = DeflateStream(content);
  out.insert(out.end(), compressed.begin(), compressed.end());
}

// A second-cells flag other than 0 announces data this system never writes
// and whose size we cannot know; the parameters after it are then left as
// they were rather than read from the wrong place.
void TMask::ReadMaskStream(std::span<const uint8_t> compressed) {
  if (Cells_.empty()) return;
  const auto content = InflateStreamPrefix(compressed, Cells_.size() + kMaskStreamTailBytes);
  if (!content) return;
  FillCells(*content);
  ItemReader reader(*content);
  if (reader.Take(Cells_.size()).empty()) return;
  const auto flag = reader.Take(1);
  if (flag.empty() || flag[0] != 0) return;
  for (ColourParameters& p : RegionParams_) {
    const auto record = reader.Take(kMaskRegionRecordBytes);
    if (record.empty()) return;
    p = RegionFrom(record);
  }
  if (const auto state = ByteCursor(reader.Take(4)).U32le()) State_ = static_cast<int32_t>(*state);
}

}  // namespace lumena
