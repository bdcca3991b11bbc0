#pragma once
// The compressed work file (".lmc"), all numbers 32-bit little-endian:
//   N (layers); L1 and the zlib stream of the table (lines ended by CR LF);
//   L2 and the zlib stream of the preview JPEG; then per layer, in table
//   order, the length and bytes of the picture as a JPEG-with-opacity
//   container (quality 90) and the length and bytes of its mask stream.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "workfile/work_snapshot.h"

namespace lumena {

class CompoundWriter;

inline constexpr int kCompressedLayerQuality = 90;

// The file's bytes. The layers are encoded on up to `threads` threads; the
// bytes do not depend on the number.
std::vector<uint8_t> EncodeCompressedWork(const WorkSnapshot& work, unsigned threads = 2);

// Writes through a temporary file that replaces the target only when all
// was written. Throws EFileError when the file cannot be written and
// EWorkFileError when the work cannot be stored; the previous file is then
// left as it was.
void WriteCompressedWork(const std::filesystem::path& path, const WorkSnapshot& work, const SaveProgress& progress = {},
                         unsigned threads = 2);

struct CompressedLayerBlocks {
  std::span<const uint8_t> picture;
  std::span<const uint8_t> mask;
};

// A compressed work cut into its parts; the blocks point into the bytes
// given, the table and preview are inflated.
struct CompressedWork {
  std::string toc;
  std::vector<uint8_t> preview;
  std::vector<CompressedLayerBlocks> layers;
};

// Every count and length is checked against the bytes really there before
// anything is allocated. Throws EWorkFileError for a damaged file.
CompressedWork ParseCompressedWork(std::span<const uint8_t> bytes);

// Writes the uncompressed form of a compressed work into a compound file:
// the table's first five lines, the preview, and per layer its bitmap (when
// the picture decodes), its mask stream unchanged and its table line.
// Before any picture is decoded the table is checked (CheckedLayerRecords);
// each picture's pixels are counted against the caps before it is decoded,
// and all blocks together may not inflate to more than
// kMaxCompressedWorkInflatedBytes. Throws EWorkFileError.
void UnpackCompressedWork(std::span<const uint8_t> bytes, CompoundWriter& target);

// The bytes of a compressed work file. Throws EFileError when it cannot be
// read and EWorkFileError when it is larger than any work can be.
std::vector<uint8_t> ReadCompressedWorkFile(const std::filesystem::path& path);

// The file form: false on any error, and then no target file is left.
bool UnpackCompressedWork(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace lumena
