// The ".msk" reader on arbitrary bytes. The first two bytes give the
// picture's size (1 to 64 a side), the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "images/picture.h"
#include "work/mask.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const lumena::Picture picture(data[0] % 64 + 1, data[1] % 64 + 1);
  lumena::TMask mask;
  mask.SetPicture(picture);
  for (uint8_t& c : mask.CellsView()) c = 0x5A;
  mask.ReadMaskBytes(std::span(data + 2, size - 2));
  if (mask.CellsView().size() != static_cast<size_t>(picture.Width()) * picture.Height()) std::abort();
  // Whatever was read must survive a save and load unchanged.
  lumena::TMask copy;
  copy.SetPicture(picture);
  copy.ReadMaskBytes(mask.MaskBytes());
  if (!std::equal(copy.CellsView().begin(), copy.CellsView().end(), mask.CellsView().begin())) std::abort();
  return 0;
}
