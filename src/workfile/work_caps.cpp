#include "workfile/work_caps.h"

#include <set>

#include "images/zlib_stream.h"
#include "platform/text.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_limits.h"
#include "workfile/work_toc.h"

namespace lumena {

namespace {

[[noreturn]] void Refuse(const std::string& why) { throw EWorkFileError("The work is refused: " + why); }

std::string Megapixels(uint64_t pixels) { return std::to_string(pixels >> 20) + " megapixels"; }

}  // namespace

std::vector<TLayerRecord> CheckedLayerRecords(std::span<const std::string> lines) {
  std::vector<TLayerRecord> records;
  std::set<std::string> names;
  PixelBudget pixels;
  for (const std::string& line : lines) {
    if (!IsLayerLine(line)) continue;
    if (records.size() == kMaxWorkLayers) Refuse("it has more than " + std::to_string(kMaxWorkLayers) + " layers");
    TLayerRecord record = ParseLayerLine(line);
    if (!names.insert(ToUpper(record.Name)).second) Refuse("two layers are named " + record.Name);
    // The record's size is already within 0 .. the largest side.
    pixels.Take(uint64_t(record.Width) * uint64_t(record.Height), record.Name);
    records.push_back(std::move(record));
  }
  return records;
}

void PixelBudget::Take(uint64_t pixels, std::string_view layerName) {
  const std::string layer(layerName);
  if (pixels > uint64_t{kMaxLayerPixels}) Refuse("layer " + layer + " has more than " + Megapixels(kMaxLayerPixels));
  if (pixels > uint64_t{kMaxWorkPixels} - used_)
    Refuse("its layers have more than " + Megapixels(kMaxWorkPixels) + " together");
  used_ += pixels;
}

uint64_t InflationBudget::Left() const { return kMaxCompressedWorkInflatedBytes - used_; }

void InflationBudget::Take(uint64_t bytes, std::string_view what) {
  if (bytes > Left())
    Refuse("unpacking the " + std::string(what) + " would take it over " +
           std::to_string(kMaxCompressedWorkInflatedBytes >> 20) + " MiB");
  used_ += bytes;
}

uint64_t CheckedMaskContentBytes(std::span<const uint8_t> stream, uint64_t cells, std::string_view layerName) {
  const uint64_t limit = MaxMaskContentBytes(cells);
  Inflater inflater(stream);
  inflater.FillTo(static_cast<size_t>(limit + 1));
  if (inflater.Output().size() > limit)
    Refuse("the mask of layer " + std::string(layerName) + " is larger than its picture");
  return inflater.Output().size();
}

}  // namespace lumena
