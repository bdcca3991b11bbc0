// Element picture decoding from memory: the ".psd" parser on the raw input,
// and the ".fcc" path (zlib, then ".psd") on the same bytes. Every header is
// taken as it comes: a picture claiming more than its data holds must be
// refused before it is allocated.
#include <cstddef>
#include <cstdint>
#include <span>

#include "images/element_picture.h"

namespace {

void Decode(std::span<const uint8_t> bytes, const char* extension) {
  lumena::Picture picture;
  try {
    lumena::DecodeElementPicture(bytes, extension, picture);
  } catch (const lumena::EFormatError&) {  // EInvalidPicture and damaged compressed data
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  Decode(bytes, ".psd");
  Decode(bytes, ".fcc");
  return 0;
}
