#pragma once
// The ".psd" subset of element pictures: only the merged picture, 8 bits per
// channel, channels red, green, blue and opacity, big-endian numbers.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "images/picture.h"
#include "platform/file_error.h"

namespace lumena {

// File channel index -> byte of the pixel (blue, green, red, opacity), for
// reading and writing alike.
inline constexpr std::array<int, 4> kPsdChannelByte = {2, 1, 0, 3};

// A ".psd" file the reader cannot take: wrong signature, version, depth,
// colour mode, or a size that no picture may have.
class EInvalidPicture : public EFormatError {
 public:
  EInvalidPicture() : EFormatError("Invalid PSD format") {}
};

// Decodes the bytes of a ".psd" file into `target`. The header is checked
// before the target is touched (EInvalidPicture). The target keeps its pixels
// when it already has the file's size, otherwise it is made anew (all zero);
// bytes no channel writes keep what the target held, so a three-channel file
// gives a new picture opacity 0. Channels after the fourth are skipped.
// A file whose data cannot hold every pixel it claims (raw planes cut short,
// a run-length row table missing or declaring more than there is, rows that
// end early, no channels) is refused with EInvalidPicture before the picture
// is allocated, so a small file cannot make the reader take gigabytes.
void DecodePsd(std::span<const uint8_t> file, Picture& target);

// The uncompressed four-channel file: a 40-byte header, then the red, green,
// blue and opacity planes.
std::vector<uint8_t> EncodePsd(const Picture& picture);

// How many leading bytes of a ".psd" file the decoder can use at most, as the
// header and section lengths in `prefix` declare. When the prefix is too short
// to tell, the result is the longer prefix needed to learn more. Lets a
// compressed file be inflated no further than its header asks for.
uint64_t PsdSizeBound(std::span<const uint8_t> prefix);

}  // namespace lumena
