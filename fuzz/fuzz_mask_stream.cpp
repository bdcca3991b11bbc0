// The work file's mask stream reader on arbitrary bytes. The first two
// bytes give the picture's size (1 to 64 a side), the rest is the stream.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "images/picture.h"
#include "work/mask.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const lumena::Picture picture(data[0] % 64 + 1, data[1] % 64 + 1);
  lumena::TMask mask;
  mask.SetPicture(picture);
  mask.ReadMaskStream(std::span(data + 2, size - 2));
  if (mask.CellsView().size() != static_cast<size_t>(picture.Width()) * picture.Height()) std::abort();
  // A written stream reads back to the same mask.
  std::vector<uint8_t> stream;
  mask.WriteMaskStream(stream);
  lumena::TMask copy;
  copy.SetPicture(picture);
  copy.ReadMaskStream(stream);
  if (!std::equal(copy.CellsView().begin(), copy.CellsView().end(), mask.CellsView().begin())) std::abort();
  for (int region = 1; region <= lumena::kMaskRegionCount; ++region)
    if (!(copy.Region(region) == mask.Region(region))) std::abort();
  if (copy.State() != mask.State()) std::abort();
  return 0;
}
