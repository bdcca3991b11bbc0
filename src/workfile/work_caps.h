#pragma once
// The caps of work_file_limits.h applied to a work being read: what its
// table claims, the pixels really decoded, and the bytes inflated. Every
// refusal is an EWorkFileError naming the cap.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "work/layer_record.h"

namespace lumena {

// The records of the table's layer lines, checked before anything is
// decoded: at most kMaxWorkLayers layers, no two of one name (compared
// without regard to case), and by the sizes the table gives, no layer over
// kMaxLayerPixels and all together not over kMaxWorkPixels. Throws
// EWorkFileError, also for a layer line that does not read.
std::vector<TLayerRecord> CheckedLayerRecords(std::span<const std::string> lines);

// The pixels of the pictures really in the file, counted before each is
// decoded against the same caps.
class PixelBudget {
 public:
  // Throws EWorkFileError when the picture of the layer would exceed a cap.
  void Take(uint64_t pixels, std::string_view layerName);

 private:
  uint64_t used_ = 0;
};

// The bytes a compressed work inflates to, all blocks together.
class InflationBudget {
 public:
  // What may still be inflated.
  uint64_t Left() const;
  // Throws EWorkFileError when the bytes exceed what is left.
  void Take(uint64_t bytes, std::string_view what);

 private:
  uint64_t used_ = 0;
};

// The size of a mask stream's content, inflated no further than the
// largest a picture of `cells` pixels can have; throws EWorkFileError when
// it is larger. A damaged stream gives what inflated before the damage
// (the mask reader then ignores the stream).
uint64_t CheckedMaskContentBytes(std::span<const uint8_t> stream, uint64_t cells, std::string_view layerName);

}  // namespace lumena
