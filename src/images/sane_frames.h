#pragma once
// Turns the frames a SANE device sends into one opaque picture: colour
// frames, grey and lineart frames, and the three single-colour frames of a
// three-pass scanner, 8 or 16 bits a sample (16-bit samples keep their high
// byte).
#include <sane/sane.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "images/picture.h"

namespace lumena {

// The most pixels a scan may hold unless a caller knows better (a 512 MiB
// picture: A4 at 1100 dpi).
inline constexpr size_t kMaxScanPixels = size_t{1} << 27;

// How many frames a scan has that begins with this checked frame: three for
// one colour, one otherwise.
int FramesInScan(const SANE_Parameters& first);

// Collects the frames of one scan. Every check on the device's parameters is
// made before anything is allocated; a failure throws EFormatError with the
// reason.
class FrameAssembler {
 public:
  explicit FrameAssembler(size_t maxPixels = kMaxScanPixels) : maxPixels_(maxPixels) {}

  // Starts a frame: checks its parameters (format, depth, sides within
  // kMaxPictureSide and maxPixels, a line long enough for its pixels and no
  // longer than the widest real one) and that it is as wide as the frames
  // before it.
  void BeginFrame(const SANE_Parameters& parameters);
  // The next bytes of the current frame, split anywhere. Bytes past the
  // frame's announced lines (or past the caps, when the device does not know
  // its lines) are dropped.
  void Append(std::span<const uint8_t> bytes);
  // The bytes the current frame announces, or nothing when its lines are
  // unknown.
  std::optional<uint64_t> ExpectedFrameBytes() const;
  // The complete rows read so far; throws EFormatError when there are none.
  Picture Finish();

 private:
  void StoreLine();
  bool MakeRoomForRow();
  void Reallocate(int height);

  size_t maxPixels_;
  SANE_Parameters frame_{};
  std::vector<uint8_t> line_;
  size_t lineFill_ = 0;
  int frameRows_ = 0;  // complete rows of the current frame
  int rows_ = 0;       // rows any frame has reached
  Picture picture_;
};

}  // namespace lumena
