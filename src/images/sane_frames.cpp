#include "images/sane_frames.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <type_traits>

#include "platform/file_error.h"

namespace lumena {
namespace {

// The longest line a real device sends: the widest picture in 16-bit colour.
constexpr uint64_t kMaxLineBytes = uint64_t{kMaxPictureSide} * 3 * 2;
// The first room made for a frame whose lines are unknown.
constexpr int kFirstRows = 64;

// A device writes the format as a plain number; one outside the enum is
// read as a number, never loaded as a SANE_Frame.
int64_t FormatCode(const SANE_Parameters& p) {
  std::underlying_type_t<SANE_Frame> code;
  std::memcpy(&code, &p.format, sizeof code);
  return code;
}

bool KnownFormat(int64_t code) {
  return code == SANE_FRAME_GRAY || code == SANE_FRAME_RGB || code == SANE_FRAME_RED || code == SANE_FRAME_GREEN ||
         code == SANE_FRAME_BLUE;
}

bool SupportedDepth(const SANE_Parameters& p) {
  return p.depth == 8 || p.depth == 16 || (p.depth == 1 && p.format == SANE_FRAME_GRAY);
}

uint64_t NeededLineBytes(const SANE_Parameters& p) {
  const uint64_t channels = p.format == SANE_FRAME_RGB ? 3 : 1;
  return (static_cast<uint64_t>(p.pixels_per_line) * channels * static_cast<uint64_t>(p.depth) + 7) / 8;
}

[[noreturn]] void Refuse(const std::string& reason) { throw EFormatError(reason); }

void CheckParameters(const SANE_Parameters& p, size_t maxPixels) {
  if (!KnownFormat(FormatCode(p))) Refuse("unknown frame format " + std::to_string(FormatCode(p)));
  if (!SupportedDepth(p)) Refuse(std::to_string(p.depth) + "-bit samples are not supported in this frame");
  if (p.pixels_per_line < 1 || p.pixels_per_line > kMaxPictureSide)
    Refuse("a line of " + std::to_string(p.pixels_per_line) + " pixels is out of range");
  if (p.lines != -1 && (p.lines < 1 || p.lines > kMaxPictureSide))
    Refuse(std::to_string(p.lines) + " lines are out of range");
  if (p.bytes_per_line < 0 || static_cast<uint64_t>(p.bytes_per_line) < NeededLineBytes(p) ||
      static_cast<uint64_t>(p.bytes_per_line) > kMaxLineBytes)
    Refuse(std::to_string(p.bytes_per_line) + " bytes a line do not fit " + std::to_string(p.pixels_per_line) +
           " pixels");
  if (static_cast<size_t>(p.pixels_per_line) * static_cast<size_t>(std::max(p.lines, 1)) > maxPixels)
    Refuse("the picture would be too large");
}

// 16-bit samples come in the machine's byte order; their high byte is kept.
uint8_t Sample(std::span<const uint8_t> line, size_t index, int depth) {
  if (depth == 8) return line[index];
  return line[2 * index + (std::endian::native == std::endian::little ? 1 : 0)];
}

// In lineart a set bit is black; the first pixel is the highest bit.
uint8_t LineartSample(std::span<const uint8_t> line, size_t index) {
  return (line[index / 8] >> (7 - index % 8)) & 1 ? 0 : 255;
}

using Channel = uint8_t Pixel::*;

Channel ChannelOf(SANE_Frame format) {
  if (format == SANE_FRAME_RED) return &Pixel::r;
  if (format == SANE_FRAME_GREEN) return &Pixel::g;
  return &Pixel::b;
}

void ConvertLine(std::span<const uint8_t> line, const SANE_Parameters& p, std::span<Pixel> row) {
  for (size_t x = 0; x < row.size(); ++x) {
    Pixel& pixel = row[x];
    pixel.a = 255;
    if (p.format == SANE_FRAME_RGB) {
      pixel.r = Sample(line, 3 * x, p.depth);
      pixel.g = Sample(line, 3 * x + 1, p.depth);
      pixel.b = Sample(line, 3 * x + 2, p.depth);
    } else if (p.format == SANE_FRAME_GRAY) {
      const uint8_t v = p.depth == 1 ? LineartSample(line, x) : Sample(line, x, p.depth);
      pixel.r = pixel.g = pixel.b = v;
    } else {
      pixel.*ChannelOf(p.format) = Sample(line, x, p.depth);
    }
  }
}

// The most rows a frame may fill: its announced lines, or the caps when its
// lines are unknown.
int RowLimit(const SANE_Parameters& p, size_t maxPixels) {
  if (p.lines >= 0) return p.lines;
  const size_t byPixels = maxPixels / static_cast<size_t>(p.pixels_per_line);
  return static_cast<int>(std::min(static_cast<size_t>(kMaxPictureSide), byPixels));
}

}  // namespace

int FramesInScan(const SANE_Parameters& first) {
  const bool singleColour =
      first.format == SANE_FRAME_RED || first.format == SANE_FRAME_GREEN || first.format == SANE_FRAME_BLUE;
  return singleColour ? 3 : 1;
}

void FrameAssembler::BeginFrame(const SANE_Parameters& parameters) {
  CheckParameters(parameters, maxPixels_);
  if (picture_.Width() != 0 && picture_.Width() != parameters.pixels_per_line)
    Refuse("the frames of one scan differ in width");
  frame_ = parameters;
  line_.assign(static_cast<size_t>(parameters.bytes_per_line), 0);
  lineFill_ = 0;
  frameRows_ = 0;
  if (picture_.Width() == 0) {
    const int rows = parameters.lines >= 0 ? parameters.lines : std::min(kFirstRows, RowLimit(parameters, maxPixels_));
    picture_ = Picture(parameters.pixels_per_line, rows);
  }
}

void FrameAssembler::Append(std::span<const uint8_t> bytes) {
  while (!bytes.empty() && !line_.empty()) {
    const size_t take = std::min(bytes.size(), line_.size() - lineFill_);
    std::copy_n(bytes.begin(), take, line_.begin() + static_cast<std::ptrdiff_t>(lineFill_));
    bytes = bytes.subspan(take);
    lineFill_ += take;
    if (lineFill_ == line_.size()) {
      StoreLine();
      lineFill_ = 0;
    }
  }
}

std::optional<uint64_t> FrameAssembler::ExpectedFrameBytes() const {
  if (frame_.lines < 0) return std::nullopt;
  return static_cast<uint64_t>(frame_.bytes_per_line) * static_cast<uint64_t>(frame_.lines);
}

Picture FrameAssembler::Finish() {
  if (rows_ == 0) Refuse("the scanner sent no complete line");
  if (rows_ < picture_.Height()) Reallocate(rows_);
  Picture done = std::move(picture_);
  *this = FrameAssembler(maxPixels_);
  return done;
}

void FrameAssembler::StoreLine() {
  if (!MakeRoomForRow()) return;
  ConvertLine(line_, frame_, picture_.Row(frameRows_));
  ++frameRows_;
  rows_ = std::max(rows_, frameRows_);
}

// False when the row lies past the frame's announced lines or the caps.
bool FrameAssembler::MakeRoomForRow() {
  const int limit = RowLimit(frame_, maxPixels_);
  if (frameRows_ >= limit) return false;
  if (frameRows_ >= picture_.Height()) Reallocate(std::min(std::max(picture_.Height() * 2, kFirstRows), limit));
  return true;
}

// Moves the rows read so far into a picture of `height` rows.
void FrameAssembler::Reallocate(int height) {
  Picture moved(picture_.Width(), height);
  const int keep = std::min(rows_, height);
  const auto source = picture_.Pixels().first(static_cast<size_t>(keep) * static_cast<size_t>(picture_.Width()));
  std::copy(source.begin(), source.end(), moved.Pixels().begin());
  picture_ = std::move(moved);
}

}  // namespace lumena
