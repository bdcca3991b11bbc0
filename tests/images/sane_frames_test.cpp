#include "images/sane_frames.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "images/images_test_support.h"
#include "platform/file_error.h"

namespace lumena {
namespace {

struct Frame {
  SANE_Parameters parameters;
  std::vector<uint8_t> bytes;
};

SANE_Parameters Parameters(SANE_Frame format, int depth, int width, int lines, int bytesPerLine) {
  return {format, SANE_TRUE, bytesPerLine, width, lines, depth};
}

// 16-bit samples in the machine's byte order, as SANE sends them.
std::vector<uint8_t> Samples16(std::initializer_list<uint16_t> samples) {
  std::vector<uint8_t> bytes;
  for (uint16_t s : samples) {
    const uint8_t high = s >> 8, low = s & 0xFF;
    if (std::endian::native == std::endian::little)
      bytes.insert(bytes.end(), {low, high});
    else
      bytes.insert(bytes.end(), {high, low});
  }
  return bytes;
}

// A format outside the enum, written as a device writes it.
SANE_Parameters WithFormatCode(SANE_Parameters p, std::underlying_type_t<SANE_Frame> code) {
  std::memcpy(&p.format, &code, sizeof code);
  return p;
}

Pixel Rgb(uint8_t r, uint8_t g, uint8_t b) { return {b, g, r, 255}; }
Pixel Grey(uint8_t v) { return Rgb(v, v, v); }

// Feeds the frames whole, or in pieces of `chunk` bytes.
Picture Assemble(const std::vector<Frame>& frames, size_t chunk) {
  FrameAssembler assembler;
  for (const Frame& frame : frames) {
    assembler.BeginFrame(frame.parameters);
    const std::span<const uint8_t> bytes = frame.bytes;
    for (size_t at = 0; at < bytes.size(); at += chunk)
      assembler.Append(bytes.subspan(at, std::min(chunk, bytes.size() - at)));
  }
  return assembler.Finish();
}

struct ConversionCase {
  std::string name;
  std::vector<Frame> frames;
  int width;
  std::vector<Pixel> pixels;  // rows from the top
};

std::vector<ConversionCase> ConversionCases() {
  const Pixel k = Grey(0), w = Grey(255);
  return {
      {"rgb 8-bit",
       {{Parameters(SANE_FRAME_RGB, 8, 2, 2, 6), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}},
       2,
       {Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9), Rgb(10, 11, 12)}},
      {"rgb 16-bit keeps the high byte",
       {{Parameters(SANE_FRAME_RGB, 16, 2, 1, 12), Samples16({0x1234, 0xABCD, 0x00FF, 0xFF00, 0x8001, 0x7FFE})}},
       2,
       {Rgb(0x12, 0xAB, 0x00), Rgb(0xFF, 0x80, 0x7F)}},
      {"grey 8-bit with padded lines",
       {{Parameters(SANE_FRAME_GRAY, 8, 3, 2, 4), {10, 20, 30, 99, 40, 50, 60, 99}}},
       3,
       {Grey(10), Grey(20), Grey(30), Grey(40), Grey(50), Grey(60)}},
      {"grey 16-bit",
       {{Parameters(SANE_FRAME_GRAY, 16, 2, 1, 4), Samples16({0x4433, 0xEE11})}},
       2,
       {Grey(0x44), Grey(0xEE)}},
      {"lineart: a set bit is black, the highest bit first",
       {{Parameters(SANE_FRAME_GRAY, 1, 10, 1, 2), {0b10110000, 0b01000000}}},
       10,
       {k, w, k, k, w, w, w, w, w, k}},
      {"three passes in any order",
       {{Parameters(SANE_FRAME_GREEN, 8, 2, 1, 2), {20, 21}},
        {Parameters(SANE_FRAME_BLUE, 16, 2, 1, 4), Samples16({0x3000, 0x31FF})},
        {Parameters(SANE_FRAME_RED, 8, 2, 1, 2), {10, 11}}},
       2,
       {Rgb(10, 20, 0x30), Rgb(11, 21, 0x31)}},
      {"fewer rows than announced give the complete rows",
       {{Parameters(SANE_FRAME_GRAY, 8, 2, 5, 2), {1, 2, 3, 4, 5}}},
       2,
       {Grey(1), Grey(2), Grey(3), Grey(4)}},
      {"data past the announced rows is cut",
       {{Parameters(SANE_FRAME_GRAY, 8, 2, 1, 2), {1, 2, 3, 4, 5, 6}}},
       2,
       {Grey(1), Grey(2)}},
      {"unknown lines grow as read",
       {{Parameters(SANE_FRAME_GRAY, 8, 1, -1, 1), {7, 8, 9}}},
       1,
       {Grey(7), Grey(8), Grey(9)}},
  };
}

TEST(SaneFramesTest, FramesBecomeOpaquePixelsWhateverPiecesTheyComeIn) {
  for (const ConversionCase& c : ConversionCases()) {
    for (size_t chunk : {size_t{1}, size_t{3}, size_t{1} << 20}) {
      const Picture picture = Assemble(c.frames, chunk);
      const auto pixels = picture.Pixels();
      EXPECT_EQ(picture.Width(), c.width) << c.name;
      EXPECT_EQ(std::vector<Pixel>(pixels.begin(), pixels.end()), c.pixels) << c.name << ", pieces of " << chunk;
    }
  }
}

TEST(SaneFramesTest, AFrameOfUnknownLinesGrowsPastItsFirstRoomAndStopsAtTheCap) {
  std::vector<uint8_t> rows(300);
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<uint8_t>(i);
  const Picture grown = Assemble({{Parameters(SANE_FRAME_GRAY, 8, 1, -1, 1), rows}}, 7);
  ASSERT_EQ(grown.Height(), 300);
  EXPECT_EQ(grown.At(0, 299), Grey(299 & 0xFF));

  FrameAssembler capped(2 * 100);  // 100 rows of two pixels at most
  capped.BeginFrame(Parameters(SANE_FRAME_GRAY, 8, 2, -1, 2));
  capped.Append(std::vector<uint8_t>(2 * 150, 128));
  EXPECT_EQ(capped.Finish().Height(), 100);
}

TEST(SaneFramesTest, ExpectedBytesAreTheAnnouncedLinesOrNothing) {
  FrameAssembler assembler;
  assembler.BeginFrame(Parameters(SANE_FRAME_RGB, 8, 10, 20, 32));
  EXPECT_EQ(assembler.ExpectedFrameBytes(), 32u * 20u);
  assembler.BeginFrame(Parameters(SANE_FRAME_RGB, 8, 10, -1, 32));
  EXPECT_EQ(assembler.ExpectedFrameBytes(), std::nullopt);
}

TEST(SaneFramesTest, ParametersBeyondTheCapsAreRefusedBeforeAnythingIsAllocated) {
  const int side = kMaxPictureSide;
  const std::vector<std::pair<std::string, SANE_Parameters>> cases = {
      {"unknown format", WithFormatCode(Parameters(SANE_FRAME_RGB, 8, 2, 2, 6), 99)},
      {"4-bit samples", Parameters(SANE_FRAME_GRAY, 4, 2, 2, 1)},
      {"1-bit colour", Parameters(SANE_FRAME_RGB, 1, 8, 2, 3)},
      {"no pixels", Parameters(SANE_FRAME_GRAY, 8, 0, 2, 1)},
      {"negative width", Parameters(SANE_FRAME_GRAY, 8, -5, 2, 1)},
      {"too wide", Parameters(SANE_FRAME_GRAY, 8, side + 1, 2, side + 1)},
      {"no lines", Parameters(SANE_FRAME_GRAY, 8, 2, 0, 2)},
      {"negative lines", Parameters(SANE_FRAME_GRAY, 8, 2, -2, 2)},
      {"too many lines", Parameters(SANE_FRAME_GRAY, 8, 2, side + 1, 2)},
      {"line shorter than its pixels", Parameters(SANE_FRAME_RGB, 16, 4, 2, 23)},
      {"negative line", Parameters(SANE_FRAME_GRAY, 8, 2, 2, -1)},
      {"line of two gigabytes", Parameters(SANE_FRAME_GRAY, 8, 2, 2, INT_MAX)},
      {"more pixels than a scan may hold", Parameters(SANE_FRAME_RGB, 8, side, side, side * 3)},
  };
  const double before = test::PeakMemoryMiB();
  for (const auto& [name, parameters] : cases) {
    FrameAssembler assembler;
    EXPECT_THROW(assembler.BeginFrame(parameters), EFormatError) << name;
  }
  EXPECT_LT(test::PeakMemoryMiB() - before, 16.0);
}

TEST(SaneFramesTest, FramesOfDifferentWidthsOrNoCompleteLineAreRefused) {
  FrameAssembler assembler;
  assembler.BeginFrame(Parameters(SANE_FRAME_RED, 8, 4, 2, 4));
  EXPECT_THROW(assembler.BeginFrame(Parameters(SANE_FRAME_GREEN, 8, 5, 2, 5)), EFormatError);

  FrameAssembler partial;
  partial.BeginFrame(Parameters(SANE_FRAME_GRAY, 8, 4, 2, 4));
  partial.Append(std::vector<uint8_t>(3, 0));
  EXPECT_THROW(partial.Finish(), EFormatError);
}

}  // namespace
}  // namespace lumena
